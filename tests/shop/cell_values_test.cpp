#include <gtest/gtest.h>

#include <QString>

#include "shop/import/cell_values.h"

namespace lz::shop {
namespace {

TEST(CellValues, NumbersShowAsASheetShowsThemWithoutFloatNoise) {
    const struct {
        const char* written;
        const char* shown;
    } cases[] = {
        {"6205", "6205"},
        {"6205.0", "6205"},
        {"0.30000000000000004", "0.3"},
        {"32.399999999999999", "32.4"},
        {"0.28499999999999998", "0.285"},
        {"9.9949999999999992", "9.995"},
        {"-0", "0"},
        {"1E-3", "0.001"},
        {"123456789012", "123456789012"},
        {" 12 ", "12"},
        {"#N/A", "#N/A"},  // not a number: as written
        {"", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(numberText(QString::fromUtf8(c.written)), QString::fromUtf8(c.shown))
            << c.written;
    }
    EXPECT_EQ(numberText(0.1 + 0.2), QStringLiteral("0.3"));
}

TEST(CellValues, FormatCodesTellDatesTimesAndNumbersApart) {
    const struct {
        const char* code;
        DateKind kind;
    } cases[] = {
        {"yyyy\"年\"m\"月\"d\"日\"", DateKind::Date},
        {"yyyy\"年\"m\"月\"d\"日\";@", DateKind::Date},
        {"[$-804]yyyy\"年\"m\"月\"d\"日\"", DateKind::Date},
        {"[DBNum1][$-804]yyyy\"年\"m\"月\"d\"日\"", DateKind::Date},
        {"[$-804]aaaa", DateKind::Date},  // the day of the week
        {"m\"月\"d\"日\"", DateKind::Date},
        {"yyyy/m/d", DateKind::Date},
        {"mmm-yy", DateKind::Date},
        {"上午/下午h\"时\"mm\"分\"", DateKind::Time},
        {"h\"时\"mm\"分\"ss\"秒\"", DateKind::Time},
        {"h:mm AM/PM", DateKind::Time},
        {"mm:ss", DateKind::Time},  // minutes beside seconds, not months
        {"yyyy/m/d h:mm", DateKind::DateTime},
        {"[h]:mm:ss", DateKind::Duration},
        {"General", DateKind::None},
        {"0.00_ ", DateKind::None},
        {"0.00E+00", DateKind::None},
        {"#,##0.00\"元\"", DateKind::None},
        {"\"ymd\"0", DateKind::None},  // letters in quotes show as they are
        {"[Red]0.00", DateKind::None},
        {"\\d0", DateKind::None},
        {"@", DateKind::None},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(formatCodeKind(QString::fromUtf8(c.code)), c.kind) << c.code;
    }
}

TEST(CellValues, BuiltInFormatsIncludeTheChineseOnes) {
    for (int id : {14, 15, 16, 17, 27, 28, 29, 30, 31, 36, 50, 51, 52, 53, 54, 57, 58}) {
        EXPECT_EQ(builtInFormatKind(id), DateKind::Date) << id;
    }
    for (int id : {18, 19, 20, 21, 32, 33, 34, 35, 45, 47, 55, 56}) {
        EXPECT_EQ(builtInFormatKind(id), DateKind::Time) << id;
    }
    EXPECT_EQ(builtInFormatKind(22), DateKind::DateTime);
    EXPECT_EQ(builtInFormatKind(46), DateKind::Duration);
    for (int id : {0, 1, 2, 4, 9, 10, 11, 12, 13, 37, 44, 48, 49, 164}) {
        EXPECT_EQ(builtInFormatKind(id), DateKind::None) << id;
    }
}

TEST(CellValues, DayNumbersBecomeDates) {
    const struct {
        double serial;
        bool date1904;
        DateKind kind;
        const char* text;
    } cases[] = {
        {45356, false, DateKind::Date, "2024-03-05"},
        {45292, false, DateKind::Date, "2024-01-01"},
        {36526, false, DateKind::Date, "2000-01-01"},
        {1, false, DateKind::Date, "1900-01-01"},
        {59, false, DateKind::Date, "1900-02-28"},
        {60, false, DateKind::Date, "1900-02-29"},  // the day the 1900 system counts wrongly
        {61, false, DateKind::Date, "1900-03-01"},
        {0, true, DateKind::Date, "1904-01-01"},
        {43890, true, DateKind::Date, "2024-03-01"},
        {45657.75, false, DateKind::DateTime, "2024-12-31 18:00:00"},
        {45356.99999999, false, DateKind::DateTime, "2024-03-06 00:00:00"},
        {0.5625, false, DateKind::Time, "13:30:00"},
        {1.5, false, DateKind::Duration, "36:00:00"},
        {2958465, false, DateKind::Date, "9999-12-31"},
        {2958466, false, DateKind::Date, ""},
        {-1, false, DateKind::Date, ""},
        {45356, false, DateKind::None, ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(serialDateText(c.serial, c.date1904, c.kind), QString::fromUtf8(c.text))
            << c.serial;
    }
}

}  // namespace
}  // namespace lz::shop
