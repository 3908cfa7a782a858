// The real main window as built from its template: every control where the template puts
// it, the hidden buttons never shown, the start state of the search controls.
#include <gtest/gtest.h>

#include <functional>

#include <QComboBox>
#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QTableView>
#include <QTest>
#include <QWidget>

#include "tests/app_support/main_window_fixture.h"
#include "ui/frame_allowance.h"
#include "ui/window.h"
#include "ui/window_manager.h"
#include "windows/main_window_template.h"
#include "windows/picture_window_template.h"
#include "windows/web_window_templates.h"

namespace lz::test {
namespace {

// Where a control stands: its container ("" for the window), the page of `选择夹1` it
// lives on (-1 on the window itself), and for the inner tab controls their own page.
struct Placement {
    const char* name;
    const char* container;
    int mainPage;
    int innerPage;
    QRect geometry;
};

// The main window's layout, control by control.
const Placement kPlacements[] = {
    {"选择夹1", "", -1, -1, {0, 49, 800, 551}},
    // Page 0, bearing search.
    {"分组框1", "选择夹1", 0, -1, {3, -4, 784, 74}},
    {"单选框1", "分组框1", 0, -1, {8, 16, 96, 24}},
    {"单选框2", "分组框1", 0, -1, {112, 16, 96, 24}},
    {"单选框3", "分组框1", 0, -1, {216, 16, 104, 24}},
    {"单选框4", "分组框1", 0, -1, {336, 16, 104, 24}},
    {"单选框5", "分组框1", 0, -1, {448, 16, 104, 24}},
    {"编辑框1", "分组框1", 0, -1, {560, 16, 101, 20}},
    {"选择框1", "分组框1", 0, -1, {669, 16, 48, 24}},
    {"按钮1", "分组框1", 0, -1, {720, 16, 56, 20}},
    {"标签5", "分组框1", 0, -1, {8, 48, 37, 20}},
    {"编辑框_内径", "分组框1", 0, -1, {45, 48, 80, 20}},
    {"标签6", "分组框1", 0, -1, {136, 48, 37, 20}},
    {"编辑框_外径", "分组框1", 0, -1, {176, 48, 80, 20}},
    {"标签7", "分组框1", 0, -1, {264, 48, 37, 20}},
    {"编辑框_厚度", "分组框1", 0, -1, {304, 48, 80, 20}},
    {"标签8", "分组框1", 0, -1, {397, 50, 32, 16}},
    {"组合框_品牌", "分组框1", 0, -1, {440, 48, 100, 20}},
    {"标签9", "分组框1", 0, -1, {544, 50, 32, 16}},
    {"组合框_类型", "分组框1", 0, -1, {587, 48, 100, 20}},
    {"按钮搜索", "分组框1", 0, -1, {700, 48, 72, 20}},
    {"按钮2", "分组框1", 0, -1, {112, 80, 72, 20}},
    {"按钮3", "分组框1", 0, -1, {296, 80, 72, 20}},
    {"按钮4", "分组框1", 0, -1, {376, 80, 72, 20}},
    {"按钮11", "分组框1", 0, -1, {448, 80, 101, 20}},
    {"标签12", "选择夹1", 0, -1, {14, 71, 761, 72}},
    {"超级列表框_主窗口", "选择夹1", 0, -1, {3, 142, 780, 401}},
    // Page 1, imported prices.
    {"分组框2", "选择夹1", 1, -1, {3, 0, 784, 40}},
    {"标签1", "分组框2", 1, -1, {5, 10, 56, 20}},
    {"编辑框2", "分组框2", 1, -1, {61, 12, 112, 20}},
    {"标签10", "分组框2", 1, -1, {181, 15, 40, 17}},
    {"组合框3", "分组框2", 1, -1, {227, 14, 100, 24}},
    {"按钮5", "分组框2", 1, -1, {336, 12, 72, 20}},
    {"按钮12", "分组框2", 1, -1, {416, 13, 72, 20}},
    {"超级列表框_主窗口1", "选择夹1", 1, -1, {3, 39, 813, 504}},
    // Page 2, domestic prices.
    {"分组框3", "选择夹1", 2, -1, {3, 0, 784, 40}},
    {"单选框6", "分组框3", 2, -1, {8, 12, 96, 24}},
    {"单选框7", "分组框3", 2, -1, {104, 12, 96, 24}},
    {"编辑框3", "分组框3", 2, -1, {205, 12, 104, 20}},
    {"标签11", "分组框3", 2, -1, {325, 13, 32, 16}},
    {"组合框4", "分组框3", 2, -1, {368, 12, 100, 24}},
    {"按钮_查询国产", "分组框3", 2, -1, {477, 12, 72, 20}},
    {"按钮9", "分组框3", 2, -1, {552, 12, 72, 20}},
    {"超级列表框_主窗口2", "选择夹1", 2, -1, {3, 40, 780, 503}},
    // Pages 3 to 5: one inner tab control each.
    {"选择夹2", "选择夹1", 3, -1, {0, 0, 793, 512}},
    {"超文本浏览框1", "选择夹2", 3, 0, {0, 24, 792, 488}},
    {"图片框2", "选择夹2", 3, 1, {0, 24, 792, 488}},
    {"图片框3", "选择夹2", 3, 2, {0, 24, 792, 488}},
    {"图片框1", "选择夹2", 3, 3, {0, 24, 792, 511}},
    {"选择夹3", "选择夹1", 4, -1, {0, 0, 793, 512}},
    {"超文本浏览框4", "选择夹3", 4, 0, {0, 24, 792, 488}},
    {"选择夹4", "选择夹1", 5, -1, {0, 0, 793, 512}},
    {"标签4", "选择夹4", 5, 0, {8, 32, 768, 479}},
    {"标签3", "选择夹4", 5, 1, {32, 128, 728, 319}},
    {"标签2", "选择夹4", 5, 2, {16, 232, 768, 360}},
    {"超文本浏览框5", "选择夹4", 5, 3, {0, 24, 792, 488}},
};

bool isUnreachable(std::string_view name) {
    return name == "按钮2" || name == "按钮3" || name == "按钮4" || name == "按钮11";
}

// Counts the paint events of a window.
class PaintWatch : public QObject {
public:
    explicit PaintWatch(std::function<void()> onPaint) : onPaint_(std::move(onPaint)) {}
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            onPaint_();
        }
        return false;
    }

private:
    std::function<void()> onPaint_;
};

