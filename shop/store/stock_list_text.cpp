#include "shop/store/stock_list_text.h"

#include "shop/store/money.h"

namespace lz::shop {

std::string quantityText(const std::optional<std::int64_t>& quantity) {
    return quantity ? std::to_string(*quantity) : std::string();
}

std::string moneyText(const std::optional<std::int64_t>& fen) {
    return fen ? formatFen(*fen) : std::string();
}

std::vector<std::string> stockListRow(const StockLine& line) {
    return {line.designation,
            line.brand,
            quantityText(line.quantity),
            moneyText(line.priceFen),
            line.location,
            line.note,
            line.newno,
            matchStateText(line.match)};
}

}  // namespace lz::shop
