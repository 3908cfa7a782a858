#include "query/record_row.h"

#include <string>
#include <vector>

#include "ui/window.h"

namespace lz::query {

void appendRecordRow(ui::Window& mainWindow, const ResultList& list,
                     catalogue::CatalogueDatabase& database, catalogue::RecordSetHandle handle) {
    // One row's texts at a time, and no message handling in between, so one buffer serves
    // every row of every fill, nested ones included.
    static std::vector<std::string> cells;
    cells.resize(list.fields.size());
    for (std::size_t column = 0; column < list.fields.size(); ++column) {
        cells[column] = catalogue::fieldText(database.ReadColByName(handle, list.fields[column]));
    }
    mainWindow.appendRow(list.listName, cells);
}

}  // namespace lz::query
