// The bearing list's way to the picture window: context menu, "查看", double click, and the
// window that fills itself from the copied row.
#include "content/bearing_picture.h"

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QContextMenuEvent>
#include <QCursor>
#include <QDeadlineTimer>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QTableView>
#include <QTest>
#include <array>
#include <string>
#include <vector>

#include "content/selected_bearing.h"
#include "tests/app_support/main_window_fixture.h"
#include "ui/jpeg_decoder.h"
#include "ui/picture_box.h"
#include "ui/window.h"
#include "ui/window_manager.h"

namespace lz::content {
namespace {

constexpr std::string_view kList = "超级列表框_主窗口";
constexpr std::string_view kPictureWindow = "bearing_picture";

using Row = std::array<std::string_view, 10>;

// Every column distinct, so that a value in the wrong box shows.
constexpr Row kDeepGroove = {"31415",      "FAG 6205-2RS 轴承",
                             "6205-2RS",   "180205",
                             "25",         "52",
                             "15",         "FAG",
                             "深沟球轴承", "两面带密封圈（接触式）的深沟球轴承"};
constexpr Row kTapered = {
    "27182",  "TIMKEN 30205 轴承", "30205",       "7205E", "25.0", "52.0", "16.25",
    "TIMKEN", "圆锥滚子轴承",      "圆锥滚子轴承"};

// Rows of the shipped catalogue (assets/catalogue.sql) as the bearing list shows them; an
// empty old model is NULL there.
constexpr Row kNsk6205 = {
    "463",        "NSK 6205 轴承",          "6205", "205", "25", "52", "15", "NSK",
    "深沟球轴承", "深沟球轴承 （60000 型）"};
constexpr Row kNachi6205P6 = {"15085",      "NACHI 6205P6 轴承",
                              "6205/P6",    "",
                              "25",         "52",
                              "15",         "NACHI",
                              "深沟球轴承", "精密深沟球轴承（60000/P6 型）"};
constexpr Row kNsk30205J = {
    "6626", "NSK 30205J 轴承", "30205", "7205E",        "25",
    "52",   "16.25",           "NSK",   "圆锥滚子轴承", "圆锥滚子轴承 （30000 型）"};
constexpr Row kEzo6800 = {"21991",    "EZO 6800 轴承",
                          "61800",    "1000800",
                          "10",       "19",
                          "5",        "EZO",
                          "薄壁轴承", "薄壁深沟球轴承（61800型）"};

// The eight boxes in the order 编辑框1, 2, 3, 4, 5, 9, 7, 8 and what each must show of a row:
// name, inner diameter, brand, new model, outer diameter, description, old model, width.
std::vector<std::string> expectedBoxes(const Row& row) {
    return {std::string(row[1]), std::string(row[4]), std::string(row[7]), std::string(row[2]),
            std::string(row[5]), std::string(row[9]), std::string(row[3]), std::string(row[6])};
}

std::vector<std::string> shownBoxes(const ui::Window& window) {
    std::vector<std::string> texts;
    for (const char* box :
         {"编辑框1", "编辑框2", "编辑框3", "编辑框4", "编辑框5", "编辑框9", "编辑框7", "编辑框8"}) {
        texts.push_back(window.text(box));
    }
    return texts;
}

QImage assetPicture(const char* file) {
    QFile in(QString(LZ_SOURCE_DIR "/assets/types/") + file);
    EXPECT_TRUE(in.open(QIODevice::ReadOnly)) << file;
    const QByteArray bytes = in.readAll();
    return ui::decodeJpeg(std::as_bytes(std::span(bytes.constData(), bytes.size())));
}

QImage shownPicture(const ui::Window& window) {
    auto* box = static_cast<ui::PictureBox*>(window.widgetForTesting("图片框1"));
    return box->image();
}

class BearingPictureTest : public test::MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        selectedBearing() = SelectedBearing();
        main_ = openMainWindow();
        ASSERT_NE(main_, nullptr);
        main_->clearRows(kList);
    }

    int addRow(const Row& cells) {
        const int row = main_->appendRow(kList);
        for (int column = 0; column < 10; ++column) {
            main_->setCellText(kList, row, column, cells[column]);
        }
        return row;
    }

    QTableView* listView() const {
        return static_cast<QTableView*>(main_->widgetForTesting(kList));
    }

