#include "query/keyed_rows.h"

#include "ui/window.h"

namespace lz::query {

std::vector<std::int32_t> bearingsOfRows(const ui::Window& window, std::string_view list) {
    std::vector<std::int32_t> bearings;
    const int count = window.rowCount(list);
    for (int row = 0; row < count; ++row) {
        if (const auto key = window.rowKey(list, row)) {
            bearings.push_back(static_cast<std::int32_t>(*key));
        }
    }
    return bearings;
}

std::optional<std::int32_t> bearingOfSelectedRow(const ui::Window& window, std::string_view list) {
    const int row = window.selectedRow(list);
    if (row < 0) {
        return std::nullopt;
    }
    const auto key = window.rowKey(list, row);
    return key ? std::optional<std::int32_t>(static_cast<std::int32_t>(*key)) : std::nullopt;
}

}  // namespace lz::query
