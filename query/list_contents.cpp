#include "query/list_contents.h"

#include "ui/window.h"

namespace lz::query {

std::vector<std::string> listHeadings(const ui::Window& mainWindow, const ResultList& list) {
    std::vector<std::string> headings;
    for (const ui::ControlTemplate& control : mainWindow.windowTemplate().controls) {
        if (control.name == list.listName) {
            for (const ui::ListColumn& column : control.columns) {
                headings.emplace_back(column.title);
            }
        }
    }
    return headings;
}

void readListRow(const ui::Window& mainWindow, const ResultList& list, int row,
                 std::vector<std::string>& cells) {
    cells.resize(list.fields.size());
    for (std::size_t column = 0; column < cells.size(); ++column) {
        cells[column] = mainWindow.cellText(list.listName, row, static_cast<int>(column));
    }
}

}  // namespace lz::query
