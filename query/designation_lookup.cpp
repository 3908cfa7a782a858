#include "query/designation_lookup.h"

#include <charconv>
#include <string>
#include <vector>

#include "catalogue/catalogue_database.h"
#include "designation/canonical_index.h"
#include "query/result_list_fill.h"
#include "query/result_lists.h"
#include "query/sql/interchange_sql.h"
#include "ui/window.h"
#include "windows/main_window_template.h"

namespace lz::query {
namespace {

constexpr int kIdColumn = 0;
constexpr int kBearingPage = 0;

}  // namespace

const designation::CanonicalIndex* canonicalIndexOf(catalogue::CatalogueDatabase& database) {
    struct Cached {
        std::uint64_t connection = 0;
        std::optional<designation::CanonicalIndex> index;
    };
    static Cached cached;
    const std::uint64_t connection = database.connectionSerial();
    if (connection == 0) {
        return nullptr;
    }
    if (cached.connection != connection) {
        cached.index.reset();  // the old index goes before the new one is built beside it
        cached.index = designation::CanonicalIndex::build(database);
        // A table that could not be read is tried again next time.
        cached.connection = cached.index ? connection : 0;
    }
    return cached.index ? &*cached.index : nullptr;
}

std::optional<std::int32_t> bearingNumberOf(std::string_view text) {
    std::int32_t number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return number;
}

void listBearingsInOrder(ui::Window& mainWindow, std::span<const std::int32_t> bh) {
    mainWindow.setCurrentPage(windows::kMainPages, kBearingPage);
    // Nothing to list still goes through the fill: an empty statement empties the list and
    // shows the no-match message, as every fill that finds nothing does.
    fillBearingList(mainWindow, sql::composeBearingRowsInOrder(bh).value_or(std::string()));
}

void showInterchangeableBearings(ui::Window& mainWindow) {
    const int row = mainWindow.selectedRow(kBearingList.listName);
    if (row < 0) {
        return;
    }
    const std::optional<std::int32_t> bh =
        bearingNumberOf(mainWindow.cellText(kBearingList.listName, row, kIdColumn));
    catalogue::CatalogueDatabase& database = mainWindow.database(kCatalogueConnection);
    const designation::CanonicalIndex* index = canonicalIndexOf(database);
    if (index == nullptr && database.isConnected()) {
        // A catalogue whose rows could not all be read must not pass for one without them.
        showListReadFailed(mainWindow, kBearingList);
        return;
    }
    std::vector<std::int32_t> rows;
    if (index != nullptr && bh) {
        for (const designation::LookupEntry& entry : index->interchangeable(*bh).entries) {
            rows.push_back(entry.bh);
        }
    }
    listBearingsInOrder(mainWindow, rows);
}

}  // namespace lz::query
