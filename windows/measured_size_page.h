#pragma once

#include <array>
#include <cstddef>
#include <string_view>
#include <vector>

#include "catalogue/result_list_headings.h"
#include "ui/window_template.h"

namespace lz::windows {

// Page "按实测尺寸" of the 型号助手 (designation_assistant_template.h): finds a bearing whose
// stamp is gone by its sizes as measured with a caliper.
inline constexpr int kByMeasuredSizePage = 1;

// The measured sizes, the tolerances and what to search among.
inline constexpr std::string_view kMeasuredInner = "编辑框_实测内径";
inline constexpr std::string_view kMeasuredOuter = "编辑框_实测外径";
inline constexpr std::string_view kMeasuredWidth = "编辑框_实测厚度";
inline constexpr std::string_view kMeasuredTolerance = "编辑框_公差";
inline constexpr std::string_view kMeasuredWidthTolerance = "编辑框_厚度公差";
inline constexpr std::string_view kMeasuredMillimetres = "单选框_毫米";
inline constexpr std::string_view kMeasuredInches = "单选框_英寸";
inline constexpr std::string_view kMeasuredType = "组合框_轴承类型";
inline constexpr std::string_view kMeasuredSearch = "按钮_查找";

// Beside each input: why its value is refused; empty while it is not.
inline constexpr std::string_view kMeasuredInnerMessage = "标签_内径有误";
inline constexpr std::string_view kMeasuredOuterMessage = "标签_外径有误";
inline constexpr std::string_view kMeasuredWidthMessage = "标签_厚度有误";
inline constexpr std::string_view kMeasuredToleranceMessage = "标签_公差有误";
inline constexpr std::string_view kMeasuredWidthToleranceMessage = "标签_厚度公差有误";
inline constexpr std::string_view kMeasuredTypeMessage = "标签_轴承类型有误";

// The bearings found, the line under them and the way into the main window's list.
inline constexpr std::string_view kMeasuredList = "超级列表框_实测尺寸";
inline constexpr std::string_view kMeasuredStatus = "标签_实测查找结果";
inline constexpr std::string_view kMeasuredToBearingList = "按钮_实测列入轴承列表";

// A column of the result list: its title and width, and the cell of a listed row it shows,
// counted in the columns of a listing by measured size (the bearing list's ten, then the
// deviation: lz::sizes::kMeasuredListHeadings, which the fill checks the titles against).
struct MeasuredColumn {
    std::string_view title;
    int width = 0;
    std::size_t cell = 0;
};

inline constexpr std::size_t kDeviationCell = catalogue::kBearingListHeadings.size();

// The list is narrower than the bearing list: the columns that tell a size apart, and the
// deviation, wide enough for "d -0.020, D +0.020, B 0.000 mm，英制".
inline constexpr std::array<MeasuredColumn, 7> kMeasuredColumns = {{
    {catalogue::kBearingListHeadings[1], 112, 1},
    {catalogue::kBearingListHeadings[2], 76, 2},
    {catalogue::kBearingListHeadings[7], 46, 7},
    {catalogue::kBearingListHeadings[4], 48, 4},
    {catalogue::kBearingListHeadings[5], 48, 5},
    {catalogue::kBearingListHeadings[6], 44, 6},
    {"偏差", 262, kDeviationCell},
}};

// The page's controls, placed on page kByMeasuredSizePage of `tabControl`.
std::vector<ui::ControlTemplate> measuredSizePageControls(std::string_view tabControl);

// The events the page wires.
std::vector<ui::WiredEvent> measuredSizePageEvents();

}  // namespace lz::windows
