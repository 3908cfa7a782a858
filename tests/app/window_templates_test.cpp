#include <gtest/gtest.h>

#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "ui/frame_allowance.h"
#include "ui/window_manager.h"
#include "ui/window_template.h"
#include "windows/designation_assistant_template.h"
#include "windows/main_window_template.h"
#include "windows/picture_window_template.h"
#include "windows/quote_window_template.h"
#include "windows/shop_stock_template.h"
#include "windows/stock_import_template.h"
#include "windows/web_window_templates.h"

namespace {

using lz::ui::ControlTemplate;
using lz::ui::WindowTemplate;

std::vector<const WindowTemplate*> allTemplates() {
    return {&lz::windows::mainWindowTemplate(),
            &lz::windows::bearingPictureWindowTemplate(),
            &lz::windows::importedPriceWebWindowTemplate(),
            &lz::windows::domesticPriceWebWindowTemplate(),
            &lz::windows::designationAssistantWindowTemplate(),
            &lz::windows::shopStockWindowTemplate(),
            &lz::windows::stockImportWindowTemplate(),
            &lz::windows::quoteWindowTemplate(),
            &lz::windows::quoteHistoryWindowTemplate(),
            &lz::windows::shopHeaderWindowTemplate()};
}

const ControlTemplate& control(const WindowTemplate& window, std::string_view name) {
    for (const ControlTemplate& candidate : window.controls) {
        if (candidate.name == name) {
            return candidate;
        }
    }
    ADD_FAILURE() << "no control " << name << " in " << window.name;
    static const ControlTemplate missing;
    return missing;
}

// Tab stops by kind: on for what takes input, off for everything else.
bool takesTabStop(lz::ui::ControlKind kind) {
    using lz::ui::ControlKind;
    switch (kind) {
        case ControlKind::Button:
        case ControlKind::EditBox:
        case ControlKind::ComboBox:
        case ControlKind::RadioButton:
        case ControlKind::CheckBox:
        case ControlKind::WebView:
            return true;
        case ControlKind::Label:
        case ControlKind::GroupBox:
        case ControlKind::TabControl:
        case ControlKind::ListView:
        case ControlKind::PictureBox:
        case ControlKind::StatusBar:
        case ControlKind::ToolBar:
        case ControlKind::Menu:
        case ControlKind::DatabaseConnection:
        case ControlKind::RecordSet:
            return false;
    }
    return false;
}

TEST(WindowTemplates, AreSoundAndConsistentWithTheirRules) {
    std::set<std::string_view> windowNames;
    for (const WindowTemplate* window : allTemplates()) {
        SCOPED_TRACE(std::string(window->name));
        // The window manager tells open windows apart by template name.
        EXPECT_TRUE(windowNames.insert(window->name).second);
        EXPECT_EQ(lz::ui::validateTemplate(*window), "");

        std::set<std::string_view> controlNames;
        for (const ControlTemplate& each : window->controls) {
            EXPECT_TRUE(controlNames.insert(each.name).second) << "duplicate " << each.name;
            EXPECT_EQ(each.tabStop, takesTabStop(each.kind)) << each.name;
        }
    }
    // And a few by name, so that a wrong kind cannot hide a wrong flag.
    const WindowTemplate& main = lz::windows::mainWindowTemplate();
    for (const char* stop :
         {"按钮1", "编辑框_内径", "组合框_品牌", "单选框6", "选择框1", "超文本浏览框1", "按钮11"}) {
        EXPECT_TRUE(control(main, stop).tabStop) << stop;
    }
    for (const char* skipped :
         {"标签12", "分组框1", "选择夹1", "超级列表框_主窗口", "图片框2", "状态条", "工具条"}) {
        EXPECT_FALSE(control(main, skipped).tabStop) << skipped;
    }
}

// The 型号助手: a tool window of the main window whose tab control holds everything, a page
// per way of finding a bearing, and whose lists have their columns in the order named once.
TEST(DesignationAssistantTemplate, IsAToolWindowWithAPagePerWayOfFindingABearing) {
    const WindowTemplate& assistant = lz::windows::designationAssistantWindowTemplate();
    EXPECT_EQ(assistant.ownerWindow, lz::windows::kMainWindowName);
    EXPECT_EQ(assistant.title, "型号助手");
    const ControlTemplate& pages = control(assistant, "选择夹_型号助手");
    EXPECT_EQ(pages.pages, (std::vector<std::string_view>{"按型号", "按实测尺寸"}));
    EXPECT_TRUE(pages.tabStrip);
    for (const ControlTemplate& each : assistant.controls) {
        // Its context menu pops up over the window, on no page.
        if (each.name != pages.name && each.kind != lz::ui::ControlKind::Menu) {
            EXPECT_EQ(each.container, pages.name) << each.name;
            EXPECT_TRUE(each.page == 0 || each.page == 1) << each.name;
            // Inside the tab control's page, below its strip.
            EXPECT_GE(each.geometry.left, 4) << each.name;
            EXPECT_GE(each.geometry.top, 30) << each.name;
            EXPECT_LE(each.geometry.left + each.geometry.width, pages.geometry.width - 4)
                << each.name;
            EXPECT_LE(each.geometry.top + each.geometry.height, pages.geometry.height - 4)
                << each.name;
        }
    }
    const auto titles = [&](std::string_view list) {
        std::vector<std::string_view> texts;
        int width = 0;
        for (const auto& column : control(assistant, list).columns) {
            texts.push_back(column.title);
            width += column.width;
            EXPECT_EQ(column.sort, lz::ui::ColumnSort::None) << "the rows stand ranked";
        }
        // No horizontal scroll bar beside the vertical one.
        EXPECT_LE(width, control(assistant, list).geometry.width - 30) << list;
        return texts;
    };
    // The shop's two columns last, so the catalogue's keep their places.
    EXPECT_EQ(titles("超级列表框_型号助手"),
              (std::vector<std::string_view>{"轴承名称", "新型号", "品牌", "内径", "外径", "厚度",
                                             "差异", "本店库存", "本店价"}));
    EXPECT_EQ(control(assistant, "按钮_本店库存").text, "本店库存");
    EXPECT_EQ(titles("超级列表框_实测尺寸"),
              (std::vector<std::string_view>{"轴承名称", "新型号", "品牌", "内径", "外径", "厚度",
                                             "偏差"}));
    const ControlTemplate& panel = control(assistant, "编辑框_型号解读");
    EXPECT_TRUE(panel.multiLine && panel.readOnly && panel.wordWrap);
    const ControlTemplate& input = control(assistant, "编辑框_型号");
    EXPECT_GE(input.settleMs, 0);
    EXPECT_LE(input.settleMs, 20) << "part of the 50 ms from a key to the list";
    // The input is the first tab stop, so it has the focus when the window opens.
    for (const ControlTemplate& each : assistant.controls) {
        if (each.tabStop) {
            EXPECT_EQ(each.name, "编辑框_型号");
            break;
        }
    }
    // "按实测尺寸" starts in millimetres, with the usual tolerances, among every type.
    EXPECT_EQ(control(assistant, "编辑框_公差").text, "0.10");
    EXPECT_EQ(control(assistant, "编辑框_厚度公差").text, "0.20");
    EXPECT_TRUE(control(assistant, "单选框_毫米").checked);
    EXPECT_FALSE(control(assistant, "单选框_英寸").checked);
    EXPECT_EQ(control(assistant, "组合框_轴承类型").text, "全部");
}

TEST(MainWindowTemplate, HidesExactlyTheFourUnreachableButtons) {
    std::set<std::string_view> hidden;
    for (const ControlTemplate& each : lz::windows::mainWindowTemplate().controls) {
        if (!each.visible) {
            hidden.insert(each.name);
        }
    }
    EXPECT_EQ(hidden, (std::set<std::string_view>{"按钮2", "按钮3", "按钮4", "按钮11"}));
}

TEST(MainWindowTemplate, BothBrandCombosOfferTheSameBrandsWithAnyLast) {
    const WindowTemplate& main = lz::windows::mainWindowTemplate();
    const ControlTemplate& search = control(main, "组合框_品牌");
    const ControlTemplate& importedPrices = control(main, "组合框3");
    EXPECT_EQ(search.items, importedPrices.items);
    ASSERT_EQ(search.items.size(), 34u);
    EXPECT_EQ(search.items.back(), "全部");
    EXPECT_EQ(control(main, "组合框_类型").items.size(), 23u);
    EXPECT_EQ(control(main, "组合框4").items.size(), 22u);
}

TEST(MainWindowTemplate, HelpTextIsTheEightPiecesEachFollowedByAnEmptyLine) {
    const std::vector<std::string_view> pieces{
        "使用帮助：",
        "1.本软件可以查询轴承型号，进口轴承价格及国产轴承价",
        "格。",
        "2.输入搜索条件后，点击搜索或查询按钮即可。",
        "3.鼠标双击某条型号，可以查看该型号的图形信息。",
        "4.本软件可以本地查询与联网查询，请选择相应按钮。",
        "5.本系统共收录轴承型号记录6万多条，进口轴承价格记录",
        "16,000多条，国产轴承价格记录25,000多条。",
    };
    std::string expected;
    for (std::string_view piece : pieces) {
        expected.append(piece).append("\r\n\r\n");
    }
    EXPECT_EQ(control(lz::windows::mainWindowTemplate(), "标签4").text, expected);
}

// The shop's windows: the texts the issue names, and every control inside the window.
TEST(WindowTemplates, TheShopWindowsSayWhatTheyDoAndFitTheirFrames) {
    using lz::ui::ControlKind;
    const WindowTemplate& stock = lz::windows::shopStockWindowTemplate();
    EXPECT_EQ(stock.title, "本店库存");
    std::vector<std::string_view> headings;
    for (const auto& column : control(stock, lz::windows::kShopStockList).columns) {
        headings.push_back(column.title);
    }
    EXPECT_EQ(headings, (std::vector<std::string_view>{"型号", "品牌", "数量", "售价", "货位",
                                                       "备注", "匹配型号", "状态"}));
    EXPECT_TRUE(control(stock, lz::windows::kShopStockList).sortableColumns);
    EXPECT_EQ(control(stock, lz::windows::kShopStockExportButton).text, "导出…");
    EXPECT_EQ(control(stock, lz::windows::kShopStockUndoButton).text, "撤销上次导入");

    const WindowTemplate& dialog = lz::windows::stockImportWindowTemplate();
    EXPECT_EQ(dialog.title, "导入本店库存");
    const char* fields[] = {"型号：", "品牌：", "数量：", "单价：", "进价：", "货位：", "备注："};
    int labelled = 0;
    for (const ControlTemplate& each : dialog.controls) {
        if (each.kind == ControlKind::ComboBox) {
            EXPECT_TRUE(each.dropDownList) << each.name << ": nothing to type";
        }
        for (const char* field : fields) {
            labelled += each.kind == ControlKind::Label && each.text == field;
        }
    }
    EXPECT_EQ(labelled, 7);
    EXPECT_EQ(control(dialog, lz::windows::kStockImportImportButton).text, "导入");
    EXPECT_EQ(control(dialog, lz::windows::kStockImportCancelButton).text, "取消");

    const auto& menu = control(lz::windows::mainWindowTemplate(), "右键").menuItems;
    ASSERT_EQ(menu.size(), 9u);
    EXPECT_EQ(menu[0].caption, "查看") << "the earlier items keep their places";
    EXPECT_EQ(menu[4].caption, "导出…");
    EXPECT_EQ(menu[5].caption, "本店库存");
    EXPECT_EQ(menu[6].caption, "导入本店库存…");

    for (const WindowTemplate* window : {&stock, &dialog}) {
        const int width = lz::ui::clientWidthFor(window->outerWidth);
        const int height = lz::ui::clientHeightFor(window->outerHeight);
        for (const ControlTemplate& each : window->controls) {
            const auto& box = each.geometry;
            EXPECT_GE(box.left, 0) << each.name;
            EXPECT_GE(box.top, 0) << each.name;
            EXPECT_LE(box.left + box.width, width) << window->name << " / " << each.name;
            EXPECT_LE(box.top + box.height, height) << window->name << " / " << each.name;
        }
    }
}

// "加入报价单" stands at the end of every menu of a bearing list, after the items that were
// there before (the bindings and the tests name items by their index), with Ctrl+Q where
// the key is the window's own.
TEST(WindowTemplates, AddToQuoteComesAfterTheEarlierMenuItems) {
    struct Menu {
        const WindowTemplate& window;
        std::string_view name;
        std::vector<std::string_view> captions;
        std::vector<std::string_view> shortcuts;
    };
    const Menu menus[] = {
        {lz::windows::mainWindowTemplate(),
         "右键",
         {"查看", "互换型号", "型号解读", "按任意型号查找…", "导出…", "本店库存", "导入本店库存…",
          "加入报价单", "报价单…"},
         {"", "", "", "Ctrl+F", "", "", "", "Ctrl+Q", ""}},
        {lz::windows::mainWindowTemplate(), "右键1", {"导出…", "加入报价单"}, {"", ""}},
        {lz::windows::mainWindowTemplate(), "右键2", {"导出…", "加入报价单"}, {"", ""}},
        {lz::windows::designationAssistantWindowTemplate(),
         lz::windows::kAssistantMenu,
         {"加入报价单"},
         {"Ctrl+Q"}},
        {lz::windows::shopStockWindowTemplate(),
         lz::windows::kShopStockMenu,
         {"加入报价单"},
         {"Ctrl+Q"}},
    };
    for (const Menu& menu : menus) {
        SCOPED_TRACE(std::string(menu.name));
        std::vector<std::string_view> captions;
        std::vector<std::string_view> shortcuts;
        for (const auto& item : control(menu.window, menu.name).menuItems) {
            captions.push_back(item.caption);
            shortcuts.push_back(item.shortcut);
        }
        EXPECT_EQ(captions, menu.captions);
        EXPECT_EQ(shortcuts, menu.shortcuts);
    }
}

// The 报价单 window: every field of the quote and of a line has its box, the list its
// columns in the order of the printed table, and everything fits the frame.
TEST(WindowTemplates, TheQuoteWindowsHoldEveryFieldAndFitTheirFrames) {
    using lz::ui::ControlKind;
    const WindowTemplate& quote = lz::windows::quoteWindowTemplate();
    EXPECT_EQ(quote.title, "报价单");
    std::vector<std::string_view> labels;
    std::vector<std::string_view> buttons;
    for (const ControlTemplate& each : quote.controls) {
        if (each.kind == ControlKind::Label && !each.text.empty()) {
            labels.push_back(each.text);
        }
        if (each.kind == ControlKind::Button) {
            buttons.push_back(each.text);
        }
    }
    EXPECT_EQ(labels,
              (std::vector<std::string_view>{
                  "客户：", "联系人：", "报价人：", "单号：", "日期：", "有效期：", "天",
                  "税率：", "%",        "运费：",   "调整：", "备注：", "所选行：", "询价型号：",
                  "型号：", "品牌：",   "数量：",   "单位：", "单价：", "货期：",   "备注："}));
    EXPECT_EQ(buttons,
              (std::vector<std::string_view>{"新建", "历史报价单…", "本店信息…", "从询价单导入…",
                                             "打印预览…", "保存为 PDF…", "导出…", "删除行"}));
    std::vector<std::string_view> headings;
    for (const auto& column : control(quote, lz::windows::kQuoteLines).columns) {
        headings.push_back(column.title);
    }
    EXPECT_EQ(headings,
              (std::vector<std::string_view>{"询价型号", "型号", "品牌", "数量", "单位", "单价",
                                             "价格来源", "金额", "货期", "备注", "匹配"}));
    EXPECT_TRUE(control(quote, lz::windows::kQuoteNumber).readOnly) << "handed out, not typed";
    EXPECT_EQ(control(quote, lz::windows::kQuoteTaxBasis).items,
              (std::vector<std::string_view>{"含税", "不含税"}));

    for (const WindowTemplate* window : {&quote, &lz::windows::quoteHistoryWindowTemplate(),
                                         &lz::windows::shopHeaderWindowTemplate()}) {
        const int width = lz::ui::clientWidthFor(window->outerWidth);
        const int height = lz::ui::clientHeightFor(window->outerHeight);
        for (const ControlTemplate& each : window->controls) {
            const auto& box = each.geometry;
            EXPECT_LE(box.left + box.width, width) << window->name << " / " << each.name;
            EXPECT_LE(box.top + box.height, height) << window->name << " / " << each.name;
        }
    }
}

}  // namespace
