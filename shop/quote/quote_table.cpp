#include "shop/quote/quote_table.h"

#include "shop/quote/amount_in_capitals.h"
#include "shop/quote/quote_text.h"

namespace lz::shop {

namespace {

constexpr std::size_t kColumns = 10;
constexpr std::size_t kLabelColumn = 6;   // 单价
constexpr std::size_t kAmountColumn = 7;  // 金额

std::vector<std::string> totalsRow(std::string label, std::string amount) {
    std::vector<std::string> row(kColumns);
    row[kLabelColumn] = std::move(label);
    row[kAmountColumn] = std::move(amount);
    return row;
}

}  // namespace

const char* priceSourceLabel(PriceSource source) {
    switch (source) {
        case PriceSource::Shop:
            return "本店价";
        case PriceSource::Reference:
            return kReferencePriceMark;
        case PriceSource::None:
            break;
    }
    return "";
}

std::string taxLabel(int basisPoints) {
    return "税额（" + formatTaxRate(basisPoints) + "）";
}

std::string lineNoteCell(const QuoteLine& line) {
    if (line.priceSource != PriceSource::Reference || !line.unitPrice) {
        return line.note;
    }
    return line.note.empty() ? kReferencePriceMark
                             : std::string(kReferencePriceMark) + "；" + line.note;
}

QuoteTable quoteTable(const Quote& quote, const QuoteAmounts& amounts) {
    QuoteTable table;
    table.headings = {"序号", "询价型号", "报价型号", "品牌", "数量",
                      "单位", "单价",     "金额",     "货期", "备注"};
    table.rows.reserve(quote.lines.size());
    for (std::size_t i = 0; i < quote.lines.size(); ++i) {
        const QuoteLine& line = quote.lines[i];
        std::optional<Fen> amount;
        if (i < amounts.lineAmounts.size()) {
            amount = amounts.lineAmounts[i];
        }
        table.rows.push_back({
            std::to_string(i + 1),
            line.askedModel,
            line.offeredModel,
            line.brand,
            line.quantity ? std::to_string(*line.quantity) : "",
            line.unit,
            line.unitPrice ? formatYuan(*line.unitPrice) : "",
            amount ? formatYuan(*amount) : "",
            line.delivery,
            lineNoteCell(line),
        });
    }
    table.totals.push_back(totalsRow(kSubtotalLabel, formatYuan(amounts.subtotal)));
    if (quote.taxBasis == TaxBasis::ExcludingTax) {
        table.totals.push_back(
            totalsRow(taxLabel(quote.taxRateBasisPoints), formatYuan(amounts.tax)));
    }
    if (amounts.freight != 0) {
        table.totals.push_back(totalsRow(kFreightLabel, formatYuan(amounts.freight)));
    }
    if (amounts.adjustment != 0) {
        table.totals.push_back(totalsRow(kAdjustmentLabel, formatYuan(amounts.adjustment)));
    }
    table.totals.push_back(totalsRow(kTotalLabel, formatYuan(amounts.total)));
    table.totals.push_back(totalsRow(kCapitalsLabel, amountInCapitals(amounts.total)));
    return table;
}

}  // namespace lz::shop
