#include "shop/store/shop_stock.h"

#include <algorithm>

#include "shop/store/money.h"

namespace lz::shop {
namespace {

void addTo(RowStock& stock, const StockLine& line) {
    ++stock.lineCount;
    if (line.quantity) {
        stock.quantity += *line.quantity;
        stock.quantityKnown = true;
    }
    if (line.priceFen) {
        stock.lowestPriceFen =
            std::min(stock.lowestPriceFen.value_or(*line.priceFen), *line.priceFen);
        stock.highestPriceFen =
            std::max(stock.highestPriceFen.value_or(*line.priceFen), *line.priceFen);
    }
}

}  // namespace

ShopStock::ShopStock(std::span<const StockLine> lines) {
    byRow_.reserve(lines.size());
    for (const StockLine& line : lines) {
        add(line);
    }
}

void ShopStock::add(const StockLine& line) {
    if (line.match != MatchState::Matched) {
        return;
    }
    if (line.bh) {
        addTo(byRow_[*line.bh], line);
    } else if (!line.newno.empty()) {
        RowStock& stock = byDesignation_[line.newno];
        addTo(stock, line);
        stock.byDesignationOnly = true;
    } else {
        return;
    }
    ++matchedLines_;
}

std::optional<RowStock> ShopStock::ofRow(std::int32_t bh, std::string_view newno) const {
    if (const auto found = byRow_.find(bh); found != byRow_.end()) {
        return found->second;
    }
    if (!newno.empty()) {
        if (const auto found = byDesignation_.find(std::string(newno));
            found != byDesignation_.end()) {
            return found->second;
        }
    }
    return std::nullopt;
}

std::string priceRangeText(const RowStock& stock) {
    if (!stock.lowestPriceFen) {
        return {};
    }
    std::string text = formatFen(*stock.lowestPriceFen);
    if (stock.highestPriceFen && *stock.highestPriceFen != *stock.lowestPriceFen) {
        text += "–" + formatFen(*stock.highestPriceFen);
    }
    return text;
}

ShelfCells shelfCellsOf(const ShopStock& stock, std::int32_t bh, std::string_view newno) {
    const std::optional<RowStock> row = stock.ofRow(bh, newno);
    if (!row) {
        return {};
    }
    return {row->quantityKnown ? std::to_string(row->quantity) : std::string(),
            priceRangeText(*row), !row->quantityKnown || row->quantity > 0};
}

}  // namespace lz::shop
