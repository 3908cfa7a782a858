#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace lz::ui {
class Window;
}

namespace lz::query {

// The page "按实测尺寸" of the 型号助手 (windows/measured_size_page.h): bearings found by
// their measured sizes, through the size search of query/sizes on the main window's
// catalogue connection and its size index (sizeIndexOf).

// Beside the type box when the text typed there is none of the catalogue's types.
inline constexpr std::string_view kUnknownBearingType = "没有这种轴承类型，请从列表中选择";
// Under the list when a value is refused and nothing was searched.
inline constexpr std::string_view kCorrectTheInputs = "未查找：请改正红字所示的输入";

// When the window is made: builds the size index and gives the type box "全部" and the
// catalogue's types. Without an index the box stays empty until a search finds one; each
// search gives it the types of the catalogue searched.
void prepareMeasuredSizePage(ui::Window& assistant);

// "查找", or Enter in any input. Every refused input gets its message beside it (and the
// others lose theirs); then nothing is searched and the list is emptied. Otherwise the list
// shows the bearings within tolerance, nearest first, under a heading per nominal size, each
// with its deviation; when none lies within tolerance the nearest, under
// "容差内无匹配，以下为最接近的型号". The line under the list says how many were found, or
// that the catalogue could not be read whole. No message box.
void searchByMeasuredSize(ui::Window& assistant);

// "列入轴承列表": the main window's bearing list shows the rows of the page's list, in the
// order shown.
void listMeasuredRowsInBearingList(ui::Window& assistant);

// The bearing number of the page's selected row; none without one.
std::optional<std::int32_t> selectedMeasuredBearing(const ui::Window& assistant);

}  // namespace lz::query
