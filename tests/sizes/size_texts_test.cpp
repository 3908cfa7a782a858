// The texts a search by measured size shows: nominal sizes, inch fractions, deviations, and
// the rows of a listing read from the shipped catalogue.
#include "query/sizes/size_texts.h"

#include <gtest/gtest.h>

#include "catalogue/catalogue_database.h"
#include "catalogue/image/catalogue_image.h"
#include "query/sizes/measured_listing.h"
#include "query/sizes/measurement.h"
#include "query/sizes/size_index.h"

namespace lz::sizes {
namespace {

Measurement measured(MeasurementInput input) {
    const MeasurementReading reading = readMeasurement(input);
    EXPECT_TRUE(reading.measurement) << input.inner << " " << input.outer;
    return reading.measurement.value_or(Measurement{});
}

TEST(SizeTexts, MillimetresAndSixtyFourths) {
    EXPECT_EQ(millimetreText(250'000), "25");
    EXPECT_EQ(millimetreText(349'250), "34.925");
    EXPECT_EQ(millimetreText(150'115), "15.0115");
    EXPECT_EQ(millimetreText(5'000), "0.5");
    EXPECT_EQ(millimetreText(10'900'000'000), "1090000");
    EXPECT_EQ(inchFractionText(349'250), "1-3/8");
    EXPECT_EQ(inchFractionText(722'330), "2-27/32");  // 72.233 mm
    EXPECT_EQ(inchFractionText(254'000), "1");
    EXPECT_EQ(inchFractionText(190'500), "3/4");
    EXPECT_EQ(inchFractionText(79'370), "5/16");    // 7.937 mm
    EXPECT_EQ(inchFractionText(146'840), "37/64");  // 14.684 mm
}

TEST(SizeTexts, DeviationsInTheUnitOfEachSize) {
    SizeGroup group{{250'000, 520'000, 150'000}, {}, false, {463}};
    const auto text = [&](MeasurementInput input) {
        const Measurement m = measured(input);
        group.deviation = deviationFrom(m, group.nominal);
        return deviationText(m, group);
    };
    EXPECT_EQ(text({"24.98", "52.02", "15"}), "d -0.020, D +0.020, B 0.000 mm");
    EXPECT_EQ(text({"24.98", "52.02"}), "d -0.020, D +0.020 mm");
    // Halves of a thousandth round away from zero.
    EXPECT_EQ(text({"25.0005", "51.9995"}), "d +0.001, D -0.001 mm");
    EXPECT_EQ(text({"25.0004", "51.9996"}), "d 0.000, D 0.000 mm");
    // 0.984 in = 24.9936 mm, 2.048 in = 52.0192 mm, 0.59 in = 14.986 mm.
    EXPECT_EQ(text({"0.984", "2.048", "0.59", LengthUnit::Inch}),
              "d -0.0003, D +0.0008, B -0.0006 in");
    EXPECT_EQ(text({"24.98", "2.048in", "15"}), "d -0.020 mm, D +0.0008 in, B 0.000 mm");

    group = {{349'250, 722'330, 254'000}, {}, true, {46134}};
    EXPECT_EQ(text({"34.93", "72.2"}), "d +0.005, D -0.033 mm，英制");
    EXPECT_EQ(nominalHeading(group), "34.925 × 72.233 × 25.4 mm（英制 1-3/8 × 2-27/32 × 1 in）");
    group.inch = false;
    EXPECT_EQ(nominalHeading(group), "34.925 × 72.233 × 25.4 mm");
}

TEST(InchNominal, WholeSixtyFourthsWithinAHundredthButNotWholeMillimetres) {
    EXPECT_TRUE(isInchNominal({349'250, 722'330, 254'000}));   // 1-3/8 × 2-27/32 × 1
    EXPECT_TRUE(isInchNominal({301'620, 587'380, 146'840}));   // 30.162 × 58.738 × 14.684
    EXPECT_FALSE(isInchNominal({249'810, 520'000, 150'110}));  // 24.981: 0.022 off 63/64
    EXPECT_FALSE(isInchNominal({250'000, 520'000, 150'000}));  // 15 is no 64th
    EXPECT_FALSE(isInchNominal({250'000, 520'000, 250'000}));  // each near a 64th, but metric
    // 0.01 mm either side of 1-3/8 in counts; beyond it does not.
    EXPECT_TRUE(isInchNominal({349'350, 722'330, 254'000}));
    EXPECT_TRUE(isInchNominal({349'150, 722'330, 254'000}));
    EXPECT_FALSE(isInchNominal({349'351, 722'330, 254'000}));
}

TEST(MeasuredListing, RowsAsTheBearingListShowsThemThenTheDeviation) {
    catalogue::CatalogueDatabase database;
    ASSERT_TRUE(database.openImage(catalogue::catalogueImage()));
    const std::optional<SizeIndex> index = SizeIndex::build(database);
    ASSERT_TRUE(index);

    const MeasuredListing listing =
        listMeasuredSizes(database, *index, measured({"24.98", "52.02", "15"}));
    EXPECT_TRUE(listing.withinTolerance);
    EXPECT_FALSE(listing.readFailed);
    ASSERT_EQ(listing.groups.size(), 2u);
    EXPECT_EQ(listing.groups[0].heading, "25 × 52 × 15 mm");
    EXPECT_EQ(listing.groups[0].firstRow, 0u);
    EXPECT_EQ(listing.groups[0].rowCount, 306u);
    EXPECT_EQ(listing.groups[1].heading, "24.981 × 52 × 15.011 mm");
    EXPECT_EQ(listing.groups[1].firstRow, 306u);
    ASSERT_EQ(listing.rows.size(), 307u);
    EXPECT_EQ(listing.rows[0],
              (std::vector<std::string>{"463", "NSK 6205 轴承", "6205", "205", "25", "52", "15",
                                        "NSK", "深沟球轴承", "深沟球轴承 （60000 型）",
                                        "d -0.020, D +0.020, B 0.000 mm"}));
    EXPECT_EQ(listing.rows[306],
              (std::vector<std::string>{
                  "46123", "TIMKEN  07098 轴承", "07098", "", "24.981", "52", "15.011", "TIMKEN",
                  "圆锥滚子轴承", "英制圆锥滚子轴承（TS 型）", "d -0.001, D +0.020, B -0.011 mm"}));
    EXPECT_EQ(kMeasuredListHeadings.back(), "偏差");
    EXPECT_EQ(kMeasuredListHeadings.front(), "ID");

    const MeasuredListing nearest =
        listMeasuredSizes(database, *index, measured({"27.5", "61.3", "9"}));
    EXPECT_FALSE(nearest.withinTolerance);
    EXPECT_EQ(nearest.rows.size(), 20u);
    ASSERT_EQ(nearest.groups.size(), 3u);
    EXPECT_EQ(nearest.groups[0].heading,
              "30.162 × 58.738 × 14.684 mm（英制 1-3/16 × 2-5/16 × 37/64 in）");
    EXPECT_TRUE(nearest.groups[0].inch);
    EXPECT_EQ(nearest.rows[0].front(), "29268");
    EXPECT_EQ(nearest.rows[0].back(), "d -2.662, D +2.562, B -5.684 mm，英制");
}

TEST(MeasuredListing, AConnectionLostSinceTheIndexSaysTheListIsIncomplete) {
    catalogue::CatalogueDatabase database;
    ASSERT_TRUE(database.openImage(catalogue::catalogueImage()));
    const std::optional<SizeIndex> index = SizeIndex::build(database);
    ASSERT_TRUE(index);
    database.CloseDatabase();
    const MeasuredListing listing =
        listMeasuredSizes(database, *index, measured({"24.98", "52.02", "15"}));
    EXPECT_TRUE(listing.readFailed);
    EXPECT_TRUE(listing.rows.empty());
}

}  // namespace
}  // namespace lz::sizes
