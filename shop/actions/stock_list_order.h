#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

#include "shop/store/stock_line.h"

namespace lz::shop::actions {

// How the 本店库存 window orders its lines: by a column of kStockListHeadings, or as
// imported (column -1).
struct StockListOrder {
    int column = -1;
    bool ascending = true;

    // A click on a heading: that column ascending, or the other way when it was the
    // column already.
    StockListOrder clicked(int heading) const;
};

// Whether a line shows under the filter text: each word of it (split at spaces) is found,
// regardless of ASCII case, in the designation, brand, location, note, matched designation
// or state. An empty filter shows every line.
bool passesFilter(const StockLine& line, std::string_view filter);

// The indexes of the lines that pass the filter, in the order asked for: texts by their
// characters, 数量 and 售价 by value; empty cells last either way; lines that compare
// equal keep the order they were imported in.
std::vector<std::size_t> shownLines(const std::vector<StockLine>& lines, std::string_view filter,
                                    const StockListOrder& order);

}  // namespace lz::shop::actions
