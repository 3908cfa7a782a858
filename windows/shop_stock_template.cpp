#include "windows/shop_stock_template.h"

#include "windows/template_helpers.h"

namespace lz::windows {

const ui::WindowTemplate& shopStockWindowTemplate() {
    using ui::ControlKind;
    using ui::EventKind;
    static const ui::WindowTemplate window{
        .name = kShopStockWindowName,
        .title = "本店库存",
        .outerWidth = 808,
        .outerHeight = 560,
        .minimiseBox = true,
        .stayOnTop = false,
        .controls = withKindTabStops({
            {.kind = ControlKind::Label,
             .name = "标签_筛选",
             .geometry = {10, 13, 40, 20},
             .text = "筛选："},
            // First among the tab stops: typing filters at once.
            {.kind = ControlKind::EditBox, .name = kShopStockFilter, .geometry = {52, 10, 220, 22}},
            {.kind = ControlKind::Label,
             .name = kShopStockImportInfo,
             .geometry = {290, 13, 500, 20}},
            {.kind = ControlKind::ListView,
             .name = kShopStockList,
             .geometry = {10, 40, 780, 430},
             .columns = {{"型号", 130},
                         {"品牌", 80},
                         {"数量", 60},
                         {"售价", 80},
                         {"货位", 80},
                         {"备注", 150},
                         {"匹配型号", 110},
                         {"状态", 70}},
             .sortableColumns = true},
            {.kind = ControlKind::Label, .name = kShopStockCounts, .geometry = {10, 481, 410, 20}},
            {.kind = ControlKind::Button,
             .name = kShopStockImportButton,
             .geometry = {430, 476, 80, 26},
             .text = "导入…"},
            {.kind = ControlKind::Button,
             .name = kShopStockExportButton,
             .geometry = {516, 476, 80, 26},
             .text = "导出…"},
            {.kind = ControlKind::Button,
             .name = kShopStockUndoButton,
             .geometry = {602, 476, 110, 26},
             .text = "撤销上次导入"},
            {.kind = ControlKind::Button,
             .name = kShopStockCloseButton,
             .geometry = {718, 476, 72, 26},
             .text = "关闭"},
            {.kind = ControlKind::Menu,
             .name = kShopStockMenu,
             .text = kShopStockMenu,
             .menuItems = {{"加入报价单", "Ctrl+Q"}},
             .hiddenTopLevel = true},
        }),
        .wiredEvents =
            {
                {{}, EventKind::Created},
                {kShopStockFilter, EventKind::TextChanged},
                {kShopStockList, EventKind::HeaderClicked},
                {kShopStockImportButton, EventKind::Clicked},
                {kShopStockExportButton, EventKind::Clicked},
                {kShopStockUndoButton, EventKind::Clicked},
                {kShopStockCloseButton, EventKind::Clicked},
                {kShopStockList, EventKind::RightClicked},
                {kShopStockMenu, EventKind::ItemSelected},
            },
    };
    return window;
}

}  // namespace lz::windows
