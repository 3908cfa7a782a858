#include "catalogue/field_value.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace lz::catalogue {
namespace {

TEST(FieldText, ShowsEveryKindAsTheListsExpect) {
    EXPECT_EQ(fieldText(FieldValue{}), "");
    EXPECT_EQ(fieldText(std::string("深沟球轴承 ")), "深沟球轴承 ");
    EXPECT_EQ(fieldText(std::uint8_t{255}), "255");
    EXPECT_EQ(fieldText(std::int16_t{-32768}), "-32768");
    EXPECT_EQ(fieldText(std::int32_t{59188}), "59188");
    EXPECT_EQ(fieldText(true), "1");
    EXPECT_EQ(fieldText(false), "0");
    EXPECT_EQ(fieldText(DateTime{2026, 3, 7, 9, 5, 0}), "2026-03-07 09:05:00");
    EXPECT_EQ(fieldText(std::vector<std::uint8_t>{0x00, 0xab, 0x7f}), "00ab7f");
}

TEST(FieldText, WritesFloatingPointWithoutNoise) {
    EXPECT_EQ(fieldText(3.0), "3");
    EXPECT_EQ(fieldText(16500.0), "16500");
    EXPECT_EQ(fieldText(0.1), "0.1");
    EXPECT_EQ(fieldText(-2.5), "-2.5");
    EXPECT_EQ(fieldText(1234567890123456.0), "1.234567890123e+15");
    // Single precision keeps six significant digits, hiding the binary representation.
    EXPECT_EQ(fieldText(0.1f), "0.1");
    EXPECT_EQ(fieldText(21.4325f), "21.4325");
    EXPECT_EQ(fieldText(1234567.0f), "1.23457e+06");
}

}  // namespace
}  // namespace lz::catalogue
