#include "cli/shelf_columns.h"

#include <charconv>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <system_error>

#include "shop/store/shop_file.h"
#include "shop/store/shop_session.h"

namespace lz::query_cli {
namespace {

std::optional<std::int32_t> idOf(const std::string& text) {
    std::int32_t id = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), id);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return id;
}

}  // namespace

ShelfReading readShelf(const std::string& dataDirectory) {
    if (dataDirectory.empty()) {
        return {};
    }
    const std::filesystem::path path = shop::shopFilePath(dataDirectory);
    std::error_code ignored;
    if (!std::filesystem::exists(path, ignored)) {
        return {};
    }
    shop::ShopFileOpening opening = shop::ShopFile::openForReading(path);
    if (!opening.file) {
        return {{}, opening.message};
    }
    std::optional<shop::ShopStock> stock = opening.file->stockByRow();
    if (!stock) {
        return {{}, shop::shopFileStatusMessage(shop::ShopFileStatus::Damaged)};
    }
    return {std::move(*stock), {}};
}

void addShelfColumns(Rows& rows, std::size_t designationAt, const shop::ShopStock& stock) {
    for (std::vector<std::string>& row : rows) {
        shop::ShelfCells cells;
        if (const auto id = row.empty() ? std::nullopt : idOf(row.front())) {
            cells = shop::shelfCellsOf(stock, *id,
                                       designationAt < row.size() ? row[designationAt] : "");
        }
        row.push_back(std::move(cells.quantity));
        row.push_back(std::move(cells.price));
    }
}

}  // namespace lz::query_cli
