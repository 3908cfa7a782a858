// The 本店库存 window: the shop's lines as the shop file holds them, filtered, sorted,
// exported, and the last import undone.
#include <filesystem>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

#include "query/table_text/delimited_text.h"
#include "query/table_text/file_replacement.h"
#include "shop/actions/shop_startup.h"
#include "shop/actions/shop_windows.h"
#include "shop/actions/stock_list_order.h"
#include "shop/matching/stock_matcher.h"
#include "shop/shop_messages.h"
#include "shop/store/shop_session.h"
#include "shop/store/stock_list_text.h"
#include "ui/event.h"
#include "ui/file_dialogs.h"
#include "ui/message_boxes.h"
#include "ui/window.h"
#include "ui/window_manager.h"
#include "windows/shop_stock_template.h"

namespace lz::shop::actions {
namespace {

using windows::kShopStockList;

// What the open window shows: the lines read from the shop file, and how.
struct StockView {
    std::vector<StockLine> lines;
    StockListOrder order;
    std::vector<std::size_t> shown;
};

StockView& view() {
    static StockView current;
    return current;
}

void fillList(ui::Window& stockWindow) {
    StockView& state = view();
    state.shown = shownLines(state.lines, stockWindow.text(windows::kShopStockFilter), state.order);
    stockWindow.clearRows(kShopStockList);
    for (const std::size_t k : state.shown) {
        stockWindow.appendRow(kShopStockList, stockListRow(state.lines[k]));
    }
    MatchCounts counts;
    for (const StockLine& line : state.lines) {
        counts.add(line.match);
    }
    std::string text = state.shown.size() == state.lines.size()
                           ? "共 " + std::to_string(state.lines.size()) + " 行"
                           : "显示 " + std::to_string(state.shown.size()) + " 行，共 " +
                                 std::to_string(state.lines.size()) + " 行";
    if (!state.lines.empty()) {
        text += "（" + matchCountsText(counts) + "）";
    }
    stockWindow.setText(windows::kShopStockCounts, text);
    stockWindow.setSortIndicator(kShopStockList, state.order.column, state.order.ascending);
}

// Reads the lines again and says where they came from.
void reload(ui::Window& stockWindow) {
    StockView& state = view();
    state.lines.clear();
    ShopFile* file = ShopSession::instance().file();
    std::string info;
    bool undoable = false;
    if (file == nullptr) {
        info = shopDataUnavailableMessage();
    } else if (auto lines = file->lines()) {
        state.lines = std::move(*lines);
        if (const auto last = file->undoableImport()) {
            info = "上次导入：" + last->sourceName + "（" + last->importedAt + "，" +
                   std::to_string(last->lineCount) + " 行）";
            undoable = true;
        }
    } else {
        info = messages::kReadFailed;
    }
    stockWindow.setText(windows::kShopStockImportInfo, info);
    stockWindow.setEnabled(windows::kShopStockUndoButton, undoable);
    stockWindow.setEnabled(windows::kShopStockImportButton, file != nullptr);
    fillList(stockWindow);
}

}  // namespace

void openShopStockWindow(ui::Window&) {
    ui::WindowManager::instance().open(windows::shopStockWindowTemplate());
}

void initShopStockWindow(ui::Window& stockWindow) {
    view().order = {};
    reload(stockWindow);
}

void filterShopStock(ui::Window& stockWindow) {
    fillList(stockWindow);
}

void sortShopStock(ui::Window& stockWindow, const ui::EventArgs& args) {
    view().order = view().order.clicked(args.index);
    fillList(stockWindow);
}

void exportShopStock(ui::Window& stockWindow) {
    const std::optional<std::string> chosen =
        ui::FileDialogs::askSaveFileName({"导出为 CSV 文件", "本店库存.csv", "CSV 文件", "csv"});
    if (!chosen) {
        return;
    }
    const std::filesystem::path path = query::text::pathFromUtf8(*chosen);
    std::error_code ignored;
    if (std::filesystem::is_regular_file(path, ignored) &&
        ui::MessageBoxes::show("文件已经存在，要替换它吗？\n" + *chosen, kShopCaption,
                               ui::BoxButtons::YesNo) != ui::BoxAnswer::Yes) {
        return;
    }
    // For spreadsheets, as the result lists' export: a cell such as "-6301" stays text.
    constexpr auto kCells = query::text::CsvCells::ShownAsText;
    std::string csv(query::text::kUtf8ByteOrderMark);
    query::text::appendCsvRecord(csv, std::span<const std::string_view>(kStockListHeadings),
                                 kCells);
    const int rows = stockWindow.rowCount(kShopStockList);
    std::vector<std::string> cells(kStockListHeadings.size());
    for (int row = 0; row < rows; ++row) {
        for (std::size_t column = 0; column < cells.size(); ++column) {
            cells[column] = stockWindow.cellText(kShopStockList, row, static_cast<int>(column));
        }
        query::text::appendCsvRecord(csv, cells, kCells);
    }
    if (const std::error_code error = query::text::writeFileReplacing(path, csv)) {
        ui::MessageBoxes::show("导出失败，无法写入文件：\n" + *chosen + "\n（" +
                                   query::text::writeFailureReason(error) + "）",
                               kShopCaption);
    }
}

void undoLastStockImport(ui::Window& stockWindow) {
    ShopFile* file = ShopSession::instance().file();
    if (file == nullptr) {
        ui::MessageBoxes::show(shopDataUnavailableMessage(), kShopCaption);
        return;
    }
    const std::optional<ImportRecord> last = file->undoableImport();
    if (!last) {
        ui::MessageBoxes::show(messages::kNothingToUndo, kShopCaption);
        reload(stockWindow);
        return;
    }
    const std::string question = "撤销上次导入（" + last->sourceName + "，" + last->importedAt +
                                 "，" + std::to_string(last->lineCount) +
                                 " 行）？\n本店库存将恢复为那次导入之前的样子。";
    if (ui::MessageBoxes::show(question, kShopCaption, ui::BoxButtons::YesNo) !=
        ui::BoxAnswer::Yes) {
        return;
    }
    const ShopWrite undone = file->undoLastImport();
    ShopSession::instance().changed();
    if (!undone.ok) {
        ui::MessageBoxes::show(undone.message, kShopCaption);
    }
    reload(stockWindow);
}

void closeShopStock(ui::Window& stockWindow) {
    stockWindow.close();
}

std::optional<StockLine> selectedStockLine(const ui::Window& stockWindow) {
    const StockView& state = view();
    const int row = stockWindow.selectedRow(kShopStockList);
    if (row < 0 || static_cast<std::size_t>(row) >= state.shown.size()) {
        return std::nullopt;
    }
    return state.lines[state.shown[static_cast<std::size_t>(row)]];
}

void refreshShopStockWindow() {
    if (ui::Window* stockWindow =
            ui::WindowManager::instance().find(windows::kShopStockWindowName)) {
        reload(*stockWindow);
    }
}

}  // namespace lz::shop::actions
