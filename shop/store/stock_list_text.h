#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "shop/store/stock_line.h"

namespace lz::shop {

// The columns of the shop's stock list, as the "本店库存" window and "stock list" show it.
inline constexpr std::array<std::string_view, 8> kStockListHeadings = {
    "型号", "品牌", "数量", "售价", "货位", "备注", "匹配型号", "状态"};
enum StockListColumn {
    kDesignationColumn,
    kBrandColumn,
    kQuantityColumn,
    kPriceColumn,
    kLocationColumn,
    kNoteColumn,
    kMatchedColumn,
    kStateColumn,
};

// A line's cells under those headings: the designation as imported, numbers as digits
// (money with two decimals), nothing for what the line does not give; "匹配型号" the
// common designation it matched (or the one its candidates share).
std::vector<std::string> stockListRow(const StockLine& line);

// "12" for a quantity, "" for none.
std::string quantityText(const std::optional<std::int64_t>& quantity);
// "12.50" for an amount of fen, "" for none.
std::string moneyText(const std::optional<std::int64_t>& fen);

}  // namespace lz::shop