using MainWindowBuildTest = MainWindowTest;

TEST_F(MainWindowBuildTest, EveryControlStandsInItsContainerAtItsGeometry) {
    ui::Window* main = openMainWindow();
    ASSERT_NE(main, nullptr);
    for (const Placement& control : kPlacements) {
        SCOPED_TRACE(control.name);
        QWidget* widget = main->widgetForTesting(control.name);
        ASSERT_NE(widget, nullptr);
        const QWidget* container = *control.container == '\0'
                                       ? main->widgetForTesting()
                                       : main->widgetForTesting(control.container);
        EXPECT_EQ(widget->parentWidget(), container);
        EXPECT_EQ(widget->geometry(), control.geometry);

        // It shows on its own page, and there only.
        if (control.mainPage >= 0) {
            main->setCurrentPage("选择夹1", control.mainPage);
            if (control.innerPage >= 0) {
                main->setCurrentPage(control.container, control.innerPage);
            }
            EXPECT_EQ(main->isVisible(control.name), !isUnreachable(control.name));
            main->setCurrentPage("选择夹1", (control.mainPage + 1) % 6);
            EXPECT_FALSE(main->isVisible(control.name));
        }
    }
}

struct WindowSettings {
    const ui::WindowTemplate& (*windowTemplate)();
    const char* title;
    int outerWidth, outerHeight;
    bool minimiseBox;
    bool stayOnTop;
};

