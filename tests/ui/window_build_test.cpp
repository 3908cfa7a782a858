#include <QBuffer>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFont>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTest>
#include <QToolButton>

#include "catalogue/catalogue_database.h"
#include "tests/support/small_catalogue.h"
#include "tests/support/temp_dir.h"
#include "tests/ui/window_fixture.h"

namespace lz::ui::testing {
namespace {

void sendKey(QWidget* target, int key, const QString& text = {},
             Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QApplication::sendEvent(target, &release);
}

void click(QWidget* target, QPoint at, Qt::MouseButton button = Qt::LeftButton) {
    const QPointF local(at);
    const QPointF global(target->mapToGlobal(at));
    QMouseEvent press(QEvent::MouseButtonPress, local, global, button, button, Qt::NoModifier);
    QApplication::sendEvent(target, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, local, global, button, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(target, &release);
}

// What the platform sends for a double click.
void doubleClick(QWidget* target, QPoint at) {
    const QPointF local(at);
    const QPointF global(target->mapToGlobal(at));
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
                              QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease}) {
        const bool down = type != QEvent::MouseButtonRelease;
        QMouseEvent event(type, local, global, Qt::LeftButton, down ? Qt::LeftButton : Qt::NoButton,
                          Qt::NoModifier);
        QApplication::sendEvent(target, &event);
    }
}

using WindowBuildTest = WindowTest;

TEST_F(WindowBuildTest, ControlsGetTheirClassParentGeometryAndName) {
    Window& window = openSample();
    QWidget* frame = window.widgetForTesting();
    EXPECT_EQ(frame->objectName(), QString("样例窗口"));
    EXPECT_EQ(frame->windowTitle(), QString("样例"));
    EXPECT_EQ(frame->size(), QSize(400, 300));  // outer size less the frame allowance
    EXPECT_EQ(frame->minimumSize(), frame->maximumSize());
    EXPECT_TRUE(frame->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(frame->windowFlags() & Qt::WindowMaximizeButtonHint);

    QWidget* tabs = window.widgetForTesting("选择夹");
    QWidget* group = window.widgetForTesting("分组框");
    ASSERT_NE(qobject_cast<QGroupBox*>(group), nullptr);
    EXPECT_EQ(group->parentWidget(), tabs);
    EXPECT_EQ(group->geometry(), QRect(3, -4, 380, 74));
    EXPECT_TRUE(qobject_cast<QGroupBox*>(group)->title().isEmpty());

    QWidget* radio = window.widgetForTesting("单选框1");
    ASSERT_NE(qobject_cast<QRadioButton*>(radio), nullptr);
    EXPECT_EQ(radio->parentWidget(), group);
    EXPECT_EQ(radio->geometry(), QRect(8, 16, 70, 24));
    EXPECT_EQ(radio->objectName(), QString("单选框1"));

    EXPECT_NE(qobject_cast<QLineEdit*>(window.widgetForTesting("编辑框1")), nullptr);
    EXPECT_NE(qobject_cast<QCheckBox*>(window.widgetForTesting("选择框")), nullptr);
    EXPECT_NE(qobject_cast<QPushButton*>(window.widgetForTesting("按钮1")), nullptr);
    EXPECT_NE(qobject_cast<QComboBox*>(window.widgetForTesting("组合框")), nullptr);
    auto* notes = qobject_cast<QPlainTextEdit*>(window.widgetForTesting("编辑框9"));
    ASSERT_NE(notes, nullptr);
    EXPECT_TRUE(notes->isReadOnly());
    EXPECT_EQ(notes->palette().color(QPalette::Base), QColor(128, 128, 255));

    auto* banner = qobject_cast<QLabel*>(window.widgetForTesting("标签"));
    ASSERT_NE(banner, nullptr);
    EXPECT_EQ(banner->parentWidget(), tabs);
    EXPECT_EQ(banner->text(), QString("横幅\n第二行"));
    EXPECT_EQ(banner->font().pixelSize(), 30);
    EXPECT_EQ(banner->palette().color(QPalette::WindowText), QColor(255, 0, 0));

    QWidget* list = window.widgetForTesting("列表");
    ASSERT_NE(qobject_cast<QTableView*>(list), nullptr);
    EXPECT_EQ(list->parentWidget(), tabs);
    EXPECT_EQ(list->geometry(), QRect(3, 0, 380, 100));
    auto* header = qobject_cast<QTableView*>(list)->horizontalHeader();
    EXPECT_EQ(header->sectionSize(1), 120);
    EXPECT_TRUE(header->sectionsMovable());

    // Web views are placeholders here, in the template's place.
    EXPECT_EQ(window.widgetForTesting("浏览框")->geometry(), QRect(230, 104, 100, 60));

    // Docked bars span the client width whatever the template stored.
    EXPECT_EQ(window.widgetForTesting("状态条")->geometry(), QRect(0, 280, 400, 20));
    const QRect toolbar = window.widgetForTesting("工具条")->geometry();
    EXPECT_EQ(toolbar.topLeft(), QPoint(0, 0));
    EXPECT_EQ(toolbar.width(), 400);

    EXPECT_NE(qobject_cast<QMenu*>(window.widgetForTesting("右键")), nullptr);
    EXPECT_EQ(frame->findChild<QMenuBar*>(), nullptr);
}

TEST_F(WindowBuildTest, CreatedIsRaisedOnceBeforeTheWindowIsShown) {
    bool visibleAtCreation = true;
    onEvent = [&](Window& window, const Event& event) {
        if (event.kind == EventKind::Created) {
            visibleAtCreation = window.widgetForTesting()->isVisible();
            window.setText("编辑框1", "已建");
        }
    };
    Window& window = openSample();
    ASSERT_EQ(eventsOf(EventKind::Created).size(), 1u);
    EXPECT_EQ(eventsOf(EventKind::Created)[0].control, "");
    EXPECT_FALSE(visibleAtCreation);
    EXPECT_TRUE(window.widgetForTesting()->isVisible());
    EXPECT_EQ(window.text("编辑框1"), "已建");
}

TEST_F(WindowBuildTest, OnlyTheCurrentPageShowsAndHiddenControlsStayHidden) {
    Window& window = openSample();
    EXPECT_EQ(window.currentPage("选择夹"), 0);
    EXPECT_TRUE(window.isVisible("分组框"));
    EXPECT_TRUE(window.isVisible("按钮1"));
    EXPECT_FALSE(window.isVisible("按钮隐藏"));
    EXPECT_FALSE(window.isVisible("列表"));

    window.setCurrentPage("选择夹", 1);
    EXPECT_EQ(window.currentPage("选择夹"), 1);
    EXPECT_FALSE(window.isVisible("分组框"));
    EXPECT_FALSE(window.isVisible("按钮1"));
    EXPECT_TRUE(window.isVisible("列表"));
    EXPECT_TRUE(window.isVisible("按钮2"));
    EXPECT_FALSE(window.isVisible("按钮隐藏2"));

    window.setCurrentPage("选择夹", 0);
    EXPECT_TRUE(window.isVisible("按钮1"));
    EXPECT_FALSE(window.isVisible("按钮隐藏"));
    EXPECT_FALSE(window.isVisible("按钮隐藏2"));
}

TEST_F(WindowBuildTest, TabMovesOnlyAmongTabStopsInTemplateOrder) {
    Window& window = openSample();
    QWidget* frame = window.widgetForTesting();
    frame->activateWindow();
    QApplication::processEvents();
    window.widgetForTesting("编辑框1")->setFocus();
    ASSERT_TRUE(window.widgetForTesting("编辑框1")->hasFocus());

    std::vector<QString> visited;
    for (int i = 0; i < 3; ++i) {
        sendKey(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* focus = QApplication::focusWidget();
        // The combo box's inner line edit holds the focus for the combo box.
        while (focus != nullptr && focus->objectName().isEmpty()) {
            focus = focus->parentWidget();
        }
        visited.push_back(focus != nullptr ? focus->objectName() : QString());
    }
    EXPECT_EQ(visited, (std::vector<QString>{"选择框", "组合框", "按钮1"}));

    for (const char* name : {"工具条", "选择夹", "分组框", "标签", "列表", "图片框", "状态条"}) {
        EXPECT_FALSE(window.widgetForTesting(name)->focusPolicy() & Qt::TabFocus) << name;
    }
    for (QToolButton* button : window.widgetForTesting("工具条")->findChildren<QToolButton*>()) {
        EXPECT_FALSE(button->focusPolicy() & Qt::TabFocus);
    }
}

TEST_F(WindowBuildTest, RadioButtonsOfOneContainerExcludeEachOther) {
    Window& window = openSample();
    EXPECT_TRUE(window.isChecked("单选框1"));
    EXPECT_FALSE(window.isChecked("选择框"));
    window.setChecked("单选框2", true);
    EXPECT_FALSE(window.isChecked("单选框1"));
    EXPECT_TRUE(window.isChecked("单选框2"));
    window.setChecked("单选框2", false);
    EXPECT_FALSE(window.isChecked("单选框2"));
    window.setChecked("选择框", true);
    EXPECT_TRUE(window.isChecked("选择框"));
}

TEST_F(WindowBuildTest, ComboShowsItsInitialTextAndItemsInTemplateOrder) {
    Window& window = openSample();
    auto* combo = qobject_cast<QComboBox*>(window.widgetForTesting("组合框"));
    ASSERT_NE(combo, nullptr);
    EXPECT_EQ(window.text("组合框"), "全部");
    ASSERT_EQ(combo->count(), 3);
    EXPECT_EQ(combo->itemText(0), QString("SKF"));
    EXPECT_EQ(combo->itemText(1), QString("AET"));
    EXPECT_EQ(combo->itemText(2), QString("全部"));
    EXPECT_GE(combo->view()->minimumHeight(), 160);
}

TEST_F(WindowBuildTest, TypedComboTextIsReadBackAsTypedAndNotAdded) {
    Window& window = openSample();
    auto* combo = qobject_cast<QComboBox*>(window.widgetForTesting("组合框"));
    ASSERT_NE(combo, nullptr);
    combo->lineEdit()->clear();
    for (const char* letter : {"s", "k", "f"}) {
        sendKey(combo->lineEdit(), Qt::Key_S, QString::fromLatin1(letter));
    }
    sendKey(combo->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(window.text("组合框"), "skf");  // not completed or matched to "SKF"
    EXPECT_EQ(combo->count(), 3);

    window.setText("组合框", "NSK");
    EXPECT_EQ(window.text("组合框"), "NSK");
    EXPECT_EQ(combo->count(), 3);
}

TEST_F(WindowBuildTest, ComboItemsReplacedAtRunTimeLeaveTheTypedTextAsItWas) {
    Window& window = openSample();
    auto* combo = qobject_cast<QComboBox*>(window.widgetForTesting("组合框"));
    ASSERT_NE(combo, nullptr);
    window.setText("组合框", "深沟");
    const std::vector<std::string> types{"全部", "深沟球轴承", "圆锥滚子轴承"};
    window.setItems("组合框", types);
    EXPECT_EQ(window.items("组合框"), types);
    EXPECT_EQ(window.text("组合框"), "深沟") << "not replaced by the first item";
    // Choosing an item puts it into the edit field; a later list replaces, never adds.
    combo->setCurrentIndex(2);
    EXPECT_EQ(window.text("组合框"), "圆锥滚子轴承");
    window.setItems("组合框", std::vector<std::string>{"SKF"});
    EXPECT_EQ(window.items("组合框"), std::vector<std::string>{"SKF"});
    EXPECT_EQ(window.text("组合框"), "圆锥滚子轴承");
    window.setItems("组合框", {});
    EXPECT_TRUE(window.items("组合框").empty());
    EXPECT_EQ(window.text("组合框"), "圆锥滚子轴承");
}

TEST_F(WindowBuildTest, APasteIntoAnEditBoxOrAComboIsCutAtTheToolkitsDefaultMaximum) {
    // 32,767 characters, what a line edit and a native edit box hold when the program sets no
    // limit: a huge paste stays small enough to edit and search. Counted in characters, so
    // Chinese ones take three bytes each in the text read back.
    constexpr int kDefaultMaximum = 32767;
    Window& window = openSample();
    auto* combo = qobject_cast<QComboBox*>(window.widgetForTesting("组合框"));
    ASSERT_NE(combo, nullptr);
    const struct {
        const char* control;
        QWidget* keys;
    } boxes[] = {{"编辑框1", window.widgetForTesting("编辑框1")}, {"组合框", combo->lineEdit()}};
    for (const auto& box : boxes) {
        SCOPED_TRACE(box.control);
        for (const QString& pasted :
             {QString(40000, QChar(u'6')), QString(kDefaultMaximum + 1, QChar(u'轴')),
              QString(kDefaultMaximum, QChar(u'轴'))}) {
            window.setText(box.control, "");
            QGuiApplication::clipboard()->setText(pasted);
            sendKey(box.keys, Qt::Key_V, {}, Qt::ControlModifier);
            const std::string text = window.text(box.control);
            const std::size_t bytesPerCharacter = pasted.front() == u'6' ? 1 : 3;
            EXPECT_EQ(text.size(), kDefaultMaximum * bytesPerCharacter);
            EXPECT_TRUE(QString::fromStdString(text) == pasted.left(kDefaultMaximum));
        }
    }
}

TEST_F(WindowBuildTest, ListRowsCanBeFilledReadAndSelected) {
    Window& window = openSample();
    EXPECT_EQ(window.rowCount("列表"), 0);
    EXPECT_EQ(window.selectedRow("列表"), -1);
    for (const char* id : {"3", "1", "2"}) {
        const int row = window.appendRow("列表");
        window.setCellText("列表", row, 0, id);
        window.setCellText("列表", row, 1, std::string("名") + id);
    }
    EXPECT_EQ(window.rowCount("列表"), 3);
    EXPECT_EQ(window.cellText("列表", 1, 1), "名1");
    EXPECT_EQ(window.cellText("列表", 1, 2), "");
    EXPECT_EQ(window.cellText("列表", 7, 0), "");

    window.selectRow("列表", 2);
    EXPECT_EQ(window.selectedRow("列表"), 2);
    ASSERT_EQ(eventsOf(EventKind::CurrentItemChanged).size(), 1u);
    EXPECT_EQ(eventsOf(EventKind::CurrentItemChanged)[0].control, "列表");

    const auto generation = window.listGeneration("列表");
    window.clearRows("列表");
    EXPECT_EQ(window.rowCount("列表"), 0);
    EXPECT_EQ(window.selectedRow("列表"), -1);
    EXPECT_GT(window.listGeneration("列表"), generation);
}

// Appended rows reach the view in batches; the list's own operations see them at once.
void waitForRowsShown(const QAbstractItemModel& model, int rows) {
    EXPECT_EQ(model.rowCount(), 0) << "not yet told";
    QDeadlineTimer deadline(2000);
    while (model.rowCount() < rows && !deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    EXPECT_EQ(model.rowCount(), rows);
}

TEST_F(WindowBuildTest, OnlyTheFirstColumnIsEditableAndItsEditIsKept) {
    Window& window = openSample();
    window.setCellText("列表", window.appendRow("列表"), 0, "6205");
    QAbstractItemModel* model = qobject_cast<QTableView*>(window.widgetForTesting("列表"))->model();
    waitForRowsShown(*model, 1);
    EXPECT_TRUE(model->flags(model->index(0, 0)) & Qt::ItemIsEditable);
    EXPECT_FALSE(model->flags(model->index(0, 1)) & Qt::ItemIsEditable);
    EXPECT_TRUE(model->setData(model->index(0, 0), QString("6206")));
    EXPECT_EQ(window.cellText("列表", 0, 0), "6206");
}

// A heading click sorts what the view shows; the rows keep their indexes. Rows appended or
// changed while sorted take their sorted places; clearing the rows ends the sort.
TEST_F(WindowBuildTest, HeaderClickSortsTheViewAndNotTheRows) {
    Window& window = openSample();
    window.setCurrentPage("选择夹", 1);
    for (const char* id : {"3", "1", "2"}) {
        window.setCellText("列表", window.appendRow("列表"), 0, id);
    }
    auto* view = qobject_cast<QTableView*>(window.widgetForTesting("列表"));
    QHeaderView* header = view->horizontalHeader();
    const auto shownIds = [&] {
        std::vector<std::string> ids;
        for (const int row : window.rowsInShownOrder("列表")) {
            ids.push_back(window.cellText("列表", row, 0));
        }
        return ids;
    };
    using Ids = std::vector<std::string>;
    EXPECT_EQ(shownIds(), (Ids{"3", "1", "2"}));
    click(header->viewport(), QPoint(header->sectionPosition(0) + 10, header->height() / 2));
    EXPECT_EQ(shownIds(), (Ids{"1", "2", "3"}));
    EXPECT_EQ(view->model()->index(0, 0).data().toString(), QString("1"));
    click(header->viewport(), QPoint(header->sectionPosition(0) + 10, header->height() / 2));
    EXPECT_EQ(shownIds(), (Ids{"3", "2", "1"}));
    EXPECT_EQ(window.cellText("列表", 0, 0), "3");
    EXPECT_EQ(window.cellText("列表", 1, 0), "1");
    EXPECT_EQ(window.cellText("列表", 2, 0), "2");

    window.appendRow("列表", std::vector<std::string>{"25"});
    EXPECT_EQ(shownIds(), (Ids{"3", "25", "2", "1"}));  // texts: "25" between "3" and "2"
    window.setCellText("列表", 1, 0, "0");              // the row holding "1"
    EXPECT_EQ(shownIds(), (Ids{"3", "25", "2", "0"}));
    window.setCellText("列表", 1, 0, "4");
    EXPECT_EQ(shownIds(), (Ids{"4", "3", "25", "2"}));

    window.clearRows("列表");
    for (const char* id : {"3", "1", "2"}) {
        window.appendRow("列表", std::vector<std::string>{id});
    }
    EXPECT_EQ(shownIds(), (Ids{"3", "1", "2"}));
    EXPECT_EQ(header->sortIndicatorSection(), -1);
}

// Headings name the rows below them; keys tell the rows apart for the actions.
TEST_F(WindowBuildTest, HeadingRowsSpanTheListAndAreNeverSelectedOrOpened) {
    Window& window = openSample();
    window.setCurrentPage("选择夹", 1);
    auto* view = qobject_cast<QTableView*>(window.widgetForTesting("列表"));
    const int heading = window.appendHeadingRow("列表", "一、同一轴承（2）");
    const std::vector<std::string> first = {"469", "NSK 6205DDU/C3"};
    const int row1 = window.appendRow("列表", first);
    window.setRowKey("列表", row1, 469);
    const int row2 = window.appendRow("列表");
    window.setCellText("列表", row2, 0, "22467");
    const int heading2 = window.appendHeadingRow("列表", "二、其它");
    window.showRowsNow("列表");
    EXPECT_EQ(view->model()->rowCount(), 4) << "shown without waiting for the next batch";

    EXPECT_EQ(heading, 0);
    EXPECT_TRUE(window.isHeadingRow("列表", heading));
    EXPECT_TRUE(window.isHeadingRow("列表", heading2));
    EXPECT_FALSE(window.isHeadingRow("列表", row1));
    EXPECT_FALSE(window.isHeadingRow("列表", 9));
    EXPECT_EQ(window.cellText("列表", heading, 0), "一、同一轴承（2）");
    EXPECT_EQ(view->columnSpan(heading, 0), 3);
    EXPECT_EQ(view->columnSpan(row1, 0), 1);
    EXPECT_EQ(window.rowKey("列表", row1), 469);
    EXPECT_EQ(window.rowKey("列表", row2), std::nullopt);
    EXPECT_EQ(window.rowKey("列表", heading), std::nullopt);
    EXPECT_EQ(window.rowKey("列表", 9), std::nullopt);
    EXPECT_FALSE(view->model()->setData(view->model()->index(heading, 0), QString("改")));
    EXPECT_EQ(window.cellText("列表", heading, 0), "一、同一轴承（2）");

    // A click or a double click on a heading selects and opens nothing.
    const QPoint onHeading = view->visualRect(view->model()->index(heading, 1)).center();
    click(view->viewport(), onHeading);
    EXPECT_EQ(window.selectedRow("列表"), -1);
    doubleClick(view->viewport(), onHeading);
    EXPECT_TRUE(eventsOf(EventKind::RowDoubleClicked).empty());
    const QPoint onRow = view->visualRect(view->model()->index(row1, 1)).center();
    doubleClick(view->viewport(), onRow);
    EXPECT_EQ(window.selectedRow("列表"), row1);
    EXPECT_EQ(eventsOf(EventKind::RowDoubleClicked).size(), 1u);
    // The arrow keys pass over headings.
    window.selectRow("列表", row2);
    view->setFocus();
    QTest::keyClick(view, Qt::Key_Up);
    EXPECT_EQ(window.selectedRow("列表"), row1);
    QTest::keyClick(view, Qt::Key_Up);
    EXPECT_EQ(window.selectedRow("列表"), row1);

    // A new listing starts without the old headings, spans and keys.
    window.clearRows("列表");
    const int plain = window.appendRow("列表", first);
    window.showRowsNow("列表");
    EXPECT_FALSE(window.isHeadingRow("列表", plain));
    EXPECT_EQ(view->columnSpan(plain, 0), 1);
    EXPECT_EQ(window.rowKey("列表", plain), std::nullopt);
}

// A marked row stands out in every cell (bold on its own ground); headings keep their look,
// and a new listing starts unmarked.
TEST_F(WindowBuildTest, MarkedRowsStandOutUntilTheListIsCleared) {
    Window& window = openSample();
    window.setCurrentPage("选择夹", 1);
    auto* view = qobject_cast<QTableView*>(window.widgetForTesting("列表"));
    const int heading = window.appendHeadingRow("列表", "一、同一轴承（2）");
    const int plain = window.appendRow("列表", std::vector<std::string>{"1", "6205"});
    const int marked = window.appendRow("列表", std::vector<std::string>{"2", "6206"});
    window.setRowMarked("列表", marked, true);
    window.setRowMarked("列表", heading, true);
    window.setRowMarked("列表", 9, true);  // no such row: nothing happens
    window.showRowsNow("列表");

    const auto font = [view](int row, int column) {
        return view->model()->index(row, column).data(Qt::FontRole).value<QFont>();
    };
    const auto ground = [view](int row, int column) {
        return view->model()->index(row, column).data(Qt::BackgroundRole);
    };
    EXPECT_TRUE(window.isRowMarked("列表", marked));
    EXPECT_FALSE(window.isRowMarked("列表", plain));
    EXPECT_FALSE(window.isRowMarked("列表", heading));
    EXPECT_FALSE(window.isRowMarked("列表", 9));
    for (int column = 0; column < 3; ++column) {
        EXPECT_TRUE(font(marked, column).bold()) << column;
        EXPECT_TRUE(ground(marked, column).isValid()) << column;
        EXPECT_FALSE(ground(plain, column).isValid()) << column;
    }
    EXPECT_NE(ground(marked, 0), ground(heading, 0)) << "not to be taken for a heading";
    EXPECT_EQ(window.selectedRow("列表"), -1);
    window.selectRow("列表", marked);
    EXPECT_EQ(window.selectedRow("列表"), marked) << "a marked row is a row like any other";

    // Unmarked again, and a new listing has no marks left.
    window.setRowMarked("列表", marked, false);
    EXPECT_FALSE(ground(marked, 1).isValid());
    window.setRowMarked("列表", marked, true);
    window.clearRows("列表");
    const int again = window.appendRow("列表", std::vector<std::string>{"3", "6207"});
    window.showRowsNow("列表");
    EXPECT_FALSE(window.isRowMarked("列表", again));
    EXPECT_FALSE(ground(again, 0).isValid());
}

TEST_F(WindowBuildTest, SettledTextIsReportedOnceTheTypingPauses) {
    sample = sampleWindow();
    for (ControlTemplate& control : sample.controls) {
        if (control.name == "编辑框1") {
            control.settleMs = 30;
        }
    }
    Window* window = WindowManager::instance().open(sample);
    ASSERT_NE(window, nullptr);
    const auto waitForSettled = [this](std::size_t count) {
        QDeadlineTimer deadline(3000);
        while (eventsOf(EventKind::TextSettled).size() < count && !deadline.hasExpired()) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        }
        QTest::qWait(60);  // and no further one comes
    };
    QWidget* box = window->widgetForTesting("编辑框1");
    for (const char* key : {"6", "2", "0", "5"}) {
        sendKey(box, Qt::Key_unknown, key);
    }
    waitForSettled(1);
    ASSERT_EQ(eventsOf(EventKind::TextSettled).size(), 1u);
    EXPECT_EQ(eventsOf(EventKind::TextSettled)[0].control, "编辑框1");
    EXPECT_EQ(window->text("编辑框1"), "6205");
    // Text set by an action settles too, as a paste would.
    window->setText("编辑框1", "6205-2RS");
    waitForSettled(2);
    EXPECT_EQ(eventsOf(EventKind::TextSettled).size(), 2u);
    // Enter is an event of its own; a box without settleMs never settles.
    sendKey(box, Qt::Key_Return);
    window->setText("编辑框9", "说明");
    QTest::qWait(60);
    EXPECT_EQ(eventsOf(EventKind::TextSettled).size(), 2u);
}

TEST_F(WindowBuildTest, RightClickInTheListIsRaised) {
    Window& window = openSample();
    window.setCurrentPage("选择夹", 1);
    auto* view = qobject_cast<QTableView*>(window.widgetForTesting("列表"));
    // What the platform sends on a right click, delivered where the click lands.
    QContextMenuEvent rightClick(QContextMenuEvent::Mouse, QPoint(5, 5),
                                 view->viewport()->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(view->viewport(), &rightClick);
    ASSERT_EQ(eventsOf(EventKind::RightClicked).size(), 1u);
    EXPECT_EQ(eventsOf(EventKind::RightClicked)[0].control, "列表");
}

TEST_F(WindowBuildTest, ToolbarIndexCountsSeparators) {
    Window& window = openSample();
    const auto buttons = window.widgetForTesting("工具条")->findChildren<QToolButton*>();
    ASSERT_EQ(buttons.size(), 2);
    EXPECT_EQ(buttons[1]->text(), QString("乙"));
    EXPECT_EQ(buttons[1]->toolTip(), QString("乙提示"));
    EXPECT_EQ(buttons[1]->toolButtonStyle(), Qt::ToolButtonTextBesideIcon);
    buttons[1]->click();
    const auto clicks = eventsOf(EventKind::ToolButtonClicked);
    ASSERT_EQ(clicks.size(), 1u);
    EXPECT_EQ(clicks[0].control, "工具条");
    EXPECT_EQ(clicks[0].args.index, 2);
}

TEST_F(WindowBuildTest, LabelPressCarriesPositionAndKeyState) {
    Window& window = openSample();
    QWidget* banner = window.widgetForTesting("标签");
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 7), banner->mapToGlobal(QPointF(5, 7)),
                      Qt::LeftButton, Qt::LeftButton, Qt::ControlModifier | Qt::AltModifier);
    QApplication::sendEvent(banner, &press);
    const auto presses = eventsOf(EventKind::LeftButtonPressed);
    ASSERT_EQ(presses.size(), 1u);
    EXPECT_EQ(presses[0].control, "标签");
    EXPECT_EQ(presses[0].args.x, 5);
    EXPECT_EQ(presses[0].args.y, 7);
    EXPECT_EQ(presses[0].args.keyState, 1 + 4);
}

TEST_F(WindowBuildTest, ALabelsCaptionCanBeReadAndReplaced) {
    Window& window = openSample();
    EXPECT_EQ(window.text("标签"), "横幅\n第二行");
    window.setText("标签", "找到 3 个\r\n第二行");
    EXPECT_EQ(qobject_cast<QLabel*>(window.widgetForTesting("标签"))->text(),
              QString("找到 3 个\n第二行"));
    EXPECT_EQ(window.text("标签"), "找到 3 个\n第二行");
}

TEST_F(WindowBuildTest, ButtonsAndMenuItemsRaiseTheirEvents) {
    Window& window = openSample();
    click(window.widgetForTesting("按钮1"), QPoint(5, 5));
    ASSERT_EQ(eventsOf(EventKind::Clicked).size(), 1u);
    EXPECT_EQ(eventsOf(EventKind::Clicked)[0].control, "按钮1");

    window.setEnabled("按钮1", false);
    EXPECT_FALSE(window.isEnabled("按钮1"));
    click(window.widgetForTesting("按钮1"), QPoint(5, 5));
    EXPECT_EQ(eventsOf(EventKind::Clicked).size(), 1u);

    auto* menu = qobject_cast<QMenu*>(window.widgetForTesting("右键"));
    ASSERT_EQ(menu->actions().size(), 2);
    menu->actions()[1]->trigger();
    const auto selected = eventsOf(EventKind::ItemSelected);
    ASSERT_EQ(selected.size(), 1u);
    EXPECT_EQ(selected[0].control, "右键");
    EXPECT_EQ(selected[0].args.index, 1);
}

// A JPEG of one colour, encoded by Qt's own writer so that the decoder under test is not
// also the one that made it.
std::vector<std::byte> plainJpeg(QColor colour) {
    QImage image(32, 32, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG", 95);
    const auto* data = reinterpret_cast<const std::byte*>(bytes.constData());
    return {data, data + bytes.size()};
}

TEST_F(WindowBuildTest, PictureBoxTakesAndClearsBytes) {
    Window& window = openSample();
    window.setCurrentPage("选择夹", 1);
    QWidget* box = window.widgetForTesting("图片框");
    EXPECT_FALSE(window.hasPicture("图片框"));
    const QImage empty = box->grab().toImage();

    const std::vector<std::byte> red = plainJpeg(QColor(255, 0, 0));
    ASSERT_FALSE(red.empty());
    window.setPicture("图片框", red);
    EXPECT_TRUE(window.hasPicture("图片框"));
    const QColor centre = box->grab().toImage().pixelColor(box->width() / 2, box->height() / 2);
    EXPECT_GT(centre.red(), 230);
    EXPECT_LT(centre.green(), 25);
    EXPECT_LT(centre.blue(), 25);

    // Bytes that start like a JPEG and then break off paint nothing at all.
    const std::byte broken[] = {std::byte{0xFF}, std::byte{0xD8}, std::byte{0x00}};
    window.setPicture("图片框", broken);
    EXPECT_TRUE(window.hasPicture("图片框"));
    EXPECT_EQ(box->grab().toImage(), empty);

    window.setPicture("图片框", {});
    EXPECT_FALSE(window.hasPicture("图片框"));
    EXPECT_EQ(box->grab().toImage(), empty);
}

TEST_F(WindowBuildTest, EachConnectionControlHasItsOwnDatabase) {
    Window& first = openSample();
    WindowTemplate secondTemplate = sampleWindow();
    secondTemplate.name = "样例窗口2";
    Window* second = WindowManager::instance().open(secondTemplate);
    ASSERT_NE(second, nullptr);

    catalogue::CatalogueDatabase& mine = first.database("外部数据库1");
    catalogue::CatalogueDatabase& theirs = second->database("外部数据库1");
    EXPECT_EQ(&mine, &first.database("外部数据库1")) << "one object for the life of the window";
    EXPECT_NE(&mine, &theirs);

    lz::test::TempDir dir;
    const std::string path = (dir.path() / "bearing.db").string();
    ASSERT_TRUE(lz::test::writeSmallCatalogue(path, ""));
    ASSERT_TRUE(mine.OpenMdbDatabase(path));
    EXPECT_TRUE(first.database("外部数据库1").isConnected());
    EXPECT_FALSE(theirs.isConnected());
}

#ifdef NDEBUG
// Release builds shrug off a wrong control name or kind instead of asserting.
TEST_F(WindowBuildTest, WrongNamesAndKindsGiveNeutralResults) {
    Window& window = openSample();
    EXPECT_EQ(window.text("不存在"), "");
    EXPECT_EQ(window.appendRow("编辑框1"), -1);
    EXPECT_EQ(window.rowCount("按钮1"), 0);
    EXPECT_EQ(window.selectedRow("不存在"), -1);
    EXPECT_FALSE(window.isChecked("按钮1"));
    EXPECT_EQ(window.currentPage("列表"), -1);
    EXPECT_FALSE(window.hasPicture("列表"));
    window.setText("列表", "x");
    window.setCurrentPage("不存在", 1);
    window.popupMenu("按钮1", 0, 0);
    window.setItems("编辑框1", std::vector<std::string>{"x"});
    EXPECT_TRUE(window.items("编辑框1").empty());
    EXPECT_EQ(window.text("编辑框1"), "");
    EXPECT_EQ(window.widgetForTesting("不存在"), nullptr);
}
#endif

}  // namespace
}  // namespace lz::ui::testing
