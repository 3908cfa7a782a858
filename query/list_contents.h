#pragma once

#include <string>
#include <vector>

#include "query/result_lists.h"

namespace lz::ui {
class Window;
}

namespace lz::query {

// The headings of a result list, column 0 first, as its template names them.
std::vector<std::string> listHeadings(const ui::Window& mainWindow, const ResultList& list);

// The cell texts of one row, column 0 first; `cells` is reused from row to row.
void readListRow(const ui::Window& mainWindow, const ResultList& list, int row,
                 std::vector<std::string>& cells);

}  // namespace lz::query
