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

// Why a write failed, in the user's words where the cause is a common one.
std::string reasonOf(const std::error_code& error) {
    using std::errc;
    const std::error_condition cause = error.default_error_condition();
    if (cause == errc::no_such_file_or_directory) {
        return "文件夹不存在";
    }
    if (cause == errc::not_a_directory) {
        return "路径中有不是文件夹的部分";
    }
    if (cause == errc::permission_denied || cause == errc::operation_not_permitted) {
        return "没有写入权限";
    }
    if (cause == errc::read_only_file_system) {
        return "该位置只读";
    }
    if (cause == errc::no_space_on_device) {
        return "磁盘空间不足";
    }
    if (cause == errc::file_too_large) {
        return "文件超出允许的大小";
    }
    if (cause == errc::is_a_directory) {
        return "这是一个文件夹";
    }
    if (cause == errc::filename_too_long) {
        return "文件名太长";
    }
    return error.message();
}

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
        ui::MessageBoxes::show(
            "导出失败，无法写入文件：\n" + *chosen + "\n（" + reasonOf(error) + "）",
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
