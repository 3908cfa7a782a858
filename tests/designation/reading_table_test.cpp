// Readings of designations as they are stamped and typed, feature by feature. The
// expected writings come from the makers' conventions and the old-code rules of the
// designation references, typed here; where a maker's fact and the catalogue's grouping
// disagree, the catalogue's rows decided and the case says which.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "designation/canonical_designation.h"
#include "designation/old_codes.h"
#include "designation/read_designation.h"

namespace lz::designation {
namespace {

struct Case {
    const char* text;
    const char* canonical;  // of the first reading
};

std::string firstCanonical(const char* text) {
    const DesignationReadings read = readDesignation(text);
    if (!read.recognized()) {
        return "<" + read.message + ">";
    }
    return canonicalDesignation(read.readings.front());
}

void expectFirstReadings(const std::vector<Case>& cases) {
    for (const Case& c : cases) {
        EXPECT_EQ(firstCanonical(c.text), c.canonical) << c.text;
    }
}

Reading firstReading(const char* text) {
    const DesignationReadings read = readDesignation(text);
    EXPECT_TRUE(read.recognized()) << text;
    return read.recognized() ? read.readings.front() : Reading();
}

TEST(Readings, ContactSealsOfEveryMaker) {
    expectFirstReadings({
        {"6205-2RS", "6205-2RS"},   {"6205-2RS1", "6205-2RS"},     {"6205-2RSH", "6205-2RS"},
        {"6205-2RSL", "6205-2RS"},  {"6205-2RSR", "6205-2RS"},     {"6205DDU", "6205-2RS"},
        {"6205LLU", "6205-2RS"},    {"6205LLH", "6205-2RS"},       {"6205-2NSE", "6205-2RS"},
        {"6205-2NSL", "6205-2RS"},  {"6205 2RS", "6205-2RS"},      {"6205DD", "6205-2RS"},
        {"6205PP", "6205-2RS"},     {"6205-RS1", "6205-RS"},       {"6205-RSH", "6205-RS"},
        {"6205-RSR", "6205-RS"},    {"6205DU", "6205-RS"},         {"6205LU", "6205-RS"},
        {"6205NSE", "6205-RS"},     {"6205RS", "6205-RS"},         {"6205D", "6205-RS"},
        {"NA4905UU", "NA4905-2RS"}, {"NA4905-2RSR", "NA4905-2RS"}, {"1205LLU", "1205-2RS"},
    });
    EXPECT_EQ(basicAndSealingKey(firstReading("1205 E-2RS1TN9")),
              basicAndSealingKey(firstReading("1205-2RS")));
    const Reading both = firstReading("6205-2RS1");
    EXPECT_EQ(both.sealing[0], SideSealing::ContactSeal);
    EXPECT_EQ(both.sealing[1], SideSealing::ContactSeal);
    const Reading one = firstReading("6205DU");
    EXPECT_EQ(one.sealing[0], SideSealing::ContactSeal);
    EXPECT_EQ(one.sealing[1], SideSealing::Open);
}

TEST(Readings, NonContactSealsAndShieldsOfEveryMaker) {
    expectFirstReadings({
        {"6205-2RZ", "6205-2RZ"},
        {"6205-2BRS", "6205-2RZ"},
        {"6205VV", "6205-2RZ"},
        {"6205LLB", "6205-2RZ"},
        {"6205-2NKE", "6205-2RZ"},
        {"6205-2RD", "6205-2RZ"},
        {"6205-RZ", "6205-RZ"},
        {"6205-BRS", "6205-RZ"},
        {"6205V", "6205-RZ"},
        {"6205LB", "6205-RZ"},
        {"6205NKE", "6205-RZ"},
        {"6205RD", "6205-RZ"},
        {"6205-2Z", "6205-2Z"},
        {"6205ZZ", "6205-2Z"},
        {"6205ZZE", "6205-2Z"},
        {"6205Z", "6205-Z"},
        {"6205-Z", "6205-Z"},
        {"6205ZE", "6205-Z"},
    });
    const Reading shields = firstReading("6205ZZ");
    EXPECT_EQ(shields.sealing[0], SideSealing::Shield);
    EXPECT_EQ(shields.sealing[1], SideSealing::Shield);
    EXPECT_EQ(firstReading("6205VV").sealing[1], SideSealing::NonContactSeal);
}

TEST(Readings, SnapRingsAloneAndWithShields) {
    expectFirstReadings({
        {"6205N", "6205 N"},
        {"6205 NR", "6205 NR"},
        {"6205-NR", "6205 NR"},
        {"6205NR", "6205 NR"},
        {"6205ZN", "6205-ZN"},
        {"6205ZNR", "6205-ZNR"},
        {"6205-ZNR", "6205-ZNR"},
        {"6205ZZNR", "6205-2ZNR"},
        {"6205-2ZNR", "6205-2ZNR"},
        {"6205-2ZN", "6205-2ZN"},
    });
    const Reading ring = firstReading("6205-2ZNR");
    EXPECT_EQ(ring.snapRing, SnapRing::GrooveAndRing);
    EXPECT_EQ(ring.sealing[0], SideSealing::Shield);
    EXPECT_EQ(firstReading("6205N").snapRing, SnapRing::Groove);
}

TEST(Readings, RadialClearance) {
    expectFirstReadings({
        {"6205C3", "6205/C3"},
        {"6205-C3", "6205/C3"},
        {"6205 C3", "6205/C3"},
        {"6205/C4", "6205/C4"},
        {"6205C2", "6205/C2"},
        {"6205/C5", "6205/C5"},
        {"6205C1", "6205/C1"},
        {"6205/CN", "6205"},
        {"6205 C0", "6205"},
        {"6205DDUC3", "6205-2RS/C3"},
        {"6205-2RSR-C3", "6205-2RS/C3"},
        {"6205LLUC3", "6205-2RS/C3"},
        {"6205-2NSE C3", "6205-2RS/C3"},
        {"6205-2RSH/C3", "6205-2RS/C3"},
        {"NU205ETC3", "NU205E/C3"},
    });
    // NSK's and KOYO's motor clearance is read but, as the catalogue's common
    // designations do, not written.
    const Reading motor = firstReading("6205ZZCM");
    EXPECT_EQ(motor.clearance, Clearance::CM);
    EXPECT_EQ(canonicalDesignation(motor), "6205-2Z");
    EXPECT_EQ(firstReading("6205C3").clearance, Clearance::C3);
}

TEST(Readings, ToleranceClasses) {
    expectFirstReadings({
        {"6205P6", "6205/P6"},
        {"6205-P6", "6205/P6"},
        {"6205/P5", "6205/P5"},
        {"30205/P6X", "30205/P6X"},
        {"7205 C/P4", "7205 C/P4"},
        {"51205P5", "51205/P5"},
        {"6205/P2", "6205/P2"},
        {"6205/P0", "6205"},
    });
    EXPECT_EQ(firstReading("6205-P6").tolerance, Tolerance::P6);
    EXPECT_EQ(firstReading("30205/P6X").tolerance, Tolerance::P6X);
}

TEST(Readings, CagesOfEveryMaker) {
    struct CageCase {
        const char* text;
        CageKind kind;
    };
    // Machined brass: M, MA, MB; pressed steel: J (NSK: W); polyamide: TN9, TVP, NSK's T.
    for (const CageCase& c : std::vector<CageCase>{{"NU205EM", CageKind::MachinedBrass},
                                                   {"NU 205 ECM", CageKind::MachinedBrass},
                                                   {"22205 CAMA", CageKind::MachinedBrass},
                                                   {"22205-MB", CageKind::MachinedBrass},
                                                   {"NU 205 ECJ", CageKind::PressedSteel},
                                                   {"NU205EW", CageKind::PressedSteel},
                                                   {"1205 ETN9", CageKind::Polyamide},
                                                   {"NU205-E-TVP2", CageKind::Polyamide},
                                                   {"NU205ET", CageKind::Polyamide},
                                                   {"NU 205 ECP", CageKind::Polyamide},
                                                   {"6205 Y", CageKind::PressedBrass},
                                                   {"NU205E", CageKind::Unspecified}}) {
        EXPECT_EQ(firstReading(c.text).cage, c.kind) << c.text;
    }
    // The catalogue writes a cylindrical roller bearing's cage when it is of brass only:
    // the polyamide and steel cages of SKF, NSK, NTN and FAG are all its "NU205E".
    expectFirstReadings({
        {"NU 205 ECP", "NU205E"},
        {"NU205ET", "NU205E"},
        {"NU205ET2", "NU205E"},
        {"NU205-E-TVP2", "NU205E"},
        {"NU 205 ECJ", "NU205E"},
        {"NU205EW", "NU205E"},
        {"NU 205 ECML", "NU205EM"},
        {"NU205-E-M1", "NU205EM"},
        {"NU205EG1", "NU205EM"},
        {"NJ 205 ECP", "NJ205E"},
    });
}

TEST(Readings, ContactAnglesAndInternalDesign) {
    struct DesignCase {
        const char* text;
        const char* design;
    };
    for (const DesignCase& c : std::vector<DesignCase>{
             {"7205C", "C"},
             {"7205 AC", "AC"},
             {"7205B", "B"},
             {"7205 C/P4", "C"},
             {"NU205E", "E"},
             {"N 1005 E", "E"},
             {"22205 CC", "CC"},
             {"22205 CA", "CA"},
             {"22205 E", "E"},
             {"22205 CAK", "CA"},
             {"1205 E", "E"},
             // NTN's A: the catalogue files its rows (71800A and others) under AC.
             {"7205A", "AC"}}) {
        EXPECT_EQ(firstReading(c.text).design, c.design) << c.text;
    }
    EXPECT_EQ(firstCanonical("7205C"), "7205 C");
    EXPECT_EQ(firstCanonical("7205 AC"), "7205 AC");
}

TEST(Readings, BoreAndRing) {
    const Reading taper = firstReading("22205 CCK/W33");
    EXPECT_EQ(taper.taperedBore, "K");
    EXPECT_TRUE(taper.lubricationGroove);
    EXPECT_EQ(firstReading("24122 CCK30").taperedBore, "K30");
    // NSK writes the lubrication groove E4, NTN D1.
    EXPECT_TRUE(firstReading("22205 CE4").lubricationGroove);
    EXPECT_TRUE(firstReading("22205EAD1").lubricationGroove);
    const Reading sleeve = firstReading("1205 K+H");
    EXPECT_EQ(sleeve.taperedBore, "K");
    EXPECT_TRUE(sleeve.adapterSleeve);
    expectFirstReadings(
        {{"1205K+H", "1205 K+H"}, {"22205 K", "22205 K"}, {"22205/W33", "22205/W33"}});
}

TEST(Readings, GreaseNoiseAndHeatCodesAreKeptAsWritten) {
    const Reading grease = firstReading("6205-2RS1 GJN");
    EXPECT_EQ(grease.otherCodes, std::vector<std::string>{"GJN"});
    EXPECT_EQ(basicAndSealingKey(grease), basicAndSealingKey(firstReading("6205-2RS")));
    expectFirstReadings({
        {"6205-2RS1 GJN", "6205-2RS GJN"},
        {"6205-2Z/C3 LHT23", "6205-2Z/C3 LHT23"},
        {"6205-2RS1/C3VT143", "6205-2RS/C3 VT143"},
        {"6205 S1", "6205 S1"},
        {"6205-2Z V1", "6205-2Z V1"},
    });
}

TEST(Readings, Prefixes) {
    const Reading stainless = firstReading("S6205-2Z");
    EXPECT_EQ(stainless.prefix, "S");
    EXPECT_EQ(stainless.basic.text, "6205");
    EXPECT_EQ(firstReading("SS6205").prefix, "S");
    // NMB names its miniatures by outer diameter and bore: R-1450ZZ is 605ZZ.
    EXPECT_EQ(firstCanonical("R-1450ZZ"), "605-2Z");
}

TEST(Readings, BoreCodes) {
    struct BoreCase {
        const char* text;
        const char* basic;
        double mm;
    };
    for (const BoreCase& c :
         std::vector<BoreCase>{{"6200", "6200", 10},
                               {"6201", "6201", 12},
                               {"6202", "6202", 15},
                               {"6203", "6203", 17},
                               {"6204", "6204", 20},
                               {"6205", "6205", 25},
                               {"6296", "6296", 480},
                               {"62/22", "62/22", 22},
                               {"60/28", "60/28", 28},
                               {"63/32", "63/32", 32},
                               {"608", "608", 8},
                               {"629", "629", 9},
                               {"618/500", "618/500", 500},
                               {"230/500", "230/500", 500},
                               {"511/530", "511/530", 530},
                               {"NU205", "NU205", 25},
                               {"NU1004", "NU1004", 20},
                               {"N 1005", "N1005", 25},
                               {"61805", "61805", 25},
                               {"16005", "16005", 25},
                               {"22205", "22205", 25},
                               {"2205", "2205", 25},
                               {"30205", "30205", 25},
                               {"51205", "51205", 25},
                               {"UC205", "UC205", 25},
                               {"NA4905", "NA4905", 25},
                               {"GE20ES", "GE20", 20},
                               // 68x is 618/x and 69x is 619/x: one bearing, two writings.
                               {"618/5", "685", 5},
                               {"685", "685", 5},
                               {"619/8", "698", 8}}) {
        const Reading reading = firstReading(c.text);
        EXPECT_EQ(reading.basic.text, c.basic) << c.text;
        ASSERT_TRUE(reading.basic.boreMm.has_value()) << c.text;
        EXPECT_DOUBLE_EQ(*reading.basic.boreMm, c.mm) << c.text;
    }
}

TEST(Readings, OneBearingWrittenTwoWaysHasOneCanonicalDesignation) {
    for (const auto& [a, b] :
         std::vector<std::pair<const char*, const char*>>{{"NU 205 E", "NU205E"},
                                                          {"N 1005 E", "N1005E"},
                                                          {"NU 205 EM", "NU205EM"},
                                                          {"618/6-2Z", "686-2Z"},
                                                          {"6205 llu", "６２０５ＬＬＵ"},
                                                          {"62/22", "62 / 22"},
                                                          {"NSK 6205DDU", "6205DDU"},
                                                          {"6205DDU 轴承", "6205-2RS"}}) {
        EXPECT_EQ(firstCanonical(a), firstCanonical(b)) << a << " / " << b;
    }
    for (const auto& [a, b] :
         std::vector<std::pair<const char*, const char*>>{{"605-2Z", "6052-Z"},
                                                          {"62/22", "6222"},
                                                          {"6205-2RS", "6205-2RZ"},
                                                          {"6205Z", "6205ZZ"},
                                                          {"6205-2RS", "6205-2RS/C3"}}) {
        EXPECT_NE(firstCanonical(a), firstCanonical(b)) << a << " / " << b;
    }
}

TEST(Readings, MissingSeparatorsAreEnumerated) {
    expectFirstReadings({
        {"62052RS", "6205-2RS"},
        {"62052NSE", "6205-2RS"},
        {"63052RSC3", "6305-2RS/C3"},
        {"12052NS", "1205-2RS"},
        {"NA49052RS", "NA4905-2RS"},
        {"619/6302RS", "619/630-2RS"},
        // A pair of shields written ZZ leaves the 2 with the bore: 6332 = 160 mm.
        {"6332ZZ", "6332-2Z"},
    });
    const DesignationReadings both = readDesignation("6052Z");
    ASSERT_EQ(both.readings.size(), 2u);
    std::vector<std::string> canonicals;
    for (const Reading& reading : both.readings) {
        canonicals.push_back(canonicalDesignation(reading));
        EXPECT_NE(reading.label.find(canonicals.back()), std::string::npos) << reading.label;
    }
    EXPECT_NE(std::find(canonicals.begin(), canonicals.end(), "605-2Z"), canonicals.end());
    EXPECT_NE(std::find(canonicals.begin(), canonicals.end(), "6052-Z"), canonicals.end());
    EXPECT_EQ(readDesignation("62052RS").readings.front().source, ReadingSource::SeparatorAssumed);
}

TEST(Readings, OldChineseCodesByTheRules) {
    expectFirstReadings({
        {"180205", "6205-2RS"}, {"180207", "6207-2RS"}, {"36206", "7206 C"},
        {"205", "6205"},        {"105", "6005"},        {"305", "6305"},
        {"405", "6405"},        {"60205", "6205-Z"},    {"80205", "6205-2Z"},
        {"160205", "6205-RS"},  {"50205", "6205 N"},    {"150205", "6205 NR"},
        {"1000805", "61805"},   {"1000905", "61905"},   {"7000105", "16005"},
        {"1000081", "681"},     {"80015", "605-2Z"},    {"17", "607"},
        {"1505", "2205"},       {"42205", "NJ205"},     {"92205", "NUP205"},
        {"12205", "NF205"},     {"3182105", "NN3005"},  {"3505", "22205"},
        {"3605", "22305"},      {"46205", "7205 AC"},   {"66205", "7205 B"},
        {"7205E", "30205"},     {"7305E", "30305"},     {"7505E", "32205"},
        {"7605E", "32305"},     {"27305E", "31305"},    {"2007105E", "32005"},
        {"8205", "51205"},      {"8305", "51305"},      {"8405", "51405"},
        {"8105", "51105"},      {"38205", "52205"},     {"8207", "51207"},
        {"4544905", "NA4905"},  {"53505", "22205/W33"}, {"6-180306", "6306-2RS/P6"},
    });
    const DesignationReadings byRule = readDesignation("180207");
    ASSERT_TRUE(byRule.recognized());
    EXPECT_EQ(byRule.readings.front().source, ReadingSource::OldCodeByRule);
    EXPECT_NE(byRule.readings.front().label.find("按规则推算"), std::string::npos);
    EXPECT_EQ(byRule.readings.front().oldCode, "180207");
}

TEST(Readings, ACodeOfBothKindsReadsNewFirst) {
    for (const auto& [code, asNew, asOld] :
         std::vector<std::tuple<const char*, const char*, const char*>>{
             {"2205", "2205", "N205"},
             {"1205", "1205", "1205"},
             {"7205", "7205", "30205"},
             {"32205", "32205", "NU205"}}) {
        const DesignationReadings read = readDesignation(code);
        ASSERT_TRUE(read.recognized()) << code;
        EXPECT_EQ(canonicalDesignation(read.readings.front()), asNew) << code;
        EXPECT_EQ(read.readings.front().source, ReadingSource::AsWritten) << code;
        bool oldFound = false;
        for (const Reading& reading : read.readings) {
            oldFound = oldFound || canonicalDesignation(reading) == asOld;
        }
        EXPECT_TRUE(oldFound) << code;
    }
}

TEST(Readings, OldCodesOfNewDesignations) {
    for (const auto& [designation, old] :
         std::vector<std::pair<const char*, const char*>>{{"6205-2RS", "180205"},
                                                          {"6205", "205"},
                                                          {"6005", "105"},
                                                          {"6205-2Z", "80205"},
                                                          {"6205 NR", "150205"},
                                                          {"61805", "1000805"},
                                                          {"16005", "7000105"},
                                                          {"683", "1000083"},
                                                          {"605-2Z", "80015"},
                                                          {"7205 C", "36205"},
                                                          {"7205 B", "66205"},
                                                          {"NU205", "32205"},
                                                          {"NU2314E", "32614E"},
                                                          {"NN3005", "3182105"},
                                                          {"22205", "3505"},
                                                          {"22206/W33", "53506"},
                                                          {"2205", "1505"},
                                                          {"30205", "7205E"},
                                                          {"32005", "2007105E"},
                                                          {"51205", "8205"},
                                                          {"52205", "38205"},
                                                          {"NA4905", "4544905"},
                                                          {"6306-2RS/P6", "6-180306"}}) {
        EXPECT_EQ(oldCodeOfReading(firstReading(designation)), old) << designation;
    }
}

}  // namespace
}  // namespace lz::designation
