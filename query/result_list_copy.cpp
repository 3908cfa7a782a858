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
    // The whole list in the order it is shown, sorted or not.
    const std::vector<int> rows =
        selected >= 0 ? std::vector<int>{selected} : mainWindow.rowsInShownOrder(list.listName);
    for (const int row : rows) {
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
