// The controls a dialog of choices needs: a drop-down list whose items an action sets and
// whose user choices are raised, labels whose text changes, edit boxes that report typing,
// lists whose headings report clicks for the action to sort by, and the open-file dialog
// answered without clicking.
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QTest>

#include "tests/ui/window_fixture.h"
#include "ui/file_dialogs.h"

namespace lz::ui::testing {
namespace {

WindowTemplate choicesWindow() {
    WindowTemplate window;
    window.name = "选择窗口";
    window.title = "选择";
    window.outerWidth = 408;
    window.outerHeight = 331;
    auto add = [&window](ControlKind kind, std::string_view name, Rect geometry) -> auto& {
        ControlTemplate control;
        control.kind = kind;
        control.name = name;
        control.geometry = geometry;
        control.tabStop = isTabStopKind(kind);
        window.controls.push_back(control);
        return window.controls.back();
    };
    auto& columns = add(ControlKind::ComboBox, "组合框_列", {8, 8, 120, 22});
    columns.dropDownList = true;
    columns.items = {"（无）", "A 列", "B 列"};
    columns.text = "A 列";
    add(ControlKind::Label, "标签_计数", {140, 8, 200, 20}).text = "已匹配 0";
    add(ControlKind::EditBox, "编辑框_筛选", {8, 40, 120, 22});
    auto& sortable = add(ControlKind::ListView, "列表_库存", {8, 70, 380, 100});
    sortable.columns = {{"型号", 100}, {"数量", 60}};
    sortable.sortableColumns = true;
    add(ControlKind::ListView, "列表_固定", {8, 180, 380, 80}).columns = {{"型号", 100}};
    return window;
}

class ChoiceControls : public WindowTest {
protected:
    Window& openChoices() {
        template_ = choicesWindow();
        Window* window = WindowManager::instance().open(template_);
        EXPECT_NE(window, nullptr);
        return *window;
    }
    WindowTemplate template_;
};

TEST_F(ChoiceControls, ADropDownListRaisesTheUsersChoicesOnly) {
    Window& window = openChoices();
    auto* combo = qobject_cast<QComboBox*>(window.widgetForTesting("组合框_列"));
    ASSERT_NE(combo, nullptr);
    EXPECT_FALSE(combo->isEditable()) << "nothing can be typed";
    EXPECT_EQ(window.itemCount("组合框_列"), 3);
    EXPECT_EQ(window.currentIndex("组合框_列"), 1) << "the template's text chooses the item";
    EXPECT_EQ(window.text("组合框_列"), "A 列");

    const std::vector<std::string> items = {"（无）", "型号", "品牌", "数量"};
    window.setItems("组合框_列", items);
    window.setCurrentIndex("组合框_列", 2);
    EXPECT_EQ(window.text("组合框_列"), "品牌");
    window.setText("组合框_列", "数量");
    EXPECT_EQ(window.currentIndex("组合框_列"), 3);
    window.setCurrentIndex("组合框_列", 9);
    EXPECT_EQ(window.currentIndex("组合框_列"), -1);
    EXPECT_TRUE(eventsOf(EventKind::ChoiceChanged).empty()) << "an action's changes raise nothing";

    window.setCurrentIndex("组合框_列", 1);
    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_Down);
    EXPECT_EQ(window.currentIndex("组合框_列"), 2);
    const auto chosen = eventsOf(EventKind::ChoiceChanged);
    ASSERT_EQ(chosen.size(), 1u);
    EXPECT_EQ(chosen[0].control, "组合框_列");
    EXPECT_EQ(chosen[0].args.index, 2);
}

TEST_F(ChoiceControls, LabelsTakeNewTextAndEditBoxesReportTyping) {
    Window& window = openChoices();
    window.setText("标签_计数", "已匹配 3，待确认 1，未匹配 0");
    EXPECT_EQ(window.text("标签_计数"), "已匹配 3，待确认 1，未匹配 0");
    EXPECT_EQ(qobject_cast<QLabel*>(window.widgetForTesting("标签_计数"))->text(),
              QString("已匹配 3，待确认 1，未匹配 0"));

    window.setText("编辑框_筛选", "NSK");
    EXPECT_TRUE(eventsOf(EventKind::TextChanged).empty());
    auto* box = qobject_cast<QLineEdit*>(window.widgetForTesting("编辑框_筛选"));
    QTest::keyClick(box, Qt::Key_End);
    QTest::keyClicks(box, "62");
    EXPECT_EQ(window.text("编辑框_筛选"), "NSK62");
    const auto typed = eventsOf(EventKind::TextChanged);
    ASSERT_EQ(typed.size(), 2u) << "once per key";
    EXPECT_EQ(typed[0].control, "编辑框_筛选");
}

TEST_F(ChoiceControls, HeadingsOfASortableListReportClicksAndShowTheOrderGiven) {
    Window& window = openChoices();
    for (const char* id : {"6206", "6205"}) {
        window.setCellText("列表_库存", window.appendRow("列表_库存"), 0, id);
    }
    auto* view = qobject_cast<QTableView*>(window.widgetForTesting("列表_库存"));
    QHeaderView* header = view->horizontalHeader();
    EXPECT_EQ(header->sortIndicatorSection(), -1) << "no order shown before one is set";
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionPosition(1) + 10, header->height() / 2));
    const auto clicks = eventsOf(EventKind::HeaderClicked);
    ASSERT_EQ(clicks.size(), 1u);
    EXPECT_EQ(clicks[0].control, "列表_库存");
    EXPECT_EQ(clicks[0].args.index, 1);
    EXPECT_EQ(window.cellText("列表_库存", 0, 0), "6206") << "the view never reorders";

    window.setSortIndicator("列表_库存", 1, false);
    EXPECT_EQ(header->sortIndicatorSection(), 1);
    EXPECT_EQ(header->sortIndicatorOrder(), Qt::DescendingOrder);
    window.setSortIndicator("列表_库存", -1, true);
    EXPECT_EQ(header->sortIndicatorSection(), -1);

    QHeaderView* fixed =
        qobject_cast<QTableView*>(window.widgetForTesting("列表_固定"))->horizontalHeader();
    QTest::mouseClick(fixed->viewport(), Qt::LeftButton, {}, QPoint(10, fixed->height() / 2));
    EXPECT_EQ(eventsOf(EventKind::HeaderClicked).size(), 1u) << "a plain list raises nothing";
}

TEST(FileDialogs, TheOpenDialogIsAnsweredByItsResponder) {
    std::vector<OpenFileRequest> asked;
    FileDialogs::setOpenResponder([&asked](const OpenFileRequest& request) {
        asked.push_back(request);
        return std::optional<std::string>("/tmp/库存.xlsx");
    });
    EXPECT_EQ(FileDialogs::askOpenFileName({"导入本店库存", "库存表", {"xlsx", "csv"}}),
              "/tmp/库存.xlsx");
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].caption, "导入本店库存");
    EXPECT_EQ(asked[0].suffixes, (std::vector<std::string>{"xlsx", "csv"}));
    FileDialogs::setOpenResponder([](const OpenFileRequest&) { return std::nullopt; });
    EXPECT_EQ(FileDialogs::askOpenFileName({}), std::nullopt);
    FileDialogs::setOpenResponder({});
}

}  // namespace
}  // namespace lz::ui::testing
