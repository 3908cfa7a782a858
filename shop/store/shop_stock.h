#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>

#include "shop/store/stock_line.h"

namespace lz::shop {

// What the shop holds of one catalogue bearing, added up over its matched lines.
struct RowStock {
    std::int64_t quantity = 0;   // the lines' quantities added up (a line without one adds 0)
    bool quantityKnown = false;  // at least one line gave a quantity
    // The lowest and highest price among the lines that give one (equal for one price).
    std::optional<std::int64_t> lowestPriceFen;
    std::optional<std::int64_t> highestPriceFen;
    int lineCount = 0;
    // The lines name the common designation only (the user chose "any brand"), not this
    // row itself.
    bool byDesignationOnly = false;
};

// The shop's stock by catalogue row, built once from the stock list (ShopFile::lines())
// and asked per row in constant time: for the "本店库存" and "本店价" columns beside
// interchangeable bearings, and for quotes. Only matched lines count: a line matched to a
// row counts for that row; a line matched to a common designation alone (newno, no bh)
// counts for every row of that newno that has no line of its own.
class ShopStock {
public:
    ShopStock() = default;
    explicit ShopStock(std::span<const StockLine> lines);

    // Adds one line of the list (lines not matched count for nothing), as the constructor
    // does for each: for building the stock while the lines are read.
    void add(const StockLine& line);

    // The stock of the row `bh`, whose common designation is `newno` (as the bearing
    // table has it); none when the shop has no matched line for it.
    std::optional<RowStock> ofRow(std::int32_t bh, std::string_view newno = {}) const;

    bool empty() const { return byRow_.empty() && byDesignation_.empty(); }
    int matchedLines() const { return matchedLines_; }

private:
    std::unordered_map<std::int64_t, RowStock> byRow_;
    std::unordered_map<std::string, RowStock> byDesignation_;
    int matchedLines_ = 0;
};

// "12.50" for one price, "12.50–15.00" for a range, "" for none.
std::string priceRangeText(const RowStock& stock);

// The shop's two columns beside a list of catalogue rows (the 型号助手, `lookup --stock`).
inline constexpr std::string_view kShelfQuantityHeading = "本店库存";
inline constexpr std::string_view kShelfPriceHeading = "本店价";

// A row's cells under those headings, and whether the shop has it on the shelf.
struct ShelfCells {
    std::string quantity;  // the quantity on the shelf; "" when no line gives one
    std::string price;     // priceRangeText; "" when no line gives one
    // The shop holds the row: it has a matched line whose quantities are not all known to
    // add up to zero (a line without a quantity counts as held).
    bool stocked = false;
};

// Empty cells, not stocked, for a row the shop has no line for.
ShelfCells shelfCellsOf(const ShopStock& stock, std::int32_t bh, std::string_view newno = {});

}  // namespace lz::shop