    // The right-click the platform sends, then "查看" chosen from the menu that pops up.
    void rightClickAndView() {
        QWidget* viewport = listView()->viewport();
        QContextMenuEvent rightClick(QContextMenuEvent::Mouse, QPoint(5, 5),
                                     viewport->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(viewport, &rightClick);
        auto* menu = static_cast<QMenu*>(main_->widgetForTesting("右键"));
        EXPECT_TRUE(menu->isVisible());
        menu->actions().at(0)->trigger();
        menu->hide();
    }

    // What the platform sends for a double click on the row's ID cell.
    void doubleClickRow(int row) {
        QTableView* view = listView();
        QDeadlineTimer deadline(2000);
        while (view->model()->rowCount() <= row && !deadline.hasExpired()) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        }
        ASSERT_GT(view->model()->rowCount(), row);
        view->scrollTo(view->model()->index(row, 0));
        QWidget* viewport = view->viewport();
        const QPointF at = view->visualRect(view->model()->index(row, 0)).center();
        const QPointF global = viewport->mapToGlobal(at);
        for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
                                  QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease}) {
            const bool down = type != QEvent::MouseButtonRelease;
            QMouseEvent event(type, at, global, Qt::LeftButton,
                              down ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(viewport, &event);
        }
    }

    // The listed row whose name column reads `name`; -1 when none.
    int rowNamed(std::string_view name) const {
        for (int row = 0; row < main_->rowCount(kList); ++row) {
            if (main_->cellText(kList, row, 1) == name) {
                return row;
            }
        }
        return -1;
    }

    static ui::Window* pictureWindow() {
        return ui::WindowManager::instance().find(kPictureWindow);
    }

    // Closed windows go once the event loop has had a turn.
    static void closeAndSettle(ui::Window* window) {
        window->close();
        QApplication::processEvents();
    }

    ui::Window* main_ = nullptr;
};

TEST_F(BearingPictureTest, MenuPopsUpBesideTheCursorAndViewWithoutASelectedRowOpensNothing) {
    addRow(kDeepGroove);
    QCursor::setPos(200, 150);
    QWidget* viewport = listView()->viewport();
    QContextMenuEvent rightClick(QContextMenuEvent::Mouse, QPoint(5, 5),
                                 viewport->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(viewport, &rightClick);
    auto* menu = static_cast<QMenu*>(main_->widgetForTesting("右键"));
    ASSERT_TRUE(menu->isVisible());
    EXPECT_EQ(menu->pos(), QCursor::pos() + QPoint(3, 3));
    menu->actions().at(0)->trigger();
    menu->hide();

    EXPECT_EQ(pictureWindow(), nullptr);
    EXPECT_EQ(selectedBearing().name, "");
    EXPECT_TRUE(boxes_.empty());
}

TEST_F(BearingPictureTest, ViewShowsTheRowsDrawingAndItsEightValuesButNeverItsId) {
    addRow(kTapered);
    main_->selectRow(kList, addRow(kDeepGroove));
    rightClickAndView();

    ui::Window* window = pictureWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->widgetForTesting()->isVisible());
    EXPECT_EQ(window->widgetForTesting()->parentWidget(), nullptr);
    EXPECT_FALSE(window->widgetForTesting()->isModal());
    EXPECT_TRUE(main_->widgetForTesting()->isEnabled());

    ASSERT_TRUE(window->hasPicture("图片框1"));
    const QImage expected = assetPicture("01_deep_groove_ball.jpg");
    ASSERT_FALSE(expected.isNull());
    EXPECT_EQ(shownPicture(*window), expected);

    EXPECT_EQ(shownBoxes(*window), expectedBoxes(kDeepGroove));
    for (const std::string& text : shownBoxes(*window)) {
        EXPECT_EQ(text.find("31415"), std::string::npos);
    }
    EXPECT_EQ(selectedBearing().type, "深沟球轴承");
}

TEST_F(BearingPictureTest, TypesWithoutADrawingShowTheValuesOnly) {
    for (std::string_view type : {"其它", "深沟球轴承 ", "", "薄壁轴承"}) {
        SCOPED_TRACE(std::string(type));
        Row row = kDeepGroove;
        row[8] = type;
        main_->clearRows(kList);
        main_->selectRow(kList, addRow(row));
        rightClickAndView();
        ui::Window* window = pictureWindow();
        ASSERT_NE(window, nullptr);
        EXPECT_FALSE(window->hasPicture("图片框1"));
        EXPECT_EQ(shownBoxes(*window), expectedBoxes(row));
        closeAndSettle(window);
    }
}

