#pragma once

#include <string>
#include <string_view>

#include "query/result_lists.h"

namespace lz::ui {
class Window;
}

namespace lz::query {

inline constexpr std::string_view kExportCaption = "导出为 CSV 文件";
inline constexpr std::string_view kExportMessageCaption = "提示信息";

// "导出…" of a result list's context menu: asks for a file name, then saves the whole
// list there as CSV (UTF-8 with a byte-order mark, the headings first), for spreadsheets:
// a cell they would take for a formula gets a leading apostrophe (CsvCells::ShownAsText). An
// existing file is replaced only when the user says so; a failed write says so and leaves no
// partial file under the chosen name.
void exportBearingList(ui::Window& mainWindow);
void exportImportedPriceList(ui::Window& mainWindow);
void exportDomesticPriceList(ui::Window& mainWindow);

// The whole list as the exported file holds it.
std::string resultListCsv(const ui::Window& mainWindow, const ResultList& list);

}  // namespace lz::query
