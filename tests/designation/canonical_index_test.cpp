// The grouped lookup: the same bearing, the same size and sealing, the same size; on a few
// rows written here and on the shipped catalogue.
#include "designation/canonical_index.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "catalogue/catalogue_database.h"
#include "designation/canonical_designation.h"
#include "designation/read_designation.h"
#include "tests/designation/shipped_catalogue.h"
#include "tests/support/damaged_catalogue.h"
#include "tests/support/temp_dir.h"

namespace lz::designation {
namespace {

using Ids = std::vector<std::int32_t>;

const std::vector<DesignationRow> kRows = {
    {1, "6205-2RS", "180205", "6205DDU"},
    {2, "6205-2RS", "180205", "6205LLU"},
    {3, "6205-2RS", "", "6205-2RSH"},
    {4, "6205-2RS/C3", "", "6205DDUC3"},
    {5, "6205-2Z", "80205", "6205ZZ"},
    {6, "6205", "205", "6205"},
    {7, "NU 205 E", "32205E", "NU 205 ECP"},
    {8, "NU205E", "", "NU205ET"},
    {9, "NU205EM", "", "NU205EM"},
    {10, "NU 205 EM", "", "NU 205 ECM"},
    {11, "", "X1", "ABC 1"},
    {12, "605-2Z", "80015", "605ZZ"},
    {13, "6052-Z", "60152", "6052-Z"},
    {14, "2205", "1505", "2205"},
    {15, "N 205", "2205", "N205"},
    {16, "6205 NR", "150205", "6205NR"},
    {17, "XYZ 1", "", "XYZ1"},
    {18, "XYZ 1", "", "XYZ-1 B"},
};

Ids bhIn(const GroupedLookup& found, LookupGroup group) {
    Ids bh;
    for (const LookupEntry& entry : found.entries) {
        if (entry.group == group) {
            bh.push_back(entry.bh);
        }
    }
    return bh;
}

std::string differenceOf(const GroupedLookup& found, std::int32_t bh) {
    for (const LookupEntry& entry : found.entries) {
        if (entry.bh == bh) {
            return entry.difference;
        }
    }
    return "<not found>";
}

// Groups come in order 1, 2, 3 and no row twice.
void expectWellFormed(const GroupedLookup& found, const std::string& what) {
    std::set<std::int32_t> seen;
    int lastGroup = 1;
    for (const LookupEntry& entry : found.entries) {
        EXPECT_TRUE(seen.insert(entry.bh).second) << what << ": " << entry.bh << " twice";
        EXPECT_GE(static_cast<int>(entry.group), lastGroup) << what;
        lastGroup = static_cast<int>(entry.group);
        EXPECT_EQ(entry.difference.empty(), entry.group == LookupGroup::SameBearing) << what;
    }
}

TEST(CanonicalIndex, TheSameBearingThenTheSameSealingThenTheSameSize) {
    const CanonicalIndex index(kRows);
    const GroupedLookup found = index.lookup("6205-2RS1");
    expectWellFormed(found, "6205-2RS1");
    EXPECT_EQ(bhIn(found, LookupGroup::SameBearing), (Ids{1, 2, 3}));
    EXPECT_EQ(bhIn(found, LookupGroup::SameBasicAndSealing), (Ids{4}));
    EXPECT_EQ(differenceOf(found, 4), "游隙 普通 → C3");
    // Other seals of the same size; the snap ring makes one difference more.
    const Ids sameSize = bhIn(found, LookupGroup::SameSize);
    EXPECT_EQ(std::set<std::int32_t>(sameSize.begin(), sameSize.end()),
              (std::set<std::int32_t>{5, 6, 16}));
    EXPECT_EQ(sameSize.back(), 16);
    EXPECT_EQ(differenceOf(found, 5), "同尺寸，密封不同；密封 -2RS → -2Z");
    EXPECT_EQ(differenceOf(found, 6), "同尺寸，密封不同；密封 -2RS → 开式");
}

TEST(CanonicalIndex, DifferencesSayWhatTheRowHasInstead) {
    const CanonicalIndex index(kRows);
    const GroupedLookup clearance = index.lookup("6205-2RS/C3");
    EXPECT_EQ(bhIn(clearance, LookupGroup::SameBearing), (Ids{4}));
    EXPECT_EQ(differenceOf(clearance, 1), "游隙 C3 → 普通");
    const GroupedLookup brass = index.lookup("NU205EM");
    EXPECT_EQ(bhIn(brass, LookupGroup::SameBearing), (Ids{9, 10}));
    EXPECT_EQ(bhIn(brass, LookupGroup::SameBasicAndSealing), (Ids{7, 8}));
    EXPECT_EQ(differenceOf(brass, 7), "保持架 M → 未注");
}

TEST(CanonicalIndex, OneBearingInAnyMakersSpellingIsOneGroup) {
    const CanonicalIndex index(kRows);
    // SKF's row and NSK's of NU205E, whatever their cages and spaces; the row stamped so first.
    const GroupedLookup skf = index.lookup("NU 205 ECP");
    EXPECT_EQ(bhIn(skf, LookupGroup::SameBearing), (Ids{7, 8}));
    EXPECT_EQ(bhIn(index.lookup("NU205ET"), LookupGroup::SameBearing), (Ids{8, 7}));
    EXPECT_EQ(bhIn(index.lookup("6205LLU"), LookupGroup::SameBearing), (Ids{2, 1, 3}));
    EXPECT_EQ(index.canonicalOfRow(7), "NU205E");
    EXPECT_EQ(index.canonicalOfRow(8), "NU205E");
    // 6205-2RS, 6205-2RS/C3, 6205-2Z, 6205, NU205E, NU205EM, 605-2Z, 6052-Z, 2205, N205 and
    // 6205 NR; "XYZ 1" reads as none.
    EXPECT_EQ(index.groupCount(), 11u);
}

TEST(CanonicalIndex, AmongEqualCountsARowThatLeavesAFeatureUnsaidComesFirst) {
    const CanonicalIndex index(std::vector<DesignationRow>{{1, "22215 CAK", "", "22215 CAK/W33"},
                                                           {2, "22215 K", "", "22215EAKE4"},
                                                           {3, "22215 E", "", "22215 E"}});
    // SKF's 22215 EK: the catalogue has no such row; its 22215 K says nothing of the design,
    // its 22215 CAK says CA.
    const GroupedLookup found = index.lookup("22215 EK");
    EXPECT_EQ(bhIn(found, LookupGroup::SameBasicAndSealing), (Ids{2, 1}));
    EXPECT_EQ(differenceOf(found, 2), "内部结构 E → 未注");
    EXPECT_EQ(differenceOf(found, 1), "内部结构 E → CA");
    EXPECT_EQ(differenceOf(found, 3), "同尺寸；锥孔 K → 圆柱孔");
}

TEST(CanonicalIndex, InterchangeableBearingsOfARow) {
    const CanonicalIndex index(kRows);
    const GroupedLookup nu = index.interchangeable(7);
    expectWellFormed(nu, "row 7");
    EXPECT_EQ(bhIn(nu, LookupGroup::SameBearing), (Ids{7, 8}));
    EXPECT_EQ(bhIn(nu, LookupGroup::SameBasicAndSealing), (Ids{9, 10}));
    EXPECT_TRUE(bhIn(nu, LookupGroup::SameSize).empty());
    EXPECT_EQ(bhIn(index.interchangeable(3), LookupGroup::SameBearing), (Ids{3, 1, 2}));
    // A common designation that reads as none still groups the rows that share it.
    EXPECT_EQ(bhIn(index.interchangeable(18), LookupGroup::SameBearing), (Ids{18, 17}));
    EXPECT_TRUE(index.interchangeable(99).entries.empty());
}

TEST(CanonicalIndex, EveryReadingOfTheTextFindsItsRows) {
    const CanonicalIndex index(kRows);
    // 605-2Z and 6052-Z are both held: both readings are offered, both found.
    const GroupedLookup split = index.lookup("6052Z");
    EXPECT_EQ(split.readings.readings.size(), 2u);
    const Ids both = bhIn(split, LookupGroup::SameBearing);
    EXPECT_EQ(std::set<std::int32_t>(both.begin(), both.end()), (std::set<std::int32_t>{12, 13}));
    // 2205 is a self-aligning ball bearing today and N 205 by its old code.
    const GroupedLookup code = index.lookup("2205");
    ASSERT_EQ(bhIn(code, LookupGroup::SameBearing), (Ids{14, 15}));
    EXPECT_EQ(code.entries[0].reading, 0);
    EXPECT_EQ(code.entries[1].reading, 1);
    EXPECT_EQ(bhIn(index.lookup("180205"), LookupGroup::SameBearing), (Ids{1, 2, 3}));
}

TEST(CanonicalIndex, TheDifferenceColumnNamesAReadingOtherThanTheFirst) {
    const CanonicalIndex index(kRows);
    const auto columnOf = [](const GroupedLookup& found, std::int32_t bh) {
        for (const LookupEntry& entry : found.entries) {
            if (entry.bh == bh) {
                return differenceColumnText(found, entry);
            }
        }
        return std::string("<not found>");
    };
    const GroupedLookup split = index.lookup("6052Z");
    EXPECT_EQ(columnOf(split, 12), "");
    EXPECT_EQ(columnOf(split, 13), "读作 6052-Z");
    const GroupedLookup code = index.lookup("2205");
    EXPECT_EQ(columnOf(code, 14), "");
    EXPECT_EQ(columnOf(code, 15), "读作 N205");
    // One reading: the difference as it stands.
    const GroupedLookup sealed = index.lookup("6205-2RS1");
    EXPECT_EQ(columnOf(sealed, 4), "游隙 普通 → C3");
    EXPECT_EQ(columnOf(sealed, 5), "同尺寸，密封不同；密封 -2RS → -2Z");
}

TEST(CanonicalIndex, FindsEverythingTheKeyIndexFinds) {
    const CanonicalIndex index(kRows);
    const DesignationIndex keys(kRows);
    for (const DesignationRow& row : kRows) {
        for (const std::string& text : {row.newno, row.oldno, row.ckxh}) {
            const GroupedLookup found = index.lookup(text);
            const Ids first = bhIn(found, LookupGroup::SameBearing);
            for (const std::int32_t bh : keys.lookup(text)) {
                EXPECT_NE(std::find(first.begin(), first.end(), bh), first.end())
                    << text << ": " << bh;
            }
        }
    }
    EXPECT_EQ(bhIn(index.lookup("abc1"), LookupGroup::SameBearing), (Ids{11}));
}

// sameBearing is group 1 of a lookup without the rest: the same rows for every text, those
// whose own designation is the text first, and the rows of one common designation under
// one group number.
TEST(CanonicalIndex, SameBearingIsTheFirstGroupOfALookup) {
    const CanonicalIndex index(kRows);
    for (const char* typed : {"6205DDU", "6205 llu", "６２０５－２ＲＳ", "180205", "6052Z", "2205",
                              "NU205E", "abc1", "XYZ 1", "", "9999"}) {
        const Ids group1 = bhIn(index.lookup(typed), LookupGroup::SameBearing);
        const SameBearingRows same = index.sameBearing(typed);
        Ids found;
        for (const SameBearingRow& row : same.rows) {
            found.push_back(row.bh);
        }
        EXPECT_EQ(std::set<std::int32_t>(found.begin(), found.end()),
                  std::set<std::int32_t>(group1.begin(), group1.end()))
            << typed;
        EXPECT_EQ(found.size(), group1.size()) << typed << ": a row twice";
    }
    const SameBearingRows llu = index.sameBearing("6205LLU");
    ASSERT_EQ(llu.rows.size(), 3u);
    EXPECT_EQ(llu.rows[0].bh, 2);
    EXPECT_TRUE(llu.rows[0].ownText);
    EXPECT_FALSE(llu.rows[1].ownText);
    EXPECT_FALSE(llu.rows[2].ownText);
    EXPECT_EQ(llu.rows[1].group, llu.rows[0].group);
    EXPECT_EQ(llu.rows[2].group, llu.rows[0].group);
    // "NU 205 E" and "NU205E" are one bearing; "NU205EM" another.
    const SameBearingRows nu = index.sameBearing("NU205E");
    ASSERT_EQ(nu.rows.size(), 2u);
    EXPECT_EQ(nu.rows[0].group, nu.rows[1].group);
    EXPECT_NE(nu.rows[0].group, index.sameBearing("NU205EM").rows.at(0).group);
    // The two splits of "6052Z" are two bearings, by their readings.
    const SameBearingRows split = index.sameBearing("6052Z");
    ASSERT_EQ(split.rows.size(), 2u);
    EXPECT_NE(split.rows[0].group, split.rows[1].group);
    EXPECT_NE(split.rows[0].reading, split.rows[1].reading);
}

TEST(CanonicalIndex, NothingToReadFindsNothing) {
    const CanonicalIndex index(kRows);
    for (const std::string& typed :
         {std::string(), std::string("  "), std::string("-/"), std::string("9999999999"),
          std::string("'; drop table bearing; --"), std::string(10 * 1024 * 1024, '6'),
          "6205-2RS" + std::string(5000, ' ')}) {
        const GroupedLookup found = index.lookup(typed);
        EXPECT_TRUE(found.entries.empty()) << typed.substr(0, 40);
    }
    EXPECT_EQ(index.lookup("").readings.message, "无法识别的型号");
    EXPECT_EQ(bhIn(index.lookup("6205-2RS" + std::string(300, ' ')), LookupGroup::SameBearing),
              (Ids{1, 2, 3}));
    EXPECT_TRUE(CanonicalIndex(std::vector<DesignationRow>{}).lookup("6205").entries.empty());
}

TEST(CanonicalIndex, NoIndexOfATableThatCannotBeReadWhole) {
    catalogue::CatalogueDatabase closed;
    EXPECT_FALSE(CanonicalIndex::build(closed).has_value());
    lz::test::TempDir dir;
    const std::string path = (dir.path() / "damaged.db").string();
    ASSERT_GT(lz::test::writeCatalogueWithADamagedPage(path, 400), 29);
    catalogue::CatalogueDatabase damaged;
    ASSERT_TRUE(damaged.OpenMdbDatabase(path));
    EXPECT_FALSE(CanonicalIndex::build(damaged).has_value());
}

// ---- The shipped catalogue -------------------------------------------------------------

class CanonicalIndexOnTheCatalogue : public ::testing::Test {
protected:
    static const test::ShippedCatalogue& shipped() { return test::shippedCatalogue(); }
    static const CanonicalIndex& index() { return *shipped().index; }

