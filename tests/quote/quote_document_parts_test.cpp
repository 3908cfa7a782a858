// The parts of a quote that go on paper and into files: the amount in capitals, the quote
// number, and the quote as a table of cells.
#include <gtest/gtest.h>

#include "shop/quote/amount_in_capitals.h"
#include "shop/quote/quote_number.h"
#include "shop/quote/quote_table.h"

namespace lz::shop {
namespace {

using namespace std::chrono_literals;

TEST(AmountInCapitals, AsWrittenOnInvoicesAndCheques) {
    const std::vector<std::pair<Fen, const char*>> cases = {
        {12345, "壹佰贰拾叁元肆角伍分"},
        {140950, "壹仟肆佰零玖元伍角整"},
        {600714, "陆仟零柒元壹角肆分"},
        {168032, "壹仟陆佰捌拾元零叁角贰分"},
        {10700053, "壹拾万柒仟元零伍角叁分"},
        {32504, "叁佰贰拾伍元零肆分"},
        {0, "零元整"},
        {5, "伍分"},
        {50, "伍角整"},
        {55, "伍角伍分"},
        {100, "壹元整"},
        {1000, "壹拾元整"},
        {1500, "壹拾伍元整"},
        {10100, "壹佰零壹元整"},
        {100100, "壹仟零壹元整"},
        {1000000, "壹万元整"},
        {1002300, "壹万零贰拾叁元整"},
        {100000000, "壹佰万元整"},
        {101000000, "壹佰零壹万元整"},
        {2000000200, "贰仟万零贰元整"},
        {10000000000, "壹亿元整"},
        {10001000000, "壹亿零壹万元整"},
        {10000100000, "壹亿零壹仟元整"},
        {10000000100, "壹亿零壹元整"},
        {1022326, "壹万零贰佰贰拾叁元贰角陆分"},
        {99999999999999, "玖仟玖佰玖拾玖亿玖仟玖佰玖拾玖万玖仟玖佰玖拾玖元玖角玖分"},
        {-12345, "负壹佰贰拾叁元肆角伍分"},
    };
    for (const auto& [fen, capitals] : cases) {
        EXPECT_EQ(amountInCapitals(fen), capitals) << fen;
    }
    // Beyond any quote, still words, not a crash.
    EXPECT_EQ(amountInCapitals(INT64_MIN),
              "负玖亿亿贰仟贰佰叁拾叁万亿柒仟贰佰零叁亿陆仟捌佰伍拾肆万柒仟柒佰伍拾捌元零捌分");
}

TEST(QuoteNumber, DateAndCounterBothWays) {
    EXPECT_EQ(formatQuoteNumber(2026y / 12 / 8, 1), "20261208-001");
    EXPECT_EQ(formatQuoteNumber(2026y / 1 / 5, 42), "20260105-042");
    EXPECT_EQ(formatQuoteNumber(2026y / 12 / 8, 999), "20261208-999");
    EXPECT_EQ(formatQuoteNumber(2026y / 12 / 8, 1000), "20261208-1000");
    EXPECT_EQ(formatQuoteNumber(2026y / 12 / 8, 9999), "20261208-9999");
    EXPECT_EQ(formatQuoteNumber(2026y / 12 / 8, 0), "");
    EXPECT_EQ(formatQuoteNumber(2026y / 12 / 8, 10000), "");
    EXPECT_EQ(formatQuoteNumber(2026y / 2 / 30, 1), "");

    const auto parsed = parseQuoteNumber(" 20261208-042 ");
    ASSERT_TRUE(parsed.has_value());
    EXPECT_EQ(parsed->date, 2026y / 12 / 8);
    EXPECT_EQ(parsed->counter, 42);
    ASSERT_TRUE(parseQuoteNumber("20240229-1000").has_value());
    EXPECT_EQ(parseQuoteNumber("20240229-1000")->counter, 1000);
    for (const char* wrong :
         {"", "20261208", "20261208-", "20261208-01", "20261208-0001", "20261208-000",
          "20261208-10000", "20261332-001", "20250229-001", "2026-12-08-001", "20261208_001",
          "2026120a-001", "20261208-00a", "20261208-001x", "-20261208-001"}) {
        EXPECT_FALSE(parseQuoteNumber(wrong).has_value()) << wrong;
    }
}

TEST(QuoteTable, HeadingsRowsAndTotalsAsCells) {
    Quote q;
    q.date = 2026y / 12 / 8;
    q.taxBasis = TaxBasis::ExcludingTax;
    QuoteLine shop;
    shop.askedModel = "6205 2RS";
    shop.offeredModel = "6205-2RS";
    shop.brand = "NSK";
    shop.quantity = 10;
    shop.unitPrice = 3241;
    shop.priceSource = PriceSource::Shop;
    shop.delivery = "现货";
    QuoteLine reference;
    reference.askedModel = "=6206";  // kept as typed; the CSV writer marks such cells
    reference.offeredModel = "6206ZZ";
    reference.quantity = 3;
    reference.unit = "个";
    reference.unitPrice = 123456;
    reference.priceSource = PriceSource::Reference;
    reference.note = "原厂包装";
    QuoteLine open;
    open.offeredModel = "NU2210E";
    open.priceSource = PriceSource::Reference;  // no price yet: no mark
    q.lines = {shop, reference, open};
    q.freight = 2000;
    q.adjustment = -500;

    const auto amounts = computeAmounts(q);
    ASSERT_TRUE(amounts.has_value());
    const QuoteTable table = quoteTable(q, *amounts);
    EXPECT_EQ(table.headings,
              (std::vector<std::string>{"序号", "询价型号", "报价型号", "品牌", "数量", "单位",
                                        "单价", "金额", "货期", "备注"}));
    ASSERT_EQ(table.rows.size(), 3u);
    EXPECT_EQ(table.rows[0], (std::vector<std::string>{"1", "6205 2RS", "6205-2RS", "NSK", "10",
                                                       "套", "32.41", "324.10", "现货", ""}));
    EXPECT_EQ(table.rows[1],
              (std::vector<std::string>{"2", "=6206", "6206ZZ", "", "3", "个", "1234.56", "3703.68",
                                        "", "参考价；原厂包装"}));
    EXPECT_EQ(table.rows[2],
              (std::vector<std::string>{"3", "", "NU2210E", "", "", "套", "", "", "", ""}));
    // 324.10 + 3703.68 = 4027.78; 13 % of it 523.6114 → 523.61; + 20.00 − 5.00 = 4566.39.
    const auto total = [](const char* label, const char* amount) {
        return std::vector<std::string>{"", "", "", "", "", "", label, amount, "", ""};
    };
    EXPECT_EQ(table.totals,
              (std::vector<std::vector<std::string>>{
                  total("合计", "4027.78"), total("税额（13%）", "523.61"), total("运费", "20.00"),
                  total("调整", "-5.00"), total("总额", "4566.39"),
                  total("大写", "肆仟伍佰陆拾陆元叁角玖分")}));

    // Prices with tax and no freight or adjustment: only the subtotal, total and capitals.
    q.taxBasis = TaxBasis::IncludingTax;
    q.freight = 0;
    q.adjustment = 0;
    const QuoteTable plain = quoteTable(q, *computeAmounts(q));
    EXPECT_EQ(plain.totals, (std::vector<std::vector<std::string>>{
                                total("合计", "4027.78"), total("总额", "4027.78"),
                                total("大写", "肆仟零贰拾柒元柒角捌分")}));
    EXPECT_STREQ(priceSourceLabel(PriceSource::Shop), "本店价");
    EXPECT_STREQ(priceSourceLabel(PriceSource::Reference), "参考价");
    EXPECT_STREQ(priceSourceLabel(PriceSource::None), "");
}

}  // namespace
}  // namespace lz::shop
