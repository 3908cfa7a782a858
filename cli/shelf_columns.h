// `lookup --stock`: the shop's quantity and price beside every row, as the 型号助手 shows
// them, read from the shop file without ever writing to it (as `stock list` reads it).
#pragma once

#include <cstddef>
#include <string>

#include "cli/result_rows.h"
#include "shop/store/shop_stock.h"

namespace lz::query_cli {

struct ShelfReading {
    shop::ShopStock stock;  // empty without shop data
    // Why a shop file that is there could not be read (another program's, damaged, newer);
    // empty when it was read, and when there is none: no shop file is no stock, not a fault.
    std::string message;
};

// The stock in the shop file of `dataDirectory` (shop.sqlite there), opened read-only.
ShelfReading readShelf(const std::string& dataDirectory);

// Appends the cells "本店库存" and "本店价" to every row: the row's ID (its first cell) and
// its common designation (the cell at `designationAt`) name what the shop holds of it.
void addShelfColumns(Rows& rows, std::size_t designationAt, const shop::ShopStock& stock);

}  // namespace lz::query_cli
