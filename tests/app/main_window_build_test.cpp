// The real main window as built from its template: every control where the template puts
// it, the hidden buttons never shown, the start state of the search controls.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QHeaderView>
#include <QTableView>
#include <QWidget>

#include "app/ui/window.h"
#include "app/windows/main_window_template.h"
#include "tests/app_support/main_window_fixture.h"

namespace lz::test {
namespace {

using ui::ControlKind;

bool isDocked(ControlKind kind) {
    return kind == ControlKind::ToolBar || kind == ControlKind::StatusBar;
}

bool isNonVisual(ControlKind kind) {
    return kind == ControlKind::Menu || kind == ControlKind::DatabaseConnection ||
           kind == ControlKind::RecordSet;
}

using MainWindowBuildTest = MainWindowTest;

TEST_F(MainWindowBuildTest, EveryControlStandsInItsContainerAtItsGeometry) {
    ui::Window* main = openMainWindow();
    ASSERT_NE(main, nullptr);
    for (const ui::ControlTemplate& control : windows::mainWindowTemplate().controls) {
        if (isNonVisual(control.kind)) {
            continue;
        }
        SCOPED_TRACE(std::string(control.name));
        QWidget* widget = main->widgetForTesting(control.name);
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->objectName().toStdString(), control.name);
        if (isDocked(control.kind)) {
            continue;
        }
        const QWidget* container = control.container.empty()
                                       ? main->widgetForTesting()
                                       : main->widgetForTesting(control.container);
        EXPECT_EQ(widget->parentWidget(), container);
        const auto& g = control.geometry;
        EXPECT_EQ(widget->geometry(), QRect(g.left, g.top, g.width, g.height));
    }
}

TEST_F(MainWindowBuildTest, HiddenButtonsStayHiddenWhenTheirPageComesBack) {
    ui::Window* main = openMainWindow();
    ASSERT_NE(main, nullptr);
    main->setCurrentPage("选择夹1", 1);
    EXPECT_FALSE(main->isVisible("按钮1"));
    main->setCurrentPage("选择夹1", 0);
    EXPECT_TRUE(main->isVisible("按钮1"));
    EXPECT_TRUE(main->isVisible("按钮搜索"));
    for (const char* hidden : {"按钮2", "按钮3", "按钮4", "按钮11"}) {
        EXPECT_FALSE(main->isVisible(hidden)) << hidden;
    }
}

TEST_F(MainWindowBuildTest, StartsOnTheBearingPageWithItsSearchControlsAtRest) {
    ui::Window* main = openMainWindow();
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(main->currentPage("选择夹1"), 0);
    for (const char* inner : {"选择夹2", "选择夹3", "选择夹4"}) {
        EXPECT_EQ(main->currentPage(inner), 0) << inner;
    }
    EXPECT_TRUE(main->isChecked("单选框1"));
    EXPECT_TRUE(main->isChecked("单选框6"));
    EXPECT_FALSE(main->isChecked("选择框1"));
    for (const char* combo : {"组合框_品牌", "组合框_类型", "组合框3", "组合框4"}) {
        EXPECT_EQ(main->text(combo), "全部") << combo;
    }
    auto* brands = qobject_cast<QComboBox*>(main->widgetForTesting("组合框_品牌"));
    ASSERT_NE(brands, nullptr);
    EXPECT_EQ(brands->count(), 34);
    EXPECT_EQ(brands->itemText(0), "AET");
    EXPECT_EQ(brands->itemText(33), "全部");
}

TEST_F(MainWindowBuildTest, BearingListHasItsTenHeadingsAndWidths) {
    ui::Window* main = openMainWindow();
    ASSERT_NE(main, nullptr);
    auto* list = qobject_cast<QTableView*>(main->widgetForTesting("超级列表框_主窗口"));
    ASSERT_NE(list, nullptr);
    const std::vector<std::pair<QString, int>> expected = {
        {"ID", 50},  {"轴承名称", 120}, {"新型号", 80},   {"旧型号", 80},    {"内径", 60},
        {"外径", 60}, {"厚度", 60},     {"品牌", 50},     {"轴承类型", 100}, {"详细说明", 260}};
    ASSERT_EQ(list->model()->columnCount(), 10);
    for (int column = 0; column < 10; ++column) {
        EXPECT_EQ(list->model()->headerData(column, Qt::Horizontal).toString(),
                  expected[column].first);
        EXPECT_EQ(list->horizontalHeader()->sectionSize(column), expected[column].second);
    }
}

}  // namespace
}  // namespace lz::test
