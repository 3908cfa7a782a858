// The one writing of a reading, the differences between two, and what the catalogue's
// knowledge changes in a reading. The writings follow the catalogue's own common
// designations (its newno column): "6205-2RS/C3", "NU205EM", "7205 C/P4", "22228/W33",
// "71940 C/HQ1P4", "45TAC75B DF".
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "designation/canonical_designation.h"
#include "designation/catalogue_knowledge.h"
#include "designation/read_designation.h"
#include "designation/reading_differences.h"
#include "designation/reading_explanation.h"

namespace lz::designation {
namespace {

Reading readingOf(const std::string& text) {
    const DesignationReadings read = readDesignation(text);
    EXPECT_TRUE(read.recognized()) << text;
    return read.recognized() ? read.readings.front() : Reading();
}

TEST(CanonicalWriting, FeaturesInTheCataloguesOrder) {
    for (const auto& [text, canonical] : std::vector<std::pair<std::string, std::string>>{
             // Seals after a dash, a snap ring after a space, then one slash.
             {"6205 LLU NR", "6205-2RSNR"},
             {"6205-2RS1/P6C3", "6205-2RS/P6C3"},
             {"6205/C3/P6", "6205/P6C3"},
             // Cylindrical roller bearings run their letters on, a tapered bore apart.
             {"NU 205 ECM/C3", "NU205EM/C3"},
             {"NN 3006 K/P5", "NN3006 K/P5"},
             // Ball, spherical and thrust bearings put their letters after a space.
             {"22205 CCK/C3W33", "22205 CCK/C3W33"},
             {"51205 M/P5", "51205 M/P5"},
             {"1205K+H", "1205 K+H"},
             // Ceramic balls, from every maker's writing, as HQ1.
             {"71940 CD/HCP4A", "71940 C/HQ1P4"},
             {"HCB71940-C-T-P4S", "71940 C/HQ1P4"},
             // A paired set names its arrangement and, as the catalogue does, no tolerance.
             {"7205 CD/P4ADBA", "7205 C/DB"},
             {"7205CTYNDBLP4", "7205 C/DB"},
             {"45TAC75BDFC7PN7A", "45TAC75B DF"},
             // Needle rollers, insert bearings, linear bushings, plain bearings.
             {"NA4905-2RSR", "NA4905-2RS"},
             {"K9x12x10TN", "K9x12x10"},
             {"UCP205D1", "UCP205"},
             {"SY 25 TF", "UCP205"},
             {"LM20UU", "LM20UU"},
             {"GE 20 ES-2RS", "GE20ES-2RS"},
             {"LM11949/LM11910", "LM11949"}}) {
        EXPECT_EQ(canonicalDesignation(readingOf(text)), canonical) << text;
    }
}

TEST(CanonicalWriting, KeysOfBasicDesignationAndSealing) {
    EXPECT_EQ(basicKey(readingOf("6205DDU")), basicKey(readingOf("6205-2Z/C3")));
    EXPECT_NE(basicKey(readingOf("6205")), basicKey(readingOf("6305")));
    EXPECT_NE(basicKey(readingOf("NU205")), basicKey(readingOf("NJ205")));
    EXPECT_EQ(basicAndSealingKey(readingOf("6205DDU")),
              basicAndSealingKey(readingOf("6205-2RSR-C3")));
    EXPECT_NE(basicAndSealingKey(readingOf("6205DDU")), basicAndSealingKey(readingOf("6205VV")));
    EXPECT_NE(basicAndSealingKey(readingOf("6205N")), basicAndSealingKey(readingOf("6205")));
    // Stainless is no other size: the catalogue files SUCP205 under UCP205.
    EXPECT_EQ(basicKey(readingOf("SUCP205")), basicKey(readingOf("UCP205")));
    EXPECT_EQ(sealingCode(readingOf("6205ZZNR")), "2ZNR");
    EXPECT_EQ(sealingCode(readingOf("6205")), "");
}

TEST(Differences, NameWhatTheFoundBearingHasInstead) {
    for (const auto& [wanted, found, text] :
         std::vector<std::tuple<std::string, std::string, std::string>>{
             {"6205-2RS/C3", "6205-2RS", "游隙 C3 → 普通"},
             {"NU205EM", "NU205E", "保持架 M → 未注"},
             {"NU205E", "NU205EM/C3", "保持架 未注 → M；游隙 普通 → C3"},
             {"7205 C/P4", "7205 AC", "接触角 C → AC；公差 P4 → 普通"},
             {"6205/P6", "6205/P5", "公差 P6 → P5"},
             {"22205 CC/W33", "22205 CC", "油槽 W33 → 无"},
             {"7205 C/DB", "7205 C", "配对 DB → 单个"},
             {"6205-2RS GJN", "6205-2RS", "其他代号 GJN → 未注"},
             {"6205-2RS", "6205-2Z", "密封 -2RS → -2Z"},
             {"6205", "6205 NR", "止动环 无 → NR"},
             {"22205 K", "22205", "锥孔 K → 圆柱孔"},
             {"1205 K+H", "1205 K", "紧定套 带紧定套 → 无"}}) {
        const std::vector<Difference> differences =
            differencesBetween(readingOf(wanted), readingOf(found));
        EXPECT_EQ(differenceText(differences), text) << wanted << " / " << found;
    }
    // Whatever the common writing leaves out is no difference.
    EXPECT_TRUE(differencesBetween(readingOf("NU 205 ECP"), readingOf("NU205ET")).empty());
    EXPECT_TRUE(differencesBetween(readingOf("6205DDUCM"), readingOf("6205-2RS1")).empty());
}

TEST(Differences, SealingSnapRingAndBoreMakeAnotherBearingOfTheSameSize) {
    auto kindsOf = [](const std::string& wanted, const std::string& found) {
        std::vector<bool> changes;
        for (const Difference& difference :
             differencesBetween(readingOf(wanted), readingOf(found))) {
            changes.push_back(changesSizeOrSealing(difference.feature));
        }
        return changes;
    };
    EXPECT_EQ(kindsOf("6205-2RS", "6205-2Z"), std::vector<bool>{true});
    EXPECT_EQ(kindsOf("6205", "6205 N"), std::vector<bool>{true});
    EXPECT_EQ(kindsOf("22205 K", "22205"), std::vector<bool>{true});
    EXPECT_EQ(kindsOf("6205/C3", "6205/P6"), (std::vector<bool>{false, false}));
    EXPECT_EQ(kindsOf("NU205EM", "NU205E"), std::vector<bool>{false});
}

class Knowledge : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* newno : {"605-2Z", "605-2Z", "605-2Z", "6052-Z", "6032-RS", "603-2RS/C3",
                                  "6205-2RS", "N 205", "N205", "618/8", "688"}) {
            const Reading reading = readingOf(newno);
            knowledge_.countRow(knowledge_.hold(reading, canonicalDesignation(reading)));
        }
        auto pair = [&](const char* old, const char* newno) {
            knowledge_.pairOldCode(old, newno, canonicalDesignation(readingOf(newno)));
        };
        pair("180205", "6205-2RS");
        pair("2205", "N 205");
        pair("2205", "N205");
        pair("1000088", "618/8");
        pair("1000088", "688");
        pair("6205-2RS", "6205-2RS");  // no old code: the same text
        pair("ABC", "6205-2RS");       // no old code: no digits
        knowledge_.finish();
    }

    CatalogueKnowledge knowledge_;
};

