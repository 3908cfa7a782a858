// The sums of a quote: line amounts, subtotal, tax in and out, freight and adjustment, and
// the limits where a quote is refused with a message.
#include <gtest/gtest.h>

#include <random>

#include "shop/quote/quote_amounts.h"

namespace lz::shop {
namespace {

using namespace std::chrono_literals;

QuoteLine line(std::optional<std::int64_t> quantity, std::optional<Fen> unitPrice) {
    QuoteLine l;
    l.offeredModel = "6205-2RS";
    l.quantity = quantity;
    l.unitPrice = unitPrice;
    return l;
}

Quote quoteOf(std::vector<QuoteLine> lines) {
    Quote q;
    q.customer = "华北重工";
    q.number = "20261208-001";
    q.date = 2026y / 12 / 8;
    q.lines = std::move(lines);
    return q;
}

TEST(QuoteAmounts, SumsAsTheQuoteDefinesThem) {
    struct Case {
        const char* what;
        std::vector<QuoteLine> lines;
        TaxBasis basis;
        int rate;
        Fen freight, adjustment;
        std::vector<std::optional<Fen>> lineAmounts;
        Fen subtotal, tax, total;
        std::size_t withoutAmount;
    };
    const std::vector<Case> cases = {
        {"prices with tax: nothing added",
         {line(10, 3241), line(3, 1999)},
         TaxBasis::IncludingTax,
         1300,
         0,
         0,
         {32410, 5997},
         38407,
         0,
         38407,
         0},
        {"prices without tax: 13 % of the subtotal, rounded half up",
         // 385.04 × 13 % = 50.0552 → 50.06
         {line(1, 38500), line(1, 4)},
         TaxBasis::ExcludingTax,
         1300,
         0,
         0,
         {38500, 4},
         38504,
         5006,
         43510,
         0},
        {"tax exactly half a fen rounds up",
         // 0.50 × 1 % = 0.005 → 0.01
         {line(1, 50)},
         TaxBasis::ExcludingTax,
         100,
         0,
         0,
         {50},
         50,
         1,
         51,
         0},
        {"tax just under half a fen rounds down",
         // 0.49 × 1 % = 0.0049 → 0.00
         {line(1, 49)},
         TaxBasis::ExcludingTax,
         100,
         0,
         0,
         {49},
         49,
         0,
         49,
         0},
        {"a rate with decimals",
         // 1000.00 × 6.5 % = 65.00
         {line(4, 25000)},
         TaxBasis::ExcludingTax,
         650,
         0,
         0,
         {100000},
         100000,
         6500,
         106500,
         0},
        {"freight and a discount are added as they stand, untaxed",
         {line(2, 10000)},
         TaxBasis::ExcludingTax,
         1300,
         1500,
         -2000,
         {20000},
         20000,
         2600,
         22100,
         0},
        {"a surcharge on prices with tax",
         {line(1, 100)},
         TaxBasis::IncludingTax,
         1300,
         0,
         55,
         {100},
         100,
         0,
         155,
         0},
        {"lines without quantity or price have no amount and add nothing",
         {line(std::nullopt, 500), line(5, std::nullopt), line(0, 999), line(2, 0)},
         TaxBasis::IncludingTax,
         1300,
         0,
         0,
         {std::nullopt, std::nullopt, 0, 0},
         0,
         0,
         0,
         2},
        {"no lines at all, freight only",
         {},
         TaxBasis::ExcludingTax,
         1300,
         800,
         0,
         {},
         0,
         0,
         800,
         0},
        {"a discount down to exactly zero",
         {line(1, 1000)},
         TaxBasis::IncludingTax,
         1300,
         0,
         -1000,
         {1000},
         1000,
         0,
         0,
         0},
        {"the largest quantity at the largest price that fits",
         // 1,000,000 × 99,999,999.99 would be too much; 1,000,000 × 99,999.99 is not
         {line(1'000'000, 9'999'999)},
         TaxBasis::ExcludingTax,
         10000,
         0,
         0,
         {9'999'999'000'000},
         9'999'999'000'000,
         9'999'999'000'000,
         19'999'998'000'000,
         0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Quote q = quoteOf(c.lines);
        q.taxBasis = c.basis;
        q.taxRateBasisPoints = c.rate;
        q.freight = c.freight;
        q.adjustment = c.adjustment;
        EXPECT_TRUE(checkQuote(q).empty());
        const auto amounts = computeAmounts(q);
        ASSERT_TRUE(amounts.has_value());
        EXPECT_EQ(amounts->lineAmounts, c.lineAmounts);
        EXPECT_EQ(amounts->subtotal, c.subtotal);
        EXPECT_EQ(amounts->tax, c.tax);
        EXPECT_EQ(amounts->freight, c.freight);
        EXPECT_EQ(amounts->adjustment, c.adjustment);
        EXPECT_EQ(amounts->total, c.total);
        EXPECT_EQ(amounts->linesWithoutAmount, c.withoutAmount);
    }
}

// Whatever the lines, the printed table adds up: the line amounts to the subtotal, and the
// subtotal with tax, freight and adjustment to the total, to the fen; the tax is the
// subtotal times the rate, within half a fen.
TEST(QuoteAmounts, EveryQuoteAddsUpToTheFen) {
    std::mt19937_64 random(20261208);
    for (int round = 0; round < 2000; ++round) {
        Quote q = quoteOf({});
        const int lines = static_cast<int>(random() % 40);
        for (int i = 0; i < lines; ++i) {
            const bool priced = random() % 8 != 0;
            q.lines.push_back(
                line(static_cast<std::int64_t>(random() % 2000),
                     priced ? std::optional<Fen>(random() % 5'000'000) : std::nullopt));
        }
        q.taxBasis = random() % 2 ? TaxBasis::ExcludingTax : TaxBasis::IncludingTax;
        q.taxRateBasisPoints = static_cast<int>(random() % 10001);
        q.freight = static_cast<Fen>(random() % 100'000);
        q.adjustment = -static_cast<Fen>(random() % 50'000);
        const auto amounts = computeAmounts(q);
        if (!amounts) {
            // Only a discount larger than everything else is refused.
            const auto problems = checkQuote(q);
            ASSERT_EQ(problems.size(), 1u);
            EXPECT_EQ(problems[0].message, "总额不能为负数，请检查调整金额");
            continue;
        }
        Fen sum = 0;
        for (std::size_t i = 0; i < q.lines.size(); ++i) {
            const QuoteLine& l = q.lines[i];
            if (l.unitPrice) {
                ASSERT_EQ(amounts->lineAmounts[i], *l.quantity * *l.unitPrice);
                sum += *l.quantity * *l.unitPrice;
            } else {
                ASSERT_FALSE(amounts->lineAmounts[i].has_value());
            }
        }
        ASSERT_EQ(amounts->subtotal, sum);
        if (q.taxBasis == TaxBasis::IncludingTax) {
            ASSERT_EQ(amounts->tax, 0);
        } else {
            const __int128 exact = static_cast<__int128>(sum) * q.taxRateBasisPoints;
            const __int128 taxTimesTenThousand = static_cast<__int128>(amounts->tax) * 10000;
            // Half up: the rounded tax lies in (exact − ½ fen, exact + ½ fen].
            ASSERT_TRUE(exact - 5000 < taxTimesTenThousand) << sum;
            ASSERT_TRUE(taxTimesTenThousand <= exact + 5000) << sum;
        }
        ASSERT_EQ(amounts->total, sum + amounts->tax + q.freight + q.adjustment);
        ASSERT_GE(amounts->total, 0);
    }
}

TEST(QuoteAmounts, RefusesWhatCannotBeSummedWithAMessage) {
    struct Case {
        const char* what;
        Quote quote;
        std::optional<std::size_t> line;
        QuoteField field;
        const char* message;
    };
    const auto with = [](auto change) {
        Quote q = quoteOf({line(1, 100), line(2, 200), line(3, 300)});
        change(q);
        return q;
    };
    const std::vector<Case> cases = {
        {"negative quantity", with([](Quote& q) { q.lines[2].quantity = -1; }), 2,
         QuoteField::Quantity, "数量不能为负数"},
        {"quantity past the limit", with([](Quote& q) { q.lines[0].quantity = 1'000'001; }), 0,
         QuoteField::Quantity, "数量过大（最多 1000000）"},
        {"huge quantity", with([](Quote& q) { q.lines[0].quantity = INT64_MAX; }), 0,
         QuoteField::Quantity, "数量过大（最多 1000000）"},
        {"negative price", with([](Quote& q) { q.lines[1].unitPrice = -5; }), 1,
         QuoteField::UnitPrice, "单价不能为负数"},
        {"price past the limit", with([](Quote& q) { q.lines[1].unitPrice = 10'000'000'001; }), 1,
         QuoteField::UnitPrice, "单价过大（最多 100000000 元）"},
        {"both limits at once make too large an amount", with([](Quote& q) {
             q.lines[1].quantity = 1'000'000;
             q.lines[1].unitPrice = 10'000'000'000;
         }),
         1, QuoteField::Amount, "金额过大"},
        {"lines that each fit but not together", with([](Quote& q) {
             for (auto& l : q.lines) {
                 l.quantity = 1'000'000;
                 l.unitPrice = 50'000'000;  // 5 × 10^13 fen each
             }
         }),
         std::nullopt, QuoteField::Subtotal, "合计过大"},
        {"a discount larger than the goods", with([](Quote& q) { q.adjustment = -1401; }),
         std::nullopt, QuoteField::Total, "总额不能为负数，请检查调整金额"},
        {"a total past the limit", with([](Quote& q) {
             q.lines = {line(1'000'000, 99'999'999)};
             q.freight = 1'000'000'000;
         }),
         std::nullopt, QuoteField::Total, "总额过大"},
        {"negative freight", with([](Quote& q) { q.freight = -1; }), std::nullopt,
         QuoteField::Freight, "运费不能为负数"},
        {"freight past the limit", with([](Quote& q) { q.freight = 100'000'000'000'000; }),
         std::nullopt, QuoteField::Freight, "运费过大"},
        {"adjustment past the limit", with([](Quote& q) { q.adjustment = INT64_MIN; }),
         std::nullopt, QuoteField::Adjustment, "调整金额过大"},
        {"negative tax rate", with([](Quote& q) { q.taxRateBasisPoints = -1; }), std::nullopt,
         QuoteField::TaxRate, "税率应在 0% 至 100% 之间"},
        {"tax rate over 100 %", with([](Quote& q) { q.taxRateBasisPoints = 10'001; }), std::nullopt,
         QuoteField::TaxRate, "税率应在 0% 至 100% 之间"},
        {"no days of validity", with([](Quote& q) { q.validDays = 0; }), std::nullopt,
         QuoteField::ValidDays, "有效期应为 1 至 365 天"},
        {"a date that is no date", with([](Quote& q) { q.date = 2026y / 2 / 29; }), std::nullopt,
         QuoteField::Date, "日期无效"},
        {"a model of 201 characters",
         with([](Quote& q) { q.lines[0].askedModel = std::string(201, 'x'); }), 0,
         QuoteField::AskedModel, "文字过长（最多 200 字）"},
        {"a customer of 201 Chinese characters", with([](Quote& q) {
             q.customer.clear();
             for (int i = 0; i < 201; ++i) {
                 q.customer += "轴";
             }
         }),
         std::nullopt, QuoteField::Customer, "文字过长（最多 200 字）"},
        {"a note of 2001 characters",
         with([](Quote& q) { q.lines[2].note = std::string(2001, 'n'); }), 2, QuoteField::LineNote,
         "备注过长（最多 2000 字）"},
        {"more than 1000 lines", with([](Quote& q) { q.lines.assign(1001, line(1, 1)); }),
         std::nullopt, QuoteField::Lines, "一张报价单最多 1000 行"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const auto problems = checkQuote(c.quote);
        ASSERT_EQ(problems.size(), 1u);
        EXPECT_EQ(problems[0].line, c.line);
        EXPECT_EQ(problems[0].field, c.field);
        EXPECT_EQ(problems[0].message, c.message);
        EXPECT_FALSE(computeAmounts(c.quote).has_value());
    }
}

TEST(QuoteAmounts, TextsAtTheirLimitsAndEveryProblemAtOnce) {
    Quote q = quoteOf({line(1, 100)});
    q.customer.clear();
    for (int i = 0; i < 200; ++i) {
        q.customer += "轴";
    }
    q.lines[0].note = std::string(2000, 'n');
    EXPECT_TRUE(checkQuote(q).empty());

    q.lines = {line(-1, 100), line(1, -1), line(2, 3)};
    q.freight = -1;
    const auto problems = checkQuote(q);
    ASSERT_EQ(problems.size(), 3u);
    EXPECT_EQ(describeProblem(problems[0]), "运费不能为负数");
    EXPECT_EQ(describeProblem(problems[1]), "第 1 行：数量不能为负数");
    EXPECT_EQ(describeProblem(problems[2]), "第 2 行：单价不能为负数");
}

TEST(QuoteAmounts, ValidUntilCountsCalendarDays) {
    Quote q = quoteOf({});
    EXPECT_EQ(validUntil(q), 2026y / 12 / 15);  // seven days by default
    q.date = 2026y / 12 / 28;
    EXPECT_EQ(validUntil(q), 2027y / 1 / 4);
    q.date = 2028y / 2 / 25;
    q.validDays = 5;
    EXPECT_EQ(validUntil(q), 2028y / 3 / 1);  // 2028 is a leap year
}

}  // namespace
}  // namespace lz::shop
