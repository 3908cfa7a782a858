#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace lz::ui {
class Window;
}

namespace lz::query {

// The 型号助手's lists carry each bearing's number (bh) as the key of its row; heading rows
// carry none.

// The bearing numbers of `list`'s rows, top to bottom, headings left out.
std::vector<std::int32_t> bearingsOfRows(const ui::Window& window, std::string_view list);

// The bearing number of `list`'s selected row; none without one.
std::optional<std::int32_t> bearingOfSelectedRow(const ui::Window& window, std::string_view list);

}  // namespace lz::query
