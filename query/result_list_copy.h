#pragma once

namespace lz::ui {
class Window;
}

namespace lz::query {

// Ctrl+C in a result list: puts the selected row (every row when none is selected) on the
// clipboard as tab-separated text, the headings as the first line, ready to paste into a
// spreadsheet or a quote.
void copyBearingList(ui::Window& mainWindow);
void copyImportedPriceList(ui::Window& mainWindow);
void copyDomesticPriceList(ui::Window& mainWindow);

}  // namespace lz::query
