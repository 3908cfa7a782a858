// Sizes as typed at a counter and as the catalogue writes them: every form taken, and
// every form refused with its message.
#include "query/sizes/size_text.h"

#include <gtest/gtest.h>

#include <string>

namespace lz::sizes {
namespace {

constexpr LengthUnit mm = LengthUnit::Millimetre;
constexpr LengthUnit inch = LengthUnit::Inch;

struct Taken {
    std::string text;
    LengthUnit chosen;
    Length expected;  // tenths of a micrometre
    LengthUnit unit;  // the unit the size counts as given in
};

TEST(TypedSize, EveryFormTaken) {
    const Taken cases[] = {
        {"24.98", mm, 249'800, mm},
        {"30.0", mm, 300'000, mm},
        {"24.98 ", mm, 249'800, mm},
        {"  25\t", mm, 250'000, mm},
        {"0025", mm, 250'000, mm},
        {".5", mm, 5'000, mm},
        {"5.", mm, 50'000, mm},
        {"10000", mm, 100'000'000, mm},
        // Inches: 1.375 in = 34.925 mm, 3/4 in = 19.05 mm, 3/64 in = 1.190625 mm.
        {"1.375", inch, 349'250, inch},
        {"3/4", inch, 190'500, inch},
        {"1-3/8", inch, 349'250, inch},
        {"1 3/8", inch, 349'250, inch},
        {"2-27/32", inch, 722'313, inch},
        {"3/64", inch, 11'906, inch},
        {"9/8", inch, 285'750, inch},
        // A written unit wins over the one chosen.
        {"1-3/8\"", mm, 349'250, inch},
        {"1 3/8 in", mm, 349'250, inch},
        {"1.375in", mm, 349'250, inch},
        {"1.375 INCH", mm, 349'250, inch},
        {"1.375英寸", mm, 349'250, inch},
        {"25mm", inch, 250'000, mm},
        {"25 MM", inch, 250'000, mm},
        {"25毫米", inch, 250'000, mm},
        {"393.7 in", mm, 99'999'800, inch},
        // Without a written unit a fraction counts in the chosen unit.
        {"1-3/8", mm, 13'750, mm},
        // As a Chinese input method types them: full-width digits, signs, quote, space.
        {"２４．９８", mm, 249'800, mm},
        {"１－３／８＂", mm, 349'250, inch},
        {"１　３/８　ｉｎ", mm, 349'250, inch},
        {"1-3/8″", mm, 349'250, inch},
    };
    for (const Taken& c : cases) {
        const SizeReading reading = readTypedSize(c.text, c.chosen);
        ASSERT_TRUE(reading.size) << c.text << ": " << reading.refusal;
        EXPECT_EQ(reading.size->length, c.expected) << c.text;
        EXPECT_EQ(reading.size->unit, c.unit) << c.text;
        EXPECT_EQ(reading.refusal, "") << c.text;
    }
}

TEST(TypedSize, EveryOtherFormRefusedWithItsMessage) {
    const std::string notPositive[] = {
        "",
        "   ",
        "abc",
        "25a",
        "a25",
        "25 cm",
        "25 mmm",
        "25 in in",
        "mm",
        "in 25",
        "0",
        "0.0",
        "000",
        "0/4",
        "0.000001",
        "-5",
        "-0.1",
        "+5",
        "-1-3/8",
        "nan",
        "NaN",
        "inf",
        "-inf",
        "infinity",
        "1e300",
        "1e3",
        "1E-3",
        "0x19",
        "3/0",
        "1-3/0",
        "1-0/8",
        "1-8/8",
        "1-9/8",
        "1/2/3",
        "3/4.5",
        "1.5-3/8",
        "1--3/8",
        "1-",
        "1 -3/8",
        "/8",
        "3/",
        ".",
        "..5",
        "24.98.1",
        "25,4",
        "1 2",
        "２５ｘ",
        "24\xff",
        std::string(70, '0') + "25",
    };
    for (const std::string& text : notPositive) {
        for (const LengthUnit chosen : {mm, inch}) {
            const SizeReading reading = readTypedSize(text, chosen);
            EXPECT_FALSE(reading.size) << text;
            EXPECT_EQ(reading.refusal, "请输入正数，例如 25、24.98 或 1-3/8") << text;
        }
    }
    const std::string tooLarge[] = {
        "10000.0001",       "10001", "394 in", "99999999999999999999", "99999999999999999999/3",
        "1234567890123-1/2"};
    for (const std::string& text : tooLarge) {
        const SizeReading reading = readTypedSize(text, mm);
        EXPECT_FALSE(reading.size) << text;
        EXPECT_EQ(reading.refusal, "尺寸过大，请输入不超过 10000 mm 的值") << text;
    }
}

TEST(CatalogueSize, PlainPositiveDecimalsOnly) {
    EXPECT_EQ(readCatalogueSize("25"), 250'000);
    EXPECT_EQ(readCatalogueSize("25.000"), 250'000);
    EXPECT_EQ(readCatalogueSize("34.925"), 349'250);
    EXPECT_EQ(readCatalogueSize(" 15.011 "), 150'110);
    EXPECT_EQ(readCatalogueSize("15.0115"), 150'115);
    EXPECT_EQ(readCatalogueSize("1090000"), 10'900'000'000);
    for (const char* text : {"", " ", "0", "0.000", "-1", "abc", "1e300", "nan", "inf", "25mm",
                             "1/2", "1-3/8", "25 4", "1234567890123"}) {
        EXPECT_FALSE(readCatalogueSize(text)) << text;
    }
}

}  // namespace
}  // namespace lz::sizes
