#pragma once

#include <string>
#include <vector>

#include "shop/quote/quote.h"
#include "shop/quote/quote_amounts.h"

namespace lz::shop {

// The mark of a line whose unit price is the price list's reference price, not the shop's.
inline constexpr const char* kReferencePriceMark = "参考价";

// What the window shows beside a price: "本店价", "参考价", or nothing.
const char* priceSourceLabel(PriceSource source);

// A quote as a table of cells, for the CSV export and for the printed table:
//   headings  序号, 询价型号, 报价型号, 品牌, 数量, 单位, 单价, 金额, 货期, 备注
//   rows      one per line; 数量, 单价 and 金额 empty where the line has none; money as
//             "1234.50" (no grouping, so that spreadsheets read numbers); the note of a line
//             priced at the reference price starts with "参考价".
//   totals    as wide as the headings, the name in the 单价 column and the amount in the
//             金额 column: 合计; 税额（13%）when the prices exclude tax; 运费 and 调整 when not
//             zero; 总额; then 大写 with the total in capitals ("壹佰贰拾叁元肆角伍分").
// A CSV file of it is the headings, the rows, then the totals.
struct QuoteTable {
    std::vector<std::string> headings;
    std::vector<std::vector<std::string>> rows;
    std::vector<std::vector<std::string>> totals;
};

// `amounts` as computeAmounts gave them for `quote`.
QuoteTable quoteTable(const Quote& quote, const QuoteAmounts& amounts);

// The 备注 cell of a line: its note, after "参考价" when the price is the reference price.
std::string lineNoteCell(const QuoteLine& line);

// The names of the totals rows, for the printed quote too.
inline constexpr const char* kSubtotalLabel = "合计";
inline constexpr const char* kFreightLabel = "运费";
inline constexpr const char* kAdjustmentLabel = "调整";
inline constexpr const char* kTotalLabel = "总额";
inline constexpr const char* kCapitalsLabel = "大写";
// "税额（13%）".
std::string taxLabel(int basisPoints);

}  // namespace lz::shop