TEST_F(Knowledge, TheCatalogueChoosesAmongSplitsAndKeepsTheHeldOnes) {
    // Both are held: 605-2Z has more rows and comes first; both stay, labelled.
    const DesignationReadings shield = readDesignation("6052Z", knowledge_);
    ASSERT_EQ(shield.readings.size(), 2u);
    EXPECT_EQ(canonicalDesignation(shield.readings[0]), "605-2Z");
    EXPECT_EQ(canonicalDesignation(shield.readings[1]), "6052-Z");
    EXPECT_FALSE(shield.readings[0].label.empty());
    // KOYO's 6032RSC3: 603-2RS/C3 is held whole, 6032-RS only without the clearance.
    const DesignationReadings koyo = readDesignation("6032RSC3", knowledge_);
    ASSERT_FALSE(koyo.readings.empty());
    EXPECT_EQ(canonicalDesignation(koyo.readings.front()), "603-2RS/C3");
    // Where the catalogue holds neither split, both stay.
    EXPECT_EQ(readDesignation("6082RS", knowledge_).readings.size(), 2u);
    EXPECT_EQ(knowledge_.held(readingOf("605-2Z")).level, CatalogueKnowledge::Held::Designation);
    EXPECT_EQ(knowledge_.held(readingOf("605-2Z")).rows, 3u);
    EXPECT_EQ(knowledge_.held(readingOf("605-2Z/C3")).level,
              CatalogueKnowledge::Held::BasicAndSealing);
    EXPECT_EQ(knowledge_.held(readingOf("605")).level, CatalogueKnowledge::Held::Basic);
    EXPECT_EQ(knowledge_.held(readingOf("6306")).level, CatalogueKnowledge::Held::Nothing);
}

TEST_F(Knowledge, TheCataloguesOwnOldCodesComeFirst) {
    EXPECT_EQ(knowledge_.newDesignationsOf("2205").size(), 1u) << "N 205 and N205 are one";
    EXPECT_TRUE(knowledge_.newDesignationsOf("ABC").empty());
    EXPECT_TRUE(knowledge_.newDesignationsOf("6205-2RS").empty());
    const DesignationReadings code = readDesignation("180205", knowledge_);
    ASSERT_TRUE(code.recognized());
    EXPECT_EQ(code.readings.front().source, ReadingSource::OldCodeCatalogue);
    EXPECT_EQ(canonicalDesignation(code.readings.front()), "6205-2RS");
    // A code the catalogue lacks is worked out by the rules, and says so.
    const DesignationReadings rule = readDesignation("180206", knowledge_);
    ASSERT_TRUE(rule.recognized());
    EXPECT_EQ(rule.readings.front().source, ReadingSource::OldCodeByRule);
    EXPECT_EQ(canonicalDesignation(rule.readings.front()), "6206-2RS");
    // The explanation quotes the catalogue's old code of a designation.
    EXPECT_EQ(knowledge_.oldCodeOf("688"), "1000088");
    const ReadingExplanation explanation = explainReading(readingOf("688"), &knowledge_);
    EXPECT_EQ(explanation.oldCode, "1000088");
    EXPECT_EQ(explanation.oldCodeSource, "目录");
}

}  // namespace
}  // namespace lz::designation
