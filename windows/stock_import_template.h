#pragma once

#include <array>
#include <string_view>

#include "ui/window_template.h"

namespace lz::windows {

inline constexpr std::string_view kStockImportWindowName = "stock_import";
// Its controls, as the actions name them.
inline constexpr std::string_view kStockImportFile = "编辑框_文件";
inline constexpr std::string_view kStockImportSheet = "组合框_工作表";
inline constexpr std::string_view kStockImportHeader = "标签_表头";
// One drop-down list per field of the shop's list, in the order 型号, 品牌, 数量, 单价,
// 进价, 货位, 备注; each lists "（无）" and then the sheet's columns.
inline constexpr std::array<std::string_view, 7> kStockImportFieldBoxes = {
    "组合框_型号", "组合框_品牌", "组合框_数量", "组合框_单价",
    "组合框_进价", "组合框_货位", "组合框_备注"};
inline constexpr std::string_view kStockImportCounts = "标签_计数";
// Which lines the preview shows: the first 20, or every line of one state.
inline constexpr std::string_view kStockImportShown = "组合框_显示";
inline constexpr std::string_view kStockImportPreview = "列表_预览";
inline constexpr std::string_view kStockImportChoiceHint = "标签_选择";
inline constexpr std::string_view kStockImportSearchBox = "编辑框_查找";
inline constexpr std::string_view kStockImportSearchButton = "按钮_查找";
inline constexpr std::string_view kStockImportCandidates = "列表_候选";
inline constexpr std::string_view kStockImportChooseButton = "按钮_采用";
inline constexpr std::string_view kStockImportImportButton = "按钮_导入";
inline constexpr std::string_view kStockImportCancelButton = "按钮_取消";

// "导入本店库存": confirms or changes which column holds which field, previews the lines
// cleaned and matched with the counts of each state, lets the user pick a bearing for a
// "待确认" or "未匹配" line, then imports or cancels. Opened modal.
const ui::WindowTemplate& stockImportWindowTemplate();

}  // namespace lz::windows
