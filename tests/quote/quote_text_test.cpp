// Reading what people type into a quote's fields, and writing money, rates and dates.
#include <gtest/gtest.h>

#include "shop/quote/quote_text.h"

namespace lz::shop {
namespace {

using namespace std::chrono_literals;

struct Expected {
    const char* text;
    std::optional<std::int64_t> value;
    const char* problem;  // "" when read
};

template <class T>
void expectAll(Entry<T> (*parse)(std::string_view), const std::vector<Expected>& cases) {
    for (const Expected& c : cases) {
        SCOPED_TRACE(c.text);
        const Entry<T> entry = parse(c.text);
        EXPECT_EQ(entry.problem, c.problem);
        EXPECT_EQ(entry.ok(), std::string(c.problem).empty());
        if (c.value) {
            ASSERT_TRUE(entry.value.has_value());
            EXPECT_EQ(static_cast<std::int64_t>(*entry.value), *c.value);
        } else {
            EXPECT_FALSE(entry.value.has_value());
        }
    }
}

TEST(QuoteText, Quantities) {
    expectAll(parseQuantity,
              {
                  {"10", 10, ""},
                  {"0", 0, ""},
                  {"", std::nullopt, ""},
                  {"   ", std::nullopt, ""},
                  {" 12 ", 12, ""},
                  {"12.00", 12, ""},
                  {"+7", 7, ""},
                  {"-0", 0, ""},
                  {"１２", 12, ""},   // full-width digits
                  {"　３　", 3, ""},  // ideographic spaces
                  {"1,000", 1000, ""},
                  {"1000000", 1000000, ""},
                  {"1000001", std::nullopt, "数量过大（最多 1000000）"},
                  {"99999999999999999999999", std::nullopt, "数量过大（最多 1000000）"},
                  {"-3", std::nullopt, "数量不能为负数"},
                  {"－３", std::nullopt, "数量不能为负数"},
                  {"2.5", std::nullopt, "数量必须是整数"},
                  {"abc", std::nullopt, "数量不是数字"},
                  {"10套", std::nullopt, "数量不是数字"},
                  {"1,5", std::nullopt, "数量不是数字"},
                  {"1e3", std::nullopt, "数量不是数字"},
                  {".", std::nullopt, "数量不是数字"},
                  {"-", std::nullopt, "数量不是数字"},
              });
}

TEST(QuoteText, UnitPricesRoundHalfUpToTheFen) {
    expectAll(parseUnitPrice,
              {
                  {"32.41", 3241, ""},
                  {"32.4207", 3242, ""},  // the price lists keep four decimals
                  {"12.345", 1235, ""},
                  {"12.3449999", 1234, ""},
                  {"0.005", 1, ""},
                  {"0.0049", 0, ""},
                  {"0.995", 100, ""},
                  {".5", 50, ""},
                  {"7.", 700, ""},
                  {"0", 0, ""},
                  {"", std::nullopt, ""},
                  {"¥12.50", 1250, ""},
                  {"￥ 12.5", 1250, ""},
                  {"12.5元", 1250, ""},
                  {"１２．５", 1250, ""},
                  {"1,234.50", 123450, ""},
                  {"12,345,678.9", 1234567890, ""},
                  {"100000000", 10000000000, ""},
                  {"100000000.004", 10000000000, ""},
                  {"100000000.005", std::nullopt, "单价过大（最多 100000000 元）"},
                  {"1000000000000000000000", std::nullopt, "单价过大（最多 100000000 元）"},
                  {"-1", std::nullopt, "单价不能为负数"},
                  {"-¥1", std::nullopt, "单价不能为负数"},
                  {"-0.00", 0, ""},
                  {"12,34", std::nullopt, "单价不是数字"},
                  {"1,2345", std::nullopt, "单价不是数字"},
                  {",123", std::nullopt, "单价不是数字"},
                  {"1.2.3", std::nullopt, "单价不是数字"},
                  {"面议", std::nullopt, "单价不是数字"},
                  {"¥", std::nullopt, "单价不是数字"},
              });
}

TEST(QuoteText, FreightAndAdjustment) {
    expectAll(parseFreight, {
                                {"", 0, ""},
                                {"15", 1500, ""},
                                {"-15", std::nullopt, "运费不能为负数"},
                                {"999999999999.99", 99999999999999, ""},
                                {"1000000000000", std::nullopt, "运费过大"},
                                {"包邮", std::nullopt, "运费不是数字"},
                            });
    expectAll(parseAdjustment, {
                                   {"", 0, ""},
                                   {"-50", -5000, ""},
                                   {"－５０", -5000, ""},
                                   {"¥-0.125", -13, ""},  // half away from zero
                                   {"-¥0.124", -12, ""},
                                   {"+20", 2000, ""},
                                   {"-999999999999.99", -99999999999999, ""},
                                   {"-1000000000000", std::nullopt, "调整金额过大"},
                                   {"减50", std::nullopt, "调整金额不是数字"},
                               });
}

TEST(QuoteText, TaxRatesAndDaysOfValidity) {
    expectAll(parseTaxRate, {
                                {"13", 1300, ""},
                                {"13%", 1300, ""},
                                {" 13 % ", 1300, ""},
                                {"１３％", 1300, ""},
                                {"6.5", 650, ""},
                                {"0.25%", 25, ""},
                                {"0", 0, ""},
                                {"100", 10000, ""},
                                {"100.01", std::nullopt, "税率应在 0% 至 100% 之间"},
                                {"1000", std::nullopt, "税率应在 0% 至 100% 之间"},
                                {"-1", std::nullopt, "税率应在 0% 至 100% 之间"},
                                {"", std::nullopt, "税率不是数字"},
                                {"%", std::nullopt, "税率不是数字"},
                                {"十三", std::nullopt, "税率不是数字"},
                            });
    expectAll(parseValidDays, {
                                  {"7", 7, ""},
                                  {"30天", 30, ""},
                                  {"30 天", 30, ""},
                                  {"365", 365, ""},
                                  {"366", std::nullopt, "有效期应为 1 至 365 天"},
                                  {"0", std::nullopt, "有效期应为 1 至 365 天"},
                                  {"-7", std::nullopt, "有效期应为 1 至 365 天"},
                                  {"7.5", std::nullopt, "有效期不是数字"},
                                  {"", std::nullopt, "有效期不是数字"},
                                  {"一周", std::nullopt, "有效期不是数字"},
                              });
}

TEST(QuoteText, MoneyRatesAndDatesAsWritten) {
    struct Money {
        Fen fen;
        const char* plain;
        const char* grouped;
    };
    for (const Money& m : std::vector<Money>{
             {0, "0.00", "0.00"},
             {5, "0.05", "0.05"},
             {-5, "-0.05", "-0.05"},
             {123450, "1234.50", "1,234.50"},
             {99999, "999.99", "999.99"},
             {100000, "1000.00", "1,000.00"},
             {-123456789, "-1234567.89", "-1,234,567.89"},
             {99999999999999, "999999999999.99", "999,999,999,999.99"},
             {INT64_MIN, "-92233720368547758.08", "-92,233,720,368,547,758.08"},
         }) {
        EXPECT_EQ(formatYuan(m.fen), m.plain);
        EXPECT_EQ(formatYuan(m.fen, Grouping::Thousands), m.grouped);
    }
    EXPECT_EQ(formatTaxRate(1300), "13%");
    EXPECT_EQ(formatTaxRate(650), "6.5%");
    EXPECT_EQ(formatTaxRate(25), "0.25%");
    EXPECT_EQ(formatTaxRate(0), "0%");
    EXPECT_EQ(formatTaxRate(10000), "100%");
    EXPECT_EQ(formatDate(2026y / 12 / 8), "2026-12-08");
    EXPECT_EQ(formatDate(2027y / 1 / 31), "2027-01-31");
}

}  // namespace
}  // namespace lz::shop
