#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "shop/quote/quote.h"

namespace lz::shop {

// A quote is a table of exact sums, in whole fen:
//
//   金额 (each line) = 数量 × 单价                 exact: both are whole numbers
//   合计             = Σ 金额                      over the lines that have an amount
//   税额             = 0                           含税: the prices already include VAT
//                    = round_half_up(合计 × 税率)   不含税: VAT on the goods, rounded once
//   总额             = 合计 + 税额 + 运费 + 调整
//
// Freight and adjustment are final amounts, added as they stand, taxed or not as the shop
// decided when it entered them. The only rounding of money is where a unit price with more
// than two decimals enters its line (quote_text.h: half up, per line) and the tax. So the
// printed lines add up to the subtotal and the subtotal with the named additions to the
// total, to the fen, as anyone can check by hand.

// A field of the quote or of one of its lines, for the window to show a message beside it.
enum class QuoteField {
    Customer,
    Contact,
    QuotedBy,
    Number,
    Date,
    ValidDays,
    TaxRate,
    Freight,
    Adjustment,
    Note,
    Lines,     // the quote's lines as a whole: too many
    Subtotal,  // 合计
    Total,     // 总额
    AskedModel,
    OfferedModel,
    Brand,
    Quantity,
    Unit,
    UnitPrice,
    Amount,  // a line's 金额
    Delivery,
    LineNote,
};

struct QuoteProblem {
    std::optional<std::size_t> line;  // index into Quote::lines; empty for the quote itself
    QuoteField field;
    std::string message;  // from quote_messages.h
};

struct QuoteAmounts {
    // One per line, in the lines' order: empty where the line has no quantity or no price.
    std::vector<std::optional<Fen>> lineAmounts;
    Fen subtotal = 0;    // 合计
    Fen tax = 0;         // 税额; always 0 when the prices include tax
    Fen freight = 0;     // 运费
    Fen adjustment = 0;  // 调整
    Fen total = 0;       // 总额
    std::size_t linesWithoutAmount = 0;
};

// The message as shown away from the field: "第 3 行：数量不能为负数" (lines counted from 1).
std::string describeProblem(const QuoteProblem& problem);

// Every problem that keeps the quote from being summed and printed, in the order of the
// fields: negative or too large quantities and prices, a negative total, texts too long, a
// date that is no date.
std::vector<QuoteProblem> checkQuote(const Quote& quote);

// The amounts of a quote without problems; nothing when checkQuote finds any.
std::optional<QuoteAmounts> computeAmounts(const Quote& quote);

// The amount of one line; nothing when it has no quantity or no price. Only for a line
// that passed checkQuote.
std::optional<Fen> lineAmount(const QuoteLine& line);

// round_half_up(amount × basisPoints / 10000) for amount from 0 to kMaxAmount.
Fen taxOn(Fen amount, int basisPoints);

}  // namespace lz::shop
