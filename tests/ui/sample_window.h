#pragma once

#include "ui/window_template.h"

namespace lz::ui::testing {

// A small window with one control of every kind: a toolbar, a status bar, a strip-less
// tab control whose page 0 holds a group box of search controls and page 1 a list, a
// picture box, a web view and a multi-line edit box, and the non-visual kinds.
inline WindowTemplate sampleWindow() {
    WindowTemplate window;
    window.name = "样例窗口";
    window.title = "样例";
    window.outerWidth = 408;
    window.outerHeight = 331;  // client 400 x 300
    window.minimiseBox = true;

    auto add = [&window](ControlKind kind, std::string_view name, Rect geometry,
                         std::string_view container = {}, int page = -1) -> ControlTemplate& {
        ControlTemplate control;
        control.kind = kind;
        control.name = name;
        control.geometry = geometry;
        control.container = container;
        control.page = page;
        control.tabStop = isTabStopKind(kind);
        window.controls.push_back(control);
        return window.controls.back();
    };

    add(ControlKind::ToolBar, "工具条", {0, 0, 394, 24}).buttons = {
        {true, -1, {}, {}}, {false, 1, "甲", "甲提示"}, {false, 2, "乙", "乙提示"}};
    auto& tabs = add(ControlKind::TabControl, "选择夹", {0, 49, 390, 230});
    tabs.pages = {"一", "二"};
    tabs.tabStrip = false;

    add(ControlKind::GroupBox, "分组框", {3, -4, 380, 74}, "选择夹", 0);
    auto& radio1 = add(ControlKind::RadioButton, "单选框1", {8, 16, 70, 24}, "分组框");
    radio1.text = "新型号";
    radio1.checked = true;
    add(ControlKind::RadioButton, "单选框2", {80, 16, 70, 24}, "分组框").text = "旧型号";
    add(ControlKind::EditBox, "编辑框1", {160, 16, 80, 20}, "分组框");
    add(ControlKind::CheckBox, "选择框", {250, 16, 48, 24}, "分组框").text = "精确";
    auto& combo = add(ControlKind::ComboBox, "组合框", {8, 44, 100, 20}, "分组框");
    combo.text = "全部";
    combo.items = {"SKF", "AET", "全部"};
    add(ControlKind::Button, "按钮1", {120, 44, 56, 20}, "分组框").text = "搜索";
    auto& hidden = add(ControlKind::Button, "按钮隐藏", {120, 80, 72, 20}, "分组框");
    hidden.text = "隐藏";
    hidden.visible = false;
    auto& banner = add(ControlKind::Label, "标签", {14, 71, 360, 40}, "选择夹", 0);
    banner.text = "横幅\r\n第二行";
    banner.textColor = {255, 0, 0};
    banner.font = {30, 400, ""};
    banner.wordWrap = true;

    auto& list = add(ControlKind::ListView, "列表", {3, 0, 380, 100}, "选择夹", 1);
    list.columns = {{"ID", 50}, {"名称", 120}, {"型号", 80}};
    auto& hiddenOnPage = add(ControlKind::Button, "按钮隐藏2", {3, 104, 72, 20}, "选择夹", 1);
    hiddenOnPage.visible = false;
    add(ControlKind::Button, "按钮2", {80, 104, 72, 20}, "选择夹", 1).text = "按钮";
    add(ControlKind::PictureBox, "图片框", {160, 104, 60, 40}, "选择夹", 1);
    auto& web = add(ControlKind::WebView, "浏览框", {230, 104, 100, 60}, "选择夹", 1);
    web.startAddress = "http://example.invalid/";
    web.suppressScriptErrors = true;
    auto& engraved = add(ControlKind::Label, "标签2", {160, 150, 220, 40}, "选择夹", 1);
    engraved.text = "澜岳轴承";
    engraved.textColor = {255, 80, 128};
    engraved.font = {30, 700, "宋体"};
    engraved.hAlign = HAlign::Center;
    engraved.vAlign = VAlign::Center;
    engraved.wordWrap = true;
    engraved.engraved = true;
    auto& notes = add(ControlKind::EditBox, "编辑框9", {3, 130, 150, 60}, "选择夹", 1);
    notes.multiLine = true;
    notes.readOnly = true;
    notes.verticalScrollBar = true;
    notes.hasBackground = true;
    notes.background = {128, 128, 255};

    add(ControlKind::StatusBar, "状态条", {-48, 588, 394, 20}).panes = {{100, "一"}, {120, "二"}};
    auto& menu = add(ControlKind::Menu, "右键", {});
    menu.text = "右键";
    menu.menuItems = {{"查看"}, {"其它"}};
    menu.hiddenTopLevel = true;
    add(ControlKind::DatabaseConnection, "外部数据库1", {});
    add(ControlKind::RecordSet, "记录集1", {});
    return window;
}

}  // namespace lz::ui::testing