    // The canonical designation of a row's common designation.
    static std::string canonicalOf(std::int32_t bh) { return index().canonicalOfRow(bh); }

    // Whether the lookup of `typed` lists a row of common designation `newno` in group 1,
    // and its first row is that bearing.
    static void expectFoundFirst(const std::string& typed, const std::string& newno) {
        const GroupedLookup found = index().lookup(typed);
        ASSERT_FALSE(found.entries.empty()) << typed;
        bool listed = false;
        for (const LookupEntry& entry : found.entries) {
            listed = listed || (entry.group == LookupGroup::SameBearing &&
                                shipped().row(entry.bh).newno == newno);
        }
        EXPECT_TRUE(listed) << typed << " does not list " << newno << " in group 1";
        const std::optional<Reading> expected = readAsWritten(newno, nullptr);
        ASSERT_TRUE(expected.has_value()) << newno;
        EXPECT_EQ(canonicalOf(found.entries.front().bh), canonicalDesignation(*expected))
            << typed << " first lists " << shipped().row(found.entries.front().bh).newno;
    }
};

TEST_F(CanonicalIndexOnTheCatalogue, BuildsOverEveryRow) {
    ASSERT_TRUE(shipped().index.has_value());
    EXPECT_EQ(index().rowCount(), 59188u);
    EXPECT_EQ(shipped().database.openRecordSetCount(), 0);
}

TEST_F(CanonicalIndexOnTheCatalogue, TheStampsThatFoundNothingFindTheirBearingFirst) {
    for (const auto& [typed, newno] :
         std::vector<std::pair<std::string, std::string>>{{"6205-2RS1", "6205-2RS"},
                                                          {"62052RS", "6205-2RS"},
                                                          {"6205LLB", "6205-2RZ"},
                                                          {"6205LLUC3", "6205-2RS/C3"},
                                                          {"62052NSE", "6205-2RS"},
                                                          {"6205-2RSR-C3", "6205-2RS/C3"},
                                                          {"6305 DDU", "6305-2RS"},
                                                          {"NJ 205 ECP", "NJ205E"}}) {
        expectFoundFirst(typed, newno);
    }
}

TEST_F(CanonicalIndexOnTheCatalogue, EverySpellingOfTheReferenceFindsItsBearingFirst) {
    for (const auto& [typed, newno] : std::vector<std::pair<std::string, std::string>>{
             // Two contact seals: common, SKF, FAG, NSK, NTN, Nachi, KOYO, NMB.
             {"6205-2RS", "6205-2RS"},
             {"6205-2RSH", "6205-2RS"},
             {"6205-2RSL", "6205-2RS"},
             {"6205 2RSR", "6205-2RS"},
             {"6205DDU", "6205-2RS"},
             {"6205 LLU", "6205-2RS"},
             {"6205LLH", "6205-2RS"},
             {"62052NSL", "6205-2RS"},
             {"6205DD", "6205-2RS"},
             // Two non-contact seals and two shields.
             {"6205-2RZ", "6205-2RZ"},
             {"6205-2BRS", "6205-2RZ"},
             {"6205VV", "6205-2RZ"},
             {"62052NKE", "6205-2RZ"},
             {"62052RD", "6205-2RZ"},
             {"6205-2Z", "6205-2Z"},
             {"6205ZZ", "6205-2Z"},
             {"6205ZZE", "6205-2Z"},
             // One side.
             {"6205-RS1", "6205-RS"},
             {"6205RSR", "6205-RS"},
             {"6205DU", "6205-RS"},
             {"6205LU", "6205-RS"},
             {"6205NSE", "6205-RS"},
             {"6205Z", "6205-Z"},
             // Snap rings.
             {"6205N", "6205 N"},
             {"6205NR", "6205 NR"},
             {"6205ZNR", "6205-ZNR"},
             {"6205ZZNR", "6205-2ZNR"},
             {"6205-2ZNR", "6205-2ZNR"},
             // Clearance, cage and design suffixes.
             {"6205-2RSH/C3", "6205-2RS/C3"},
             {"6205DDUC3", "6205-2RS/C3"},
             {"6205ZZC3", "6205-2Z/C3"},
             {"NU 205 ECP", "NU205E"},
             {"NU205ET", "NU205E"},
             {"NU205-E-TVP2", "NU205E"},
             {"NU205EG", "NU205E"},
             {"NU205R", "NU205E"},
             {"NU 205 ECML", "NU205EM"},
             {"NU205EG1", "NU205EM"},
             {"NU205-E-M1", "NU205EM"},
             {"NU 205 E", "NU205E"},
             // Contact angles and tolerance classes.
             {"7205B", "7205 B"},
             {"7205 BECBP", "7205 B"},
             {"7205C", "7205 C"},
             {"7205 AC", "7205 AC"},
             {"7205 ACD/P4A", "7205 AC/P4"},
             {"B7205-C-T-P4S", "7205 C/P4"},
             {"7205CTYNSULP4", "7205 C/P4"},
             {"30205/P6X", "30205/P6X"},
             // Bore codes and slashes, miniatures, NMB's writing.
             {"6200", "6200"},
             {"6203", "6203"},
             {"62/22", "62/22"},
             {"608", "608"},
             {"618/500", "618/500"},
             {"230/500", "230/500"},
             {"618/5", "685"},
             {"R-1450ZZ", "605-2Z"},
             // Old Chinese codes.
             {"180205", "6205-2RS"},
             {"180207", "6207-2RS"},
             {"36206", "7206 C"},
             {"50205", "6205 N"},
             {"80205", "6205-2Z"},
             {"150205", "6205 NR"},
             {"7205E", "30205"},
             // Other types.
             {"22205 CC", "22205 CC"},
             {"22205 K", "22205 K"},
             {"1205 K", "1205 K"},
             {"51205", "51205"},
             {"NA4905", "NA4905"},
             {"HK2016", "HK2016"},
             {"UCP205", "UCP205"},
             {"16005", "16005"},
             {"61805-2RS", "61805-2RS"}}) {
        expectFoundFirst(typed, newno);
    }
}

TEST_F(CanonicalIndexOnTheCatalogue, GreaseCodesFindTheBearingFirstAmongItsVariants) {
    // The catalogue holds no bearing with a grease code: the bearing without it comes
    // first, among the same size and sealing.
    const GroupedLookup found = index().lookup("6205-2RS1 GJN");
    ASSERT_FALSE(found.entries.empty());
    EXPECT_EQ(found.entries.front().group, LookupGroup::SameBasicAndSealing);
    EXPECT_EQ(shipped().row(found.entries.front().bh).newno, "6205-2RS");
    EXPECT_EQ(found.entries.front().difference, "其他代号 GJN → 未注");
}

TEST_F(CanonicalIndexOnTheCatalogue, InterchangeableListsBothWritingsOfOneDesignation) {
    std::int32_t skf = 0;
    for (const DesignationRow& row : shipped().rows) {
        if (row.ckxh == "NU 205 ECP") {
            skf = row.bh;
        }
    }
    ASSERT_NE(skf, 0);
    const GroupedLookup found = index().interchangeable(skf);
    std::set<std::string> sameBearing;
    for (const LookupEntry& entry : found.entries) {
        if (entry.group == LookupGroup::SameBearing) {
            sameBearing.insert(shipped().row(entry.bh).ckxh);
        }
    }
    EXPECT_EQ(found.entries.front().bh, skf);
    EXPECT_TRUE(sameBearing.contains("NU205ET")) << "NSK's NU205ET";
    EXPECT_TRUE(sameBearing.contains("NU205-E-XL-TVP2")) << "FAG's";
    for (const LookupEntry& entry : found.entries) {
        EXPECT_NE(entry.group, LookupGroup::SameSize);
    }
}

TEST_F(CanonicalIndexOnTheCatalogue, FindsEverythingTheKeyIndexFinds) {
    const DesignationIndex& keys = *shipped().keys;
    int texts = 0;
    for (std::size_t i = 0; i < shipped().rows.size(); i += 37) {
        const DesignationRow& row = shipped().rows[i];
        for (const std::string& text : {row.newno, row.oldno, row.ckxh}) {
            const GroupedLookup found = index().lookup(text);
            std::set<std::int32_t> first;
            for (const LookupEntry& entry : found.entries) {
                if (entry.group == LookupGroup::SameBearing) {
                    first.insert(entry.bh);
                }
            }
            for (const std::int32_t bh : keys.lookup(text)) {
                EXPECT_TRUE(first.contains(bh)) << text << ": " << bh;
            }
            ++texts;
        }
    }
    EXPECT_GT(texts, 4000);
}

}  // namespace
}  // namespace lz::designation
