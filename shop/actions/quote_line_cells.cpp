#include "shop/actions/quote_line_cells.h"

#include "shop/quote/quote_table.h"
#include "shop/quote/quote_text.h"

namespace lz::shop::actions {

std::vector<std::string> quoteLineCells(const QuoteLine& line, const std::optional<Fen>& amount) {
    return {
        line.askedModel,
        line.offeredModel,
        line.brand,
        line.quantity ? std::to_string(*line.quantity) : std::string(),
        line.unit,
        line.unitPrice ? formatYuan(*line.unitPrice) : std::string(),
        priceSourceLabel(line.priceSource),
        amount ? formatYuan(*amount) : std::string(),
        line.delivery,
        line.note,
        offerCheckText(line.check),
    };
}

}  // namespace lz::shop::actions
