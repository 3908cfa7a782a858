// The size index: which rows it keeps, and what a measurement finds in it, in which order,
// on a few rows written here and on the shipped catalogue.
#include "query/sizes/size_index.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "catalogue/catalogue_database.h"
#include "catalogue/image/catalogue_image.h"
#include "query/sizes/measurement.h"
#include "query/sizes/size_index_cache.h"
#include "query/sizes/size_texts.h"
#include "tests/support/damaged_catalogue.h"
#include "tests/support/temp_dir.h"

namespace lz::sizes {
namespace {

using Ids = std::vector<std::int32_t>;

Measurement measured(MeasurementInput input) {
    const MeasurementReading reading = readMeasurement(input);
    EXPECT_TRUE(reading.measurement) << input.inner << " " << input.outer;
    return reading.measurement.value_or(Measurement{});
}

// One group as a test states it: d × D × B in millimetres and the rows.
struct Expected {
    std::string nominal;
    std::size_t rows;
    std::int32_t firstBh;
};

std::string nominalOf(const SizeGroup& group) {
    return millimetreText(group.nominal.inner) + " × " + millimetreText(group.nominal.outer) +
           " × " + millimetreText(group.nominal.width);
}

void expectGroups(const SizeSearch& search, const std::vector<Expected>& expected) {
    ASSERT_EQ(search.groups.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const SizeGroup& group = search.groups[i];
        EXPECT_EQ(nominalOf(group), expected[i].nominal) << "group " << i;
        EXPECT_EQ(group.bh.size(), expected[i].rows) << expected[i].nominal;
        ASSERT_FALSE(group.bh.empty());
        EXPECT_EQ(group.bh.front(), expected[i].firstBh) << expected[i].nominal;
    }
}

const std::vector<SizeRow> kRows = {
    {1, "25", "52", "15", "深沟球轴承"},
    {2, "25.000", "52.0", "15", "深沟球轴承"},  // the same nominal size, written otherwise
    {3, "25", "52", "15", "角接触球轴承"},
    {4, "24.981", "52", "15.011", "圆锥滚子轴承"},
    {5, "0", "31.991", "10.008", "圆锥滚子轴承"},  // an inch cup without a bore
    {6, "", "", "", ""},
    {7, "abc", "10", "5", "其它"},
    {8, "-1", "10", "5", "其它"},
    {9, "1e300", "10", "5", "其它"},
    {10, "34.925", "72.233", "25.4", "圆锥滚子轴承"},
    {11, "35", "72", "17", ""},
    {12, "35", "72", "17", "深沟球轴承"},
    {13, "25", "52", "18", "深沟球轴承"},
};

TEST(SizeIndex, KeepsRowsWithThreePositiveSizesAndCountsTheRest) {
    const SizeIndex index(kRows);
    EXPECT_EQ(index.rowCount(), 8u);
    EXPECT_EQ(index.leftOutCount(), 5u);
    EXPECT_EQ(index.sizeCount(), 5u);
    // "其它" only on rows left out.
    EXPECT_EQ(index.types(),
              (std::vector<std::string>{"深沟球轴承", "角接触球轴承", "圆锥滚子轴承"}));
    EXPECT_TRUE(index.hasType("圆锥滚子轴承"));
    EXPECT_FALSE(index.hasType(""));
    EXPECT_FALSE(index.hasType("全部"));
}

TEST(SizeIndex, FindsEveryRowWithinToleranceGroupedByNominalSize) {
    const SizeIndex index(kRows);
    const SizeSearch search = index.search(measured({"24.98", "52.02", "15"}));
    EXPECT_TRUE(search.withinTolerance);
    // Both lie 0.2 of a tolerance off at most; the size with more rows comes first.
    expectGroups(search, {{"25 × 52 × 15", 3, 1}, {"24.981 × 52 × 15.011", 1, 4}});
    EXPECT_EQ(search.groups[0].bh, (Ids{1, 2, 3}));
    EXPECT_EQ(search.groups[0].deviation, (SizeDeviation{-200, 200, 0}));
    EXPECT_EQ(search.groups[1].deviation, (SizeDeviation{-10, 200, -110}));

    // Without the width 25 × 52 × 18 joins them, as near by its largest deviation but
    // rarer than 25 × 52 × 15, and further off than 24.981 × 52 by the sum of both.
    expectGroups(index.search(measured({"24.98", "52.02"})),
                 {{"25 × 52 × 15", 3, 1}, {"24.981 × 52 × 15.011", 1, 4}, {"25 × 52 × 18", 1, 13}});
    // A bore measured nearer to the inch series puts it first.
    expectGroups(index.search(measured({"24.985", "52", "15"})),
                 {{"24.981 × 52 × 15.011", 1, 4}, {"25 × 52 × 15", 3, 1}});
}

TEST(SizeIndex, ToleranceBoundsCountAsInside) {
    const SizeIndex index(kRows);
    // 24.9, 52.1 and 15.2 lie exactly one tolerance off 25 × 52 × 15.
    expectGroups(index.search(measured({"24.9", "52.1", "15.2"})),
                 {{"25 × 52 × 15", 3, 1}, {"24.981 × 52 × 15.011", 1, 4}});
    // 25.1001 lies beyond it, and further still from 24.981.
    EXPECT_FALSE(index.search(measured({"25.1001", "52", "15"})).withinTolerance);
    expectGroups(index.search(measured({"25.1001", "52", "15", {}, "0.2"})),
                 {{"25 × 52 × 15", 3, 1}, {"24.981 × 52 × 15.011", 1, 4}});
}

TEST(SizeIndex, TypeNarrowsTheRowsAndTheSizes) {
    const SizeIndex index(kRows);
    expectGroups(index.search(measured({"35", "72", "", {}, "", "", "深沟球轴承"})),
                 {{"35 × 72 × 17", 1, 12}});
    expectGroups(index.search(measured({"35", "72", "", {}, "", "", "全部"})),
                 {{"35 × 72 × 17", 2, 11}});
    expectGroups(index.search(measured({"25", "52", "15", {}, "", "", "角接触球轴承"})),
                 {{"25 × 52 × 15", 1, 3}});
    const SizeSearch unknown = index.search(measured({"35", "72", "", {}, "", "", "非标轴承"}));
    EXPECT_FALSE(unknown.withinTolerance);
    EXPECT_TRUE(unknown.groups.empty());
}

TEST(SizeIndex, NothingWithinToleranceListsTheNearestRows) {
    const SizeIndex index(kRows);
    const SizeSearch search = index.search(measured({"30", "60"}));
    EXPECT_FALSE(search.withinTolerance);
    // Every indexed row, fewer than twenty, nearest size first: 25 × 52 lies 8/0.1 off,
    // 24.981 × 52 as far on D but rarer, 34.925 × 72.233 and 35 × 72 12-odd/0.1.
    expectGroups(search, {{"25 × 52 × 15", 3, 1},
                          {"25 × 52 × 18", 1, 13},
                          {"24.981 × 52 × 15.011", 1, 4},
                          {"35 × 72 × 17", 2, 11},
                          {"34.925 × 72.233 × 25.4", 1, 10}});
}

TEST(SizeIndex, BuildFailsWholeWhenTheTableCannotBeRead) {
    catalogue::CatalogueDatabase unconnected;
    EXPECT_FALSE(SizeIndex::build(unconnected));
    // A page of the table unreadable part way: no index rather than one missing rows.
    test::TempDir dir;
    const std::string path = (dir.path() / "damaged.db").string();
    ASSERT_GT(test::writeCatalogueWithADamagedPage(path, 2000), 0);
    catalogue::CatalogueDatabase damaged;
    ASSERT_TRUE(damaged.OpenMdbDatabase(path));
    EXPECT_FALSE(SizeIndex::build(damaged));
}

TEST(SizeIndexCache, OneIndexPerConnection) {
    test::TempDir dir;
    const std::string shipped = (dir.path() / "bearing.mdb").string();
    {
        const auto image = catalogue::catalogueImage();
        std::ofstream file(shipped, std::ios::binary);
        file.write(reinterpret_cast<const char*>(image.data()),
                   static_cast<std::streamsize>(image.size()));
        ASSERT_TRUE(file);
    }
    const std::string damaged = (dir.path() / "damaged.db").string();
    ASSERT_GT(test::writeCatalogueWithADamagedPage(damaged, 2000), 0);

    catalogue::CatalogueDatabase database;
    EXPECT_EQ(sizeIndexOf(database), nullptr);  // not connected
    ASSERT_TRUE(database.OpenMdbDatabase(shipped));
    const SizeIndex* first = sizeIndexOf(database);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->rowCount(), 58'963u);
    EXPECT_EQ(sizeIndexOf(database), first);

    // Another catalogue on a new connection gets an index of its own: none for one that
    // cannot be read, and nothing of the last one is kept.
    ASSERT_TRUE(database.OpenMdbDatabase(damaged));
    EXPECT_EQ(sizeIndexOf(database), nullptr);
    ASSERT_TRUE(database.OpenMdbDatabase(shipped));
    ASSERT_NE(sizeIndexOf(database), nullptr);
    EXPECT_EQ(sizeIndexOf(database)->rowCount(), 58'963u);
}

// The shipped catalogue: expected rows read off assets/catalogue.sql.
class ShippedSizes : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        catalogue::CatalogueDatabase database;
        ASSERT_TRUE(database.openImage(catalogue::catalogueImage()));
        index_ = new SizeIndex(*SizeIndex::build(database));
    }
    static void TearDownTestSuite() {
        delete index_;
        index_ = nullptr;
    }
    static const SizeIndex& index() { return *index_; }

private:
    static inline SizeIndex* index_ = nullptr;
};

TEST_F(ShippedSizes, IndexesAllButTheRowsWithoutSizes) {
    // 70 rows have no sizes at all, 155 a bore of 0 (inch cups and housings).
    EXPECT_EQ(index().rowCount(), 58'963u);
    EXPECT_EQ(index().leftOutCount(), 225u);
    // Of the 23 types only 轴承座 is missing: housings have no bore.
    EXPECT_EQ(index().types().size(), 22u);
    EXPECT_FALSE(index().hasType("轴承座"));
    EXPECT_TRUE(index().hasType("薄壁轴承"));
}

TEST_F(ShippedSizes, AWorn6205FindsItsNominalSizeFirst) {
    const Measurement m = measured({"24.98", "52.02", "15"});
    const SizeSearch search = index().search(m);
    EXPECT_TRUE(search.withinTolerance);
    expectGroups(search, {{"25 × 52 × 15", 306, 463}, {"24.981 × 52 × 15.011", 1, 46123}});
    EXPECT_EQ(deviationText(m, search.groups[0]), "d -0.020, D +0.020, B 0.000 mm");
    EXPECT_EQ(deviationText(m, search.groups[1]), "d -0.001, D +0.020, B -0.011 mm");
}

TEST_F(ShippedSizes, InchAndMetricSizesCloseTogetherAreToldApart) {
    // 1-3/8 × 2-27/32 × 1 in: the cone and cup HM88649/HM88610 and nothing else.
    const Measurement inches = measured({"1-3/8", "2-27/32", "1", LengthUnit::Inch});
    const SizeSearch inch = index().search(inches);
    expectGroups(inch, {{"34.925 × 72.233 × 25.4", 1, 46134}});
    EXPECT_TRUE(inch.groups[0].inch);
    EXPECT_EQ(nominalHeading(inch.groups[0]),
              "34.925 × 72.233 × 25.4 mm（英制 1-3/8 × 2-27/32 × 1 in）");
    EXPECT_EQ(deviationText(inches, inch.groups[0]), "d 0.0000, D -0.0001, B 0.0000 in，英制");

    // 34.93 × 72 lies nearest an inch bore on a metric cup, then the metric 35 × 72 sizes,
    // the commoner first, then the inch 34.976 × 72.085.
    expectGroups(index().search(measured({"34.93", "72"})),
                 {{"34.976 × 71.996 × 19.002", 1, 57113},
                  {"35 × 72 × 17", 297, 480},
                  {"35 × 72 × 23", 121, 3863},
                  {"35 × 72 × 42.9", 79, 8397},
                  {"35 × 72 × 18.25", 24, 6633},
                  {"35 × 72 × 24.25", 21, 6832},
                  {"35 × 72 × 15", 12, 7593},
                  {"35 × 72 × 28", 6, 13715},
                  {"35 × 72 × 29", 1, 44978},
                  {"34.976 × 72.085 × 22.385", 1, 7020}});

    // One inch bore on 52 mm against the metric 25 × 52.
    expectGroups(index().search(measured({"25.4", "52"})),
                 {{"25.4 × 52 × 15.011", 1, 13711}, {"25.4 × 51.986 × 15.011", 1, 13710}});
    const SizeSearch metric = index().search(measured({"25", "52"}));
    expectGroups(metric, {{"25 × 52 × 15", 306, 463},
                          {"25 × 52 × 18", 139, 3855},
                          {"25 × 52 × 34.1", 49, 8392},
                          {"25 × 52 × 16.25", 18, 6626},
                          {"25 × 52 × 19.25", 17, 6826},
                          {"25 × 52 × 25", 10, 30315},
                          {"25 × 52 × 22", 9, 6999},
                          {"24.981 × 52 × 15.011", 1, 46123}});
    // Each of 25 × 52 × 25 lies within 0.01 mm of a 64th, but whole millimetres are metric.
    for (const SizeGroup& group : metric.groups) {
        EXPECT_FALSE(group.inch) << nominalOf(group);
    }
}

TEST_F(ShippedSizes, TypeAndNearestRows) {
    expectGroups(index().search(measured({"35", "72", "", {}, "", "", "深沟球轴承"})),
                 {{"35 × 72 × 17", 64, 480}});
    const SizeSearch nearest = index().search(measured({"27.5", "61.3", "9"}));
    EXPECT_FALSE(nearest.withinTolerance);
    EXPECT_EQ(nearest.rowCount(), 20u);
    // B is off by far the most relative to its tolerance: 14.684 is nearer 9 than 15.
    // 30 × 62 × 15 and 25 × 62 × 15 tie at 6/0.2; the first has 17 rows, the second 14,
    // of which the last two of the twenty are shown.
    expectGroups(nearest, {{"30.162 × 58.738 × 14.684", 1, 29268},
                           {"30 × 62 × 15", 17, 7587},
                           {"25 × 62 × 15", 2, 7581}});
    EXPECT_TRUE(nearest.groups[0].inch);
}

}  // namespace
}  // namespace lz::sizes
