#include "query/record_row.h"

#include <string>
#include <string_view>
#include <vector>

#include "app/ui/window.h"

namespace lz::query {

void appendRecordRow(ui::Window& mainWindow, const ResultList& list,
                     catalogue::CatalogueDatabase& database, catalogue::RecordSetHandle handle) {
    std::vector<std::string> cells;
    cells.reserve(list.fields.size());
    for (std::string_view field : list.fields) {
        cells.push_back(catalogue::fieldText(database.ReadColByName(handle, field)));
    }
    const int row = mainWindow.appendRow(list.listName);
    for (std::size_t column = 0; column < cells.size(); ++column) {
        mainWindow.setCellText(list.listName, row, static_cast<int>(column), cells[column]);
    }
}

}  // namespace lz::query
