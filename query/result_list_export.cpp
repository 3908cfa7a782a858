#include "query/result_list_export.h"

#include <filesystem>
#include <optional>
#include <system_error>
#include <vector>

#include "query/list_contents.h"
#include "query/table_text/delimited_text.h"
#include "query/table_text/file_replacement.h"
#include "ui/file_dialogs.h"
#include "ui/message_boxes.h"
#include "ui/window.h"

namespace lz::query {
namespace {

void exportResultList(ui::Window& mainWindow, const ResultList& list,
                      std::string_view suggestedName) {
    const std::optional<std::string> chosen = ui::FileDialogs::askSaveFileName(
        {std::string(kExportCaption), std::string(suggestedName), "CSV 文件", "csv"});
    if (!chosen) {
        return;
    }
    const std::filesystem::path path = text::pathFromUtf8(*chosen);
    std::error_code ignored;
    if (std::filesystem::is_regular_file(path, ignored) &&
        ui::MessageBoxes::show("文件已经存在，要替换它吗？\n" + *chosen, kExportMessageCaption,
                               ui::BoxButtons::YesNo) != ui::BoxAnswer::Yes) {
        return;
    }
    const std::error_code error = text::writeFileReplacing(path, resultListCsv(mainWindow, list));
    if (error) {
        ui::MessageBoxes::show("导出失败，无法写入文件：\n" + *chosen + "\n（" +
                                   text::writeFailureReason(error) + "）",
                               kExportMessageCaption);
    }
}

}  // namespace

std::string resultListCsv(const ui::Window& mainWindow, const ResultList& list) {
    // The file is meant for spreadsheets: cells such as "-6301-2ZNR 轴承" must show as text,
    // not as a formula in error.
    constexpr auto kCells = text::CsvCells::ShownAsText;
    std::string csv(text::kUtf8ByteOrderMark);
    text::appendCsvRecord(csv, listHeadings(mainWindow, list), kCells);
    // In the order the list shows its rows, sorted or not.
    const std::vector<int> rows = mainWindow.rowsInShownOrder(list.listName);
    csv.reserve(csv.size() + rows.size() * 128);
    std::vector<std::string> cells;
    for (const int row : rows) {
        readListRow(mainWindow, list, row, cells);
        text::appendCsvRecord(csv, cells, kCells);
    }
    return csv;
}

void exportBearingList(ui::Window& mainWindow) {
    exportResultList(mainWindow, kBearingList, "轴承列表.csv");
}

void exportImportedPriceList(ui::Window& mainWindow) {
    exportResultList(mainWindow, kImportedPriceList, "进口轴承价格.csv");
}

void exportDomesticPriceList(ui::Window& mainWindow) {
    exportResultList(mainWindow, kDomesticPriceList, "国产轴承价格.csv");
}

}  // namespace lz::query
