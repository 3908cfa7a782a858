#include "windows/main_window_template.h"

#include <string_view>
#include <utility>
#include <vector>

#include "windows/main_window_pages.h"
#include "windows/template_helpers.h"
#include "windows/web_addresses.h"

namespace lz::windows {

namespace {

using ui::ControlKind;
using ui::ControlTemplate;

// A placeholder that reads as one at a glance: the program publishes no real line.
constexpr std::string_view kTelephonePane = "电话：000-00000000（示例）";

std::vector<ControlTemplate> windowLevelControls() {
    return {
        // Button index = what the click event passes; buttons 1 to 6 pick pages 0 to 5.
        {.kind = ControlKind::ToolBar,
         .name = "工具条",
         .geometry = {0, 0, 794, 24},
         .buttons = {{.separator = true},
                     {.picture = 71, .caption = "轴承数据", .tooltip = "轴承"},
                     {.picture = 14, .caption = "进口价格查询", .tooltip = "进口价格查询"},
                     {.picture = 14, .caption = "国产价格查询", .tooltip = "国产价格查询"},
                     {.picture = 64, .caption = "轴承知识", .tooltip = "轴承知识"},
                     {.picture = 81, .caption = "进口轴承经销商", .tooltip = "进口轴承经销商"},
                     {.picture = 0, .caption = "帮助", .tooltip = "帮助"}}},
        // No strip: the toolbar is the only way between the pages.
        {.kind = ControlKind::TabControl,
         .name = kMainPages,
         .geometry = {0, 49, 800, 551},
         .pages = {"轴承", "进口价格", "国产价格", "知识", "经销商", "帮助"},
         .tabStrip = false,
         .currentPage = 0},
        // Docked at the bottom; the stored geometry is kept only as the layout recorded it.
        {.kind = ControlKind::StatusBar,
         .name = "状态条",
         .geometry = {-48, 588, 794, 20},
         .panes = {{230, "研发企业：澈屿轴承有限公司"},
                   {210, kTelephonePane},
                   {200, windows::kCompanySite}}},
        // Only ever the bearing list's context menu, never a menu bar. Its lookup item
        // (the 型号助手) answers Ctrl+F anywhere in the window.
        {.kind = ControlKind::Menu,
         .name = "右键",
         .text = "右键",
         .menuItems = {{"查看"},
                       {"互换型号"},
                       {"型号解读"},
                       {"按任意型号查找…", "Ctrl+F"},
                       {"导出…"},
                       {"本店库存"},
                       {"导入本店库存…"},
                       // Ctrl+Q anywhere in the window: the list of the page shown.
                       {"加入报价单", "Ctrl+Q"},
                       {"报价单…"}},
         .hiddenTopLevel = true},
        // The context menus of the two price lists.
        {.kind = ControlKind::Menu,
         .name = "右键1",
         .text = "右键1",
         .menuItems = {{"导出…"}, {"加入报价单"}},
         .hiddenTopLevel = true},
        {.kind = ControlKind::Menu,
         .name = "右键2",
         .text = "右键2",
         .menuItems = {{"导出…"}, {"加入报价单"}},
         .hiddenTopLevel = true},
        {.kind = ControlKind::DatabaseConnection, .name = kMainCatalogueConnection},
        {.kind = ControlKind::RecordSet, .name = "记录集1"},
    };
}

std::vector<ControlTemplate> allControls() {
    std::vector<ControlTemplate> controls = windowLevelControls();
    for (auto page : {detail::bearingSearchPageControls, detail::importedPricePageControls,
                      detail::domesticPricePageControls, detail::referencePagesControls}) {
        std::vector<ControlTemplate> pageControls = page();
        controls.insert(controls.end(), pageControls.begin(), pageControls.end());
    }
    return withKindTabStops(std::move(controls));
}

}  // namespace

const ui::WindowTemplate& mainWindowTemplate() {
    static const ui::WindowTemplate main{
        .name = kMainWindowName,
        .title = "翎轴V2.4",
        .outerWidth = 813,
        .outerHeight = 660,
        .minimiseBox = true,
        .stayOnTop = false,
        .controls = allControls(),
        .wiredEvents =
            {
                {"", ui::EventKind::Created},
                {"工具条", ui::EventKind::ToolButtonClicked},
                {"标签12", ui::EventKind::LeftButtonPressed},
                {"超级列表框_主窗口", ui::EventKind::RightClicked},
                {"超级列表框_主窗口", ui::EventKind::CurrentItemChanged},
                {"超级列表框_主窗口", ui::EventKind::RowDoubleClicked},
                {"右键", ui::EventKind::ItemSelected},
                {"按钮1", ui::EventKind::Clicked},
                {"按钮搜索", ui::EventKind::Clicked},
                {"按钮2", ui::EventKind::Clicked},
                {"按钮3", ui::EventKind::Clicked},
                {"按钮11", ui::EventKind::Clicked},
                {"按钮4", ui::EventKind::Clicked},
                {"按钮12", ui::EventKind::Clicked},
                {"按钮5", ui::EventKind::Clicked},
                {"按钮_查询国产", ui::EventKind::Clicked},
                {"按钮9", ui::EventKind::Clicked},
                {"编辑框1", ui::EventKind::EnterPressed},
                {"编辑框_内径", ui::EventKind::EnterPressed},
                {"编辑框_外径", ui::EventKind::EnterPressed},
                {"编辑框_厚度", ui::EventKind::EnterPressed},
                {"组合框_品牌", ui::EventKind::EnterPressed},
                {"组合框_类型", ui::EventKind::EnterPressed},
                {"编辑框2", ui::EventKind::EnterPressed},
                {"组合框3", ui::EventKind::EnterPressed},
                {"编辑框3", ui::EventKind::EnterPressed},
                {"组合框4", ui::EventKind::EnterPressed},
                {"超级列表框_主窗口", ui::EventKind::CopyPressed},
                {"超级列表框_主窗口1", ui::EventKind::RightClicked},
                {"超级列表框_主窗口1", ui::EventKind::CopyPressed},
                {"右键1", ui::EventKind::ItemSelected},
                {"超级列表框_主窗口2", ui::EventKind::RightClicked},
                {"超级列表框_主窗口2", ui::EventKind::CopyPressed},
                {"右键2", ui::EventKind::ItemSelected},
            },
    };
    return main;
}

}  // namespace lz::windows