TEST_F(BearingPictureTest, AskingForAnotherBearingFillsTheOpenWindowWithItAndBringsItForward) {
    // The list as the search for new designations containing "6205" fills it from the
    // shipped catalogue.
    main_->setText("编辑框1", "6205");
    main_->setChecked("单选框1", true);
    QTest::mouseClick(main_->widgetForTesting("按钮1"), Qt::LeftButton);
    const int nsk = rowNamed(kNsk6205[1]);
    const int nachi = rowNamed(kNachi6205P6[1]);
    ASSERT_GE(nsk, 0);
    ASSERT_GE(nachi, 0);

    main_->selectRow(kList, nsk);
    rightClickAndView();
    ui::Window* window = pictureWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(shownBoxes(*window), expectedBoxes(kNsk6205));

    // Minimised meanwhile, then the other row double-clicked.
    window->widgetForTesting()->showMinimized();
    main_->widgetForTesting()->activateWindow();
    ASSERT_TRUE(QTest::qWaitFor([this] { return main_->widgetForTesting()->isActiveWindow(); }));
    doubleClickRow(nachi);
    EXPECT_EQ(pictureWindow(), window) << "one picture window at a time";
    EXPECT_EQ(shownBoxes(*window), expectedBoxes(kNachi6205P6));
    EXPECT_EQ(shownPicture(*window), assetPicture("01_deep_groove_ball.jpg"));
    EXPECT_FALSE(window->isMinimised());
    EXPECT_TRUE(
        QTest::qWaitFor([window] { return window->widgetForTesting()->isActiveWindow(); }, 2000));
}

TEST_F(BearingPictureTest, TheOpenWindowsDrawingFollowsTheTypeOfTheBearingAskedFor) {
    const int deepGroove = addRow(kNsk6205);
    const int tapered = addRow(kNsk30205J);
    const int thinSection = addRow(kEzo6800);
    const struct {
        int row;
        const Row& cells;
        const char* drawing;  // none for a type without one
    } steps[] = {
        {deepGroove, kNsk6205, "01_deep_groove_ball.jpg"},
        {tapered, kNsk30205J, "04_tapered_roller.jpg"},
        {thinSection, kEzo6800, nullptr},
        {tapered, kNsk30205J, "04_tapered_roller.jpg"},
    };
    ui::Window* first = nullptr;
    for (const auto& step : steps) {
        SCOPED_TRACE(std::string(step.cells[1]));
        main_->selectRow(kList, step.row);
        rightClickAndView();
        ui::Window* window = pictureWindow();
        ASSERT_NE(window, nullptr);
        if (first == nullptr) {
            first = window;
        }
        EXPECT_EQ(window, first);
        EXPECT_EQ(shownBoxes(*window), expectedBoxes(step.cells));
        if (step.drawing != nullptr) {
            EXPECT_EQ(shownPicture(*window), assetPicture(step.drawing));
        } else {
            EXPECT_FALSE(window->hasPicture("图片框1"));
        }
    }
}

TEST_F(BearingPictureTest, DoubleClickOnARowOpensItsWindowAndLeavesTheIdUnedited) {
    addRow(kDeepGroove);
    addRow(kTapered);
    QTableView* view = listView();
    doubleClickRow(1);
    QWidget* viewport = view->viewport();
    // An editor would be a line edit on the viewport; one closed meanwhile (the new window
    // took the focus) is only deleted later, so it would still be found here.
    EXPECT_TRUE(viewport->findChildren<QLineEdit*>().isEmpty()) << "the double click began an edit";
    QApplication::processEvents();

    ui::Window* window = pictureWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(shownBoxes(*window), expectedBoxes(kTapered));
    const QModelIndex idCell = view->model()->index(1, 0);
    EXPECT_EQ(view->indexWidget(idCell), nullptr) << "no editor on the ID cell";
    EXPECT_EQ(main_->cellText(kList, 1, 0), "27182");

    // The ID cell is still editable from the keyboard.
    closeAndSettle(window);
    view->setFocus();
    QKeyEvent f2(QEvent::KeyPress, Qt::Key_F2, Qt::NoModifier);
    QApplication::sendEvent(view, &f2);
    EXPECT_NE(view->indexWidget(idCell), nullptr);
}

}  // namespace
}  // namespace lz::content
