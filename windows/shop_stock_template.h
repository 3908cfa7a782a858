#pragma once

#include <string_view>

#include "ui/window_template.h"

namespace lz::windows {

inline constexpr std::string_view kShopStockWindowName = "shop_stock";
// Its controls, as the actions name them.
inline constexpr std::string_view kShopStockList = "列表_本店库存";
inline constexpr std::string_view kShopStockFilter = "编辑框_筛选";
inline constexpr std::string_view kShopStockImportInfo = "标签_导入";
inline constexpr std::string_view kShopStockCounts = "标签_计数";
inline constexpr std::string_view kShopStockImportButton = "按钮_导入";
inline constexpr std::string_view kShopStockExportButton = "按钮_导出";
inline constexpr std::string_view kShopStockUndoButton = "按钮_撤销";
inline constexpr std::string_view kShopStockCloseButton = "按钮_关闭";
// The list's context menu: "加入报价单" (Ctrl+Q anywhere in the window).
inline constexpr std::string_view kShopStockMenu = "右键_本店库存";
inline constexpr int kShopStockAddToQuoteItem = 0;

// "本店库存": the shop's own stock list (型号 as imported, 品牌, 数量, 售价, 货位, 备注,
// 匹配型号, 状态) with a filter box, sorting by any heading, export, undo of the last
// import and a way to import another list.
const ui::WindowTemplate& shopStockWindowTemplate();

}  // namespace lz::windows
