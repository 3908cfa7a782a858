#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "shop/store/stock_line.h"

namespace lz::ui {
class Window;
struct EventArgs;
}  // namespace lz::ui

namespace lz::shop::actions {

// The caption of the shop windows' message boxes.
inline constexpr std::string_view kShopCaption = "本店库存";

// ---- The 本店库存 window --------------------------------------------------------------

// "本店库存" (the bearing list's context menu, and the 型号助手's button): opens the
// window, or brings it to the front.
void openShopStockWindow(ui::Window& window);
// Its created event: lists the shop's lines as imported.
void initShopStockWindow(ui::Window& stockWindow);
// Typing in the filter box: the lines whose texts hold every word typed.
void filterShopStock(ui::Window& stockWindow);
// A heading clicked: sorted by that column, ascending, then descending on the next click.
void sortShopStock(ui::Window& stockWindow, const ui::EventArgs& args);
// "导出…": the lines shown, as shown, to a CSV file the user names.
void exportShopStock(ui::Window& stockWindow);
// "撤销上次导入": after the user confirms, the list as it was before the last import.
void undoLastStockImport(ui::Window& stockWindow);
void closeShopStock(ui::Window& stockWindow);
// The line of the selected row ("加入报价单"); none without a selected row.
std::optional<StockLine> selectedStockLine(const ui::Window& stockWindow);
// Reads the shop's lines again into the window, when it is open (after an import).
void refreshShopStockWindow();

// ---- The import ---------------------------------------------------------------------

// "导入本店库存…" (the bearing list's context menu, and the window's "导入…"): asks for a
// stock list, reads it and opens the import dialog on it.
void importStockList(ui::Window& window);
// The same without the file dialog, on a file named in UTF-8; false when nothing opened
// (the reason was shown).
bool openStockImport(const std::string& path);

// The import dialog's events.
void chooseImportSheet(ui::Window& dialog);
void changeImportColumn(ui::Window& dialog);
void changeImportPreview(ui::Window& dialog);
void showImportCandidates(ui::Window& dialog);
void searchImportCandidates(ui::Window& dialog);
void chooseImportCandidate(ui::Window& dialog);
void runStockImport(ui::Window& dialog);
void cancelStockImport(ui::Window& dialog);

}  // namespace lz::shop::actions
