#include "query/result_list_copy.h"

#include <string>
#include <vector>

#include "query/list_contents.h"
#include "query/result_lists.h"
#include "query/table_text/delimited_text.h"
#include "ui/clipboard.h"
#include "ui/window.h"

namespace lz::query {
namespace {

void copyResultList(ui::Window& mainWindow, const ResultList& list) {
    std::string text;
    text::appendTabSeparatedLine(text, listHeadings(mainWindow, list));
    std::vector<std::string> cells;
    const int selected = mainWindow.selectedRow(list.listName);
    const int first = selected >= 0 ? selected : 0;
    const int end = selected >= 0 ? selected + 1 : mainWindow.rowCount(list.listName);
    for (int row = first; row < end; ++row) {
        readListRow(mainWindow, list, row, cells);
        text::appendTabSeparatedLine(text, cells);
    }
    ui::setClipboardText(text);
}

}  // namespace

void copyBearingList(ui::Window& mainWindow) {
    copyResultList(mainWindow, kBearingList);
}

void copyImportedPriceList(ui::Window& mainWindow) {
    copyResultList(mainWindow, kImportedPriceList);
}

void copyDomesticPriceList(ui::Window& mainWindow) {
    copyResultList(mainWindow, kDomesticPriceList);
}

}  // namespace lz::query