TEST_F(MainWindowBuildTest, TheFourWindowsHaveTheirTitlesSizesAndSettings) {
    ASSERT_NE(openMainWindow(), nullptr);
    const WindowSettings windows[] = {
        {windows::mainWindowTemplate, "翎轴V2.4", 813, 660, true, false},
        {windows::bearingPictureWindowTemplate, "轴承图形", 650, 397, false, true},
        {windows::importedPriceWebWindowTemplate, "进口价格联网查询", 946, 589, false, false},
        {windows::domesticPriceWebWindowTemplate, "国产价格联网查询", 946, 589, false, false},
    };
    for (const WindowSettings& expected : windows) {
        SCOPED_TRACE(expected.title);
        ui::Window* window = ui::WindowManager::instance().open(expected.windowTemplate());
        ASSERT_NE(window, nullptr);
        QWidget* frame = window->widgetForTesting();
        EXPECT_EQ(frame->windowTitle().toStdString(), expected.title);
        // Qt sizes the client area: the outer size less the frame allowance.
        const QSize client(ui::clientWidthFor(expected.outerWidth),
                           ui::clientHeightFor(expected.outerHeight));
        EXPECT_EQ(frame->size(), client);
        EXPECT_EQ(frame->minimumSize(), client) << "not resizable";
        EXPECT_EQ(frame->maximumSize(), client);
        EXPECT_EQ(bool(frame->windowFlags() & Qt::WindowMinimizeButtonHint), expected.minimiseBox);
        EXPECT_FALSE(frame->windowFlags() & Qt::WindowMaximizeButtonHint);
        EXPECT_EQ(bool(frame->windowFlags() & Qt::WindowStaysOnTopHint), expected.stayOnTop);
        if (window != ui::WindowManager::instance().find(windows::kMainWindowName)) {
            window->close();
        }
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

using Headings = std::vector<std::pair<QString, int>>;

void expectHeadings(ui::Window& main, const char* listName, const Headings& expected) {
    SCOPED_TRACE(listName);
    auto* list = qobject_cast<QTableView*>(main.widgetForTesting(listName));
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->model()->columnCount(), static_cast<int>(expected.size()));
    for (int column = 0; column < static_cast<int>(expected.size()); ++column) {
        EXPECT_EQ(list->model()->headerData(column, Qt::Horizontal).toString(),
                  expected[column].first);
        EXPECT_EQ(list->horizontalHeader()->sectionSize(column), expected[column].second);
    }
}

TEST_F(MainWindowBuildTest, TheThreeListsHaveTheirHeadingsAndWidths) {
    ui::Window* main = openMainWindow();
    ASSERT_NE(main, nullptr);
    expectHeadings(*main, "超级列表框_主窗口",
                   {{"ID", 50},
                    {"轴承名称", 120},
                    {"新型号", 80},
                    {"旧型号", 80},
                    {"内径", 60},
                    {"外径", 60},
                    {"厚度", 60},
                    {"品牌", 50},
                    {"轴承类型", 100},
                    {"详细说明", 260}});
    expectHeadings(*main, "超级列表框_主窗口1",
                   {{"编号", 50},
                    {"品牌", 120},
                    {"型号", 200},
                    {"不含税价格（元）", 200},
                    {"含税价格（元）", 200}});
    expectHeadings(*main, "超级列表框_主窗口2",
                   {{"编号", 50},
                    {"旧型号", 120},
                    {"新型号", 120},
                    {"不含税价格（元）", 180},
                    {"含税价格（元）", 180},
                    {"厂家", 100}});
}

std::vector<std::string> itemsOf(ui::Window& main, const char* comboName) {
    std::vector<std::string> items;
    if (auto* combo = qobject_cast<QComboBox*>(main.widgetForTesting(comboName))) {
        for (int i = 0; i < combo->count(); ++i) {
            items.push_back(combo->itemText(i).toStdString());
        }
    }
    return items;
}

TEST_F(MainWindowBuildTest, TypeAndMakerCombosOfferTheirItemsInOrder) {
    ui::Window* main = openMainWindow();
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(itemsOf(*main, "组合框_类型"), (std::vector<std::string>{"深沟球轴承",
                                                                       "推力球轴承",
                                                                       "角接触球轴承",
                                                                       "圆锥滚子轴承",
                                                                       "圆柱滚子轴承",
                                                                       "调心球轴承",
                                                                       "调心滚子轴承",
                                                                       "推力滚子轴承",
                                                                       "滚针轴承",
                                                                       "关节轴承",
                                                                       "带座外球面球轴承",
                                                                       "外球面球轴承",
                                                                       "直线运动轴承",
                                                                       "非标轴承",
                                                                       "微型轴承",
                                                                       "推力角接触球轴承",
                                                                       "推力圆柱滚子轴承",
                                                                       "滚针和保持架组件",
                                                                       "轴承座",
                                                                       "滚轮轴承",
                                                                       "滚针组合轴承",
                                                                       "其它",
                                                                       "全部"}));
    EXPECT_EQ(itemsOf(*main, "组合框4"),
              (std::vector<std::string>{"哈尔滨",   "瓦房店",   "洛阳",   "西北",     "飞亚",
                                        "合肥金工", "菏泽湖西", "黄石",   "江苏响水", "上海嘉庆",
                                        "四川东方", "无锡滚动", "瓦远东", "社渚",     "张家港",
                                        "锡微",     "浙江滚动", "竹箦",   "扬州",     "瓦光阳",
                                        "梁山",     "全部"}));
}

// The three web views of the reference pages are made only once the main window has been
// painted, each then showing its start address (placeholders stand in for the browser here),
// and each is kept across page changes.
TEST_F(MainWindowBuildTest, WebViewsAreMadeAfterTheWindowIsFirstPaintedAndThenKept) {
    struct Expected {
        const char* control;
        int page;
        const char* innerTabs;
        int innerPage;
        QString address;
    };
    const Expected views[] = {
        {"超文本浏览框1", 3, "选择夹2", 0,
         QStringLiteral("http://www.zhoucheng-query.example/NewsClass.asp?BigClass=新闻")},
        {"超文本浏览框4", 4, "选择夹3", 0, QStringLiteral("http://www.lanyue.example/")},
        {"超文本浏览框5", 5, "选择夹4", 3, QStringLiteral("http://www.lanyue.example/")},
    };
    const auto viewIn = [](QWidget* box) { return box->findChild<QLabel*>(); };

    int paints = 0;
    bool madeBeforePaint = false;
    PaintWatch watch([&] { ++paints; });
    ui::Window* main = openMainWindow();
    ASSERT_NE(main, nullptr);
    QWidget* frame = main->widgetForTesting();
    frame->installEventFilter(&watch);
    for (const Expected& view : views) {
        EXPECT_EQ(viewIn(main->widgetForTesting(view.control)), nullptr) << view.control;
    }
    const bool allMade = QTest::qWaitFor(
        [&] {
            for (const Expected& view : views) {
                if (viewIn(main->widgetForTesting(view.control)) == nullptr) {
                    return false;
                }
            }
            madeBeforePaint = paints == 0;
            return true;
        },
        5000);
    ASSERT_TRUE(allMade);
    EXPECT_FALSE(madeBeforePaint);

    for (const Expected& view : views) {
        SCOPED_TRACE(view.control);
        QLabel* shown = viewIn(main->widgetForTesting(view.control));
        ASSERT_NE(shown, nullptr);
        EXPECT_EQ(shown->text(), view.address);
        main->setCurrentPage("选择夹1", view.page);
        main->setCurrentPage(view.innerTabs, view.innerPage);
        EXPECT_TRUE(main->isVisible(view.control));
        main->setCurrentPage("选择夹1", 0);
        main->setCurrentPage("选择夹1", view.page);
        EXPECT_EQ(viewIn(main->widgetForTesting(view.control)), shown);
    }
}

}  // namespace
}  // namespace lz::test
