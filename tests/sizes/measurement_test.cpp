// The inputs of a search by measured size: defaults, each refusal beside its own input,
// and nothing searched while any input is refused.
#include "query/sizes/measurement.h"

#include <gtest/gtest.h>

#include <vector>

namespace lz::sizes {
namespace {

constexpr LengthUnit mm = LengthUnit::Millimetre;
constexpr LengthUnit inch = LengthUnit::Inch;
using Field = MeasuredField;

constexpr std::string_view kNotPositive = "请输入正数，例如 25、24.98 或 1-3/8";
constexpr std::string_view kTolerance = "请输入 0.001 到 10 mm 之间的公差";

TEST(Measurement, TakesSizesTolerancesAndType) {
    struct Case {
        MeasurementInput input;
        TypedSize inner, outer;
        std::optional<TypedSize> width;
        Length tolerance, widthTolerance;
        std::string type;
    };
    const Case cases[] = {
        // Defaults: ±0.10 mm on d and D, ±0.20 mm on B, every type.
        {{"24.98", "52.02", "15"},
         {249'800, mm},
         {520'200, mm},
         TypedSize{150'000, mm},
         1'000,
         2'000,
         ""},
        {{"24.98", "52.02", "", mm, "", "", "全部"},
         {249'800, mm},
         {520'200, mm},
         std::nullopt,
         1'000,
         2'000,
         ""},
        {{"24.98", "52.02", "  "}, {249'800, mm}, {520'200, mm}, std::nullopt, 1'000, 2'000, ""},
        // A width tolerance not given is twice the one on the diameters.
        {{"35", "72", "", mm, "0.05"}, {350'000, mm}, {720'000, mm}, std::nullopt, 500, 1'000, ""},
        {{"35", "72", "", mm, "0.05", "0.3"},
         {350'000, mm},
         {720'000, mm},
         std::nullopt,
         500,
         3'000,
         ""},
        // Tolerances count in millimetres unless a unit is written: 0.004 in = 0.1016 mm.
        {{"35", "72", "", inch, "0.004 in", "0.01"},
         {8'890'000, inch},
         {18'288'000, inch},
         std::nullopt,
         1'016,
         100,
         ""},
        {{"1-3/8", "2-27/32", "1", inch, "", "", "圆锥滚子轴承"},
         {349'250, inch},
         {722'313, inch},
         TypedSize{254'000, inch},
         1'000,
         2'000,
         "圆锥滚子轴承"},
        // Each size in its own unit.
        {{"35mm", "2.8438", "0.669", inch},
         {350'000, mm},
         {722'325, inch},
         TypedSize{169'926, inch},
         1'000,
         2'000,
         ""},
        // A width may exceed the outer diameter (linear bushings do).
        {{"12", "21", "30"},
         {120'000, mm},
         {210'000, mm},
         TypedSize{300'000, mm},
         1'000,
         2'000,
         ""},
    };
    for (const Case& c : cases) {
        const MeasurementReading reading = readMeasurement(c.input);
        ASSERT_TRUE(reading.measurement) << c.input.inner << " " << c.input.outer;
        EXPECT_TRUE(reading.refusals.empty());
        const Measurement& m = *reading.measurement;
        EXPECT_EQ(m.inner, c.inner) << c.input.inner;
        EXPECT_EQ(m.outer, c.outer) << c.input.outer;
        EXPECT_EQ(m.width, c.width) << c.input.width;
        EXPECT_EQ(m.tolerance, c.tolerance) << c.input.tolerance;
        EXPECT_EQ(m.widthTolerance, c.widthTolerance) << c.input.widthTolerance;
        EXPECT_EQ(m.type, c.type);
    }
}

TEST(Measurement, RefusesEachBadInputBesideItAndSearchesNothing) {
    struct Case {
        MeasurementInput input;
        std::vector<FieldRefusal> refusals;
    };
    const Case cases[] = {
        {{"", "52"}, {{Field::Inner, "请输入内径，例如 25、24.98 或 1-3/8"}}},
        {{"25", " "}, {{Field::Outer, "请输入外径，例如 52、52.02 或 2-1/16"}}},
        {{"25", "25"}, {{Field::Outer, "外径须大于内径"}}},
        {{"52", "25", "15"}, {{Field::Outer, "外径须大于内径"}}},
        {{"1-3/8\"", "34.925"}, {{Field::Outer, "外径须大于内径"}}},
        {{"abc", "-1", "0"},
         {{Field::Inner, kNotPositive},
          {Field::Outer, kNotPositive},
          {Field::Width, kNotPositive}}},
        {{"nan", "inf", "1e300"},
         {{Field::Inner, kNotPositive},
          {Field::Outer, kNotPositive},
          {Field::Width, kNotPositive}}},
        {{"25", "20000", "15"}, {{Field::Outer, "尺寸过大，请输入不超过 10000 mm 的值"}}},
        {{"25", "52", "", mm, "0"}, {{Field::Tolerance, kTolerance}}},
        {{"25", "52", "", mm, "-0.1"}, {{Field::Tolerance, kTolerance}}},
        {{"25", "52", "", mm, "0.0005"}, {{Field::Tolerance, kTolerance}}},
        {{"25", "52", "", mm, "10.5"}, {{Field::Tolerance, kTolerance}}},
        {{"25", "52", "", mm, "1 in"}, {{Field::Tolerance, kTolerance}}},
        {{"25", "52", "", mm, "abc", "0.2"}, {{Field::Tolerance, kTolerance}}},
        {{"25", "52", "", mm, "0.1", "-0.2"}, {{Field::WidthTolerance, kTolerance}}},
        {{"x", "52", "y", mm, "z", "w"},
         {{Field::Inner, kNotPositive},
          {Field::Width, kNotPositive},
          {Field::Tolerance, kTolerance},
          {Field::WidthTolerance, kTolerance}}},
    };
    for (const Case& c : cases) {
        const MeasurementReading reading = readMeasurement(c.input);
        EXPECT_FALSE(reading.measurement) << c.input.inner << " " << c.input.outer;
        EXPECT_EQ(reading.refusals, c.refusals) << c.input.inner << " " << c.input.outer;
    }
}

}  // namespace
}  // namespace lz::sizes
