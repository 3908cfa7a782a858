#include "query/measured_size_list.h"

#include <string>
#include <vector>

#include "query/designation_lookup.h"
#include "query/sizes/measured_listing.h"
#include "ui/window.h"
#include "windows/measured_size_page.h"

namespace lz::query {
namespace {

using windows::kMeasuredColumns;

// The template names its columns by their cells of a listing; each must carry the title of
// that cell's column.
static_assert([] {
    for (const windows::MeasuredColumn& column : kMeasuredColumns) {
        if (column.cell >= sizes::kMeasuredListHeadings.size() ||
            sizes::kMeasuredListHeadings[column.cell] != column.title) {
            return false;
        }
    }
    return true;
}());

constexpr std::size_t kNumberCell = 0;  // ID: the bearing's number

}  // namespace

MeasuredListCount fillMeasuredList(ui::Window& assistant, const sizes::MeasuredListing& listing) {
    const std::string_view list = windows::kMeasuredList;
    assistant.clearRows(list);
    MeasuredListCount count;
    if (!listing.withinTolerance && !listing.rows.empty()) {
        assistant.appendHeadingRow(list, sizes::kNoneWithinTolerance);
    }
    std::vector<std::string> cells(kMeasuredColumns.size());
    for (const sizes::ListedGroup& group : listing.groups) {
        assistant.appendHeadingRow(list,
                                   group.heading + "　" + std::to_string(group.rowCount) + " 个");
        ++count.sizes;
        for (std::size_t at = group.firstRow; at < group.firstRow + group.rowCount; ++at) {
            const std::vector<std::string>& listed = listing.rows[at];
            for (std::size_t column = 0; column < kMeasuredColumns.size(); ++column) {
                cells[column] = listed[kMeasuredColumns[column].cell];
            }
            const int row = assistant.appendRow(list, cells);
            if (const auto bh = bearingNumberOf(listed[kNumberCell])) {
                assistant.setRowKey(list, row, *bh);
            }
            ++count.bearings;
        }
    }
    assistant.showRowsNow(list);
    return count;
}

}  // namespace lz::query
