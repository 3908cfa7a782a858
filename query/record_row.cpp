#include "query/record_row.h"

#include <string>
#include <vector>

#include "app/ui/window.h"

namespace lz::query {

void appendRecordRow(ui::Window& mainWindow, const ResultList& list,
                     catalogue::CatalogueDatabase& database, catalogue::RecordSetHandle handle) {
    // Kept between calls: filling a long list reuses the same strings' storage.
    thread_local std::vector<std::string> cells;
    cells.resize(list.fields.size());
    for (std::size_t column = 0; column < list.fields.size(); ++column) {
        cells[column] = catalogue::fieldText(database.ReadColByName(handle, list.fields[column]));
    }
    const int row = mainWindow.appendRow(list.listName);
    for (std::size_t column = 0; column < cells.size(); ++column) {
        mainWindow.setCellText(list.listName, row, static_cast<int>(column), cells[column]);
    }
}

}  // namespace lz::query
