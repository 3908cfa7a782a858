#include <QAbstractButton>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>
#include <QWindow>

#include "tests/ui/window_fixture.h"
#include "ui/message_pump.h"

namespace lz::ui::testing {
namespace {

using WindowManagerTest = WindowTest;

WindowTemplate smallWindow(std::string_view name) {
    WindowTemplate window;
    window.name = name;
    window.title = name;
    window.outerWidth = 200;
    window.outerHeight = 120;
    ControlTemplate edit;
    edit.kind = ControlKind::EditBox;
    edit.name = "编辑框1";
    edit.geometry = {8, 8, 100, 20};
    window.controls.push_back(edit);
    return window;
}

void pressEscape(QWidget* target) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(target, &press);
}

TEST_F(WindowManagerTest, EscClosesTheWindowAlsoFromAnEditBox) {
    const WindowTemplate first = smallWindow("一");
    Window* window = WindowManager::instance().open(first);
    ASSERT_NE(window, nullptr);
    QWidget* edit = window->widgetForTesting("编辑框1");
    edit->setFocus();
    pressEscape(edit);
    EXPECT_EQ(WindowManager::instance().find("一"), nullptr);

    const WindowTemplate second = smallWindow("二");
    window = WindowManager::instance().open(second);
    ASSERT_NE(window, nullptr);
    pressEscape(window->widgetForTesting());
    EXPECT_TRUE(WindowManager::instance().openWindows().empty());
}

TEST_F(WindowManagerTest, NoControlKindKeepsEscFromTheWindow) {
    const struct {
        const char* name;
        int page;
    } focused[] = {{"单选框1", 0}, {"编辑框1", 0}, {"选择框", 0}, {"组合框", 0},
                   {"按钮1", 0},   {"列表", 1},    {"浏览框", 1}, {"编辑框9", 1}};
    for (const auto& [name, page] : focused) {
        const WindowTemplate sample = sampleWindow();
        Window* window = WindowManager::instance().open(sample);
        ASSERT_NE(window, nullptr);
        window->setCurrentPage("选择夹", page);
        QWidget* control = window->widgetForTesting(name);
        // A combo box's keys go to its line edit.
        pressEscape(control->focusProxy() != nullptr ? control->focusProxy() : control);
        EXPECT_EQ(WindowManager::instance().find("样例窗口"), nullptr) << name;
        WindowManager::instance().closeAll();
    }
}

TEST_F(WindowManagerTest, OpeningAnOpenWindowReturnsItUnbuilt) {
    const WindowTemplate picture = smallWindow("图形");
    Window* first = WindowManager::instance().open(picture);
    ASSERT_NE(first, nullptr);
    first->setText("编辑框1", "保留");
    Window* again = WindowManager::instance().open(picture);
    EXPECT_EQ(again, first);
    EXPECT_EQ(again->text("编辑框1"), "保留");
    EXPECT_EQ(eventsOf(EventKind::Created).size(), 1u);
    EXPECT_EQ(WindowManager::instance().openWindows().size(), 1u);
}

TEST_F(WindowManagerTest, OpeningAMinimisedWindowRestoresIt) {
    const WindowTemplate picture = smallWindow("图形");
    Window* window = WindowManager::instance().open(picture);
    ASSERT_NE(window, nullptr);
    window->widgetForTesting()->showMinimized();
    ASSERT_TRUE(window->isMinimised());
    EXPECT_EQ(WindowManager::instance().open(picture), window);
    EXPECT_FALSE(window->isMinimised());
}

TEST_F(WindowManagerTest, ClosedWindowIsBuiltAnewOnTheNextOpen) {
    const WindowTemplate picture = smallWindow("图形");
    Window* first = WindowManager::instance().open(picture);
    ASSERT_NE(first, nullptr);
    first->setText("编辑框1", "旧");
    first->close();
    QApplication::processEvents();
    Window* second = WindowManager::instance().open(picture);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->text("编辑框1"), "");
    EXPECT_EQ(eventsOf(EventKind::Created).size(), 2u);
}

TEST_F(WindowManagerTest, WindowClosedByItsCreatedEventIsNeitherShownNorReturned) {
    onEvent = [](Window& window, const Event& event) {
        if (event.kind == EventKind::Created) {
            window.close();
            window.setText("编辑框1", "still usable while the action runs");
        }
    };
    const WindowTemplate doomed = smallWindow("短命");
    EXPECT_EQ(WindowManager::instance().open(doomed), nullptr);
    EXPECT_EQ(WindowManager::instance().find("短命"), nullptr);
    QApplication::processEvents();
}

TEST_F(WindowManagerTest, WindowClosedDuringAnActionLivesUntilTheActionEnds) {
    bool usableAfterPump = false;
    onEvent = [&](Window& window, const Event& event) {
        if (event.kind == EventKind::Clicked) {
            window.close();            // as if the user closed it while a fill pumps messages
            processPendingMessages();  // runs the queued clean-up of closed windows
            window.setText("编辑框1", "fill goes on");
            usableAfterPump = window.text("编辑框1") == "fill goes on";
        }
    };
    const WindowTemplate sample = sampleWindow();
    Window* window = WindowManager::instance().open(sample);
    ASSERT_NE(window, nullptr);
    static_cast<QAbstractButton*>(window->widgetForTesting("按钮1"))->click();
    EXPECT_TRUE(usableAfterPump);
    EXPECT_EQ(WindowManager::instance().find("样例窗口"), nullptr);
    QApplication::processEvents();
}

TEST_F(WindowManagerTest, InvalidTemplateIsNotBuilt) {
    WindowTemplate broken = smallWindow("坏");
    broken.controls.push_back(broken.controls.front());
    EXPECT_EQ(WindowManager::instance().open(broken), nullptr);
    EXPECT_TRUE(events.empty());
    EXPECT_TRUE(WindowManager::instance().openWindows().empty());
}

TEST_F(WindowManagerTest, ModalWindowBlocksTheOthersUntilClosed) {
    const WindowTemplate mainTemplate = smallWindow("主");
    const WindowTemplate webTemplate = smallWindow("联网");
    Window* mainWindow = WindowManager::instance().open(mainTemplate);
    ASSERT_NE(mainWindow, nullptr);

    bool blocked = false;
    struct BlockWatcher : QObject {
        bool* blocked;
        explicit BlockWatcher(bool* flag) : blocked(flag) {}
        bool eventFilter(QObject*, QEvent* event) override {
            if (event->type() == QEvent::WindowBlocked) {
                *blocked = true;
            } else if (event->type() == QEvent::WindowUnblocked) {
                *blocked = false;
            }
            return false;
        }
    } watcher(&blocked);
    mainWindow->widgetForTesting()->installEventFilter(&watcher);

    Window* web = WindowManager::instance().open(webTemplate, true);
    ASSERT_NE(web, nullptr);
    EXPECT_EQ(QApplication::activeModalWidget(), web->widgetForTesting());
    EXPECT_TRUE(blocked);

    web->close();
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_FALSE(blocked);
    mainWindow->widgetForTesting()->removeEventFilter(&watcher);
}

TEST(CentredPosition, CentresAndGoesNegativeOnSmallScreens) {
    const Point fits = centredPosition(1024, 768, 813, 660);
    EXPECT_EQ(fits.x, 105);
    EXPECT_EQ(fits.y, 54);
    const Point tooLarge = centredPosition(800, 600, 946, 660);
    EXPECT_EQ(tooLarge.x, -73);
    EXPECT_EQ(tooLarge.y, -30);
}

TEST_F(WindowManagerTest, WindowIsPlacedCentredOnTheScreen) {
    const WindowTemplate centred = smallWindow("居中");
    Window* window = WindowManager::instance().open(centred);
    ASSERT_NE(window, nullptr);
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const Point expected = centredPosition(screen.width(), screen.height(), 200, 120);
    EXPECT_EQ(window->widgetForTesting()->pos(),
              QPoint(screen.x() + expected.x, screen.y() + expected.y));
}

TEST(BesidePosition, RightOfTheOwnerElseLeftElseWhereTheScreenHasMoreRoom) {
    const Rect screen{0, 0, 1920, 1040};
    const struct {
        Rect owner;
        int width, height;
        int x, y;
    } cases[] = {
        {{100, 50, 813, 660}, 720, 660, 913, 50},     // fits on the right
        {{1100, 50, 813, 660}, 720, 660, 380, 50},    // only on the left
        {{553, 190, 813, 660}, 720, 660, 1200, 190},  // neither: the right has a pixel more
        {{600, 190, 813, 660}, 720, 660, 0, 190},     // neither: the left has more
        {{100, 600, 813, 660}, 720, 660, 913, 380},   // would reach below the screen
        {{100, -40, 813, 660}, 720, 660, 913, 0},     // the owner above the screen's top
        {{100, 50, 813, 660}, 2500, 1200, 0, 0},      // larger than the screen
    };
    for (const auto& c : cases) {
        const Point corner = besidePosition(screen, c.owner, c.width, c.height);
        EXPECT_EQ(corner.x, c.x) << c.owner.left;
        EXPECT_EQ(corner.y, c.y) << c.owner.left;
    }
    // A second screen to the right of the first.
    const Point second = besidePosition({1920, 0, 1280, 1024}, {2000, 100, 400, 300}, 300, 200);
    EXPECT_EQ(second.x, 2400);
    EXPECT_EQ(second.y, 100);
}

TEST_F(WindowManagerTest, AToolWindowStandsBesideItsOwnerStaysModelessAndClosesWithIt) {
    const WindowTemplate ownerTemplate = smallWindow("主");
    WindowTemplate toolTemplate = smallWindow("工具");
    toolTemplate.ownerWindow = "主";
    Window* owner = WindowManager::instance().open(ownerTemplate);
    ASSERT_NE(owner, nullptr);
    owner->widgetForTesting()->move(40, 30);
    Window* tool = WindowManager::instance().open(toolTemplate, /*modal=*/true);
    ASSERT_NE(tool, nullptr);
    QWidget* toolFrame = tool->widgetForTesting();
    EXPECT_TRUE(toolFrame->windowFlags().testFlag(Qt::Tool));
    EXPECT_FALSE(toolFrame->isModal());
    EXPECT_TRUE(owner->widgetForTesting()->isEnabled());
    ASSERT_NE(toolFrame->windowHandle(), nullptr);
    EXPECT_EQ(toolFrame->windowHandle()->transientParent(),
              owner->widgetForTesting()->windowHandle());
    const QRect ownerFrame = owner->widgetForTesting()->frameGeometry();
    const QRect area = toolFrame->screen()->availableGeometry();
    const Point expected = besidePosition(
        {area.x(), area.y(), area.width(), area.height()},
        {ownerFrame.x(), ownerFrame.y(), ownerFrame.width(), ownerFrame.height()}, 200, 120);
    EXPECT_EQ(toolFrame->pos(), QPoint(expected.x, expected.y));

    // Closing the tool leaves the owner; closing the owner takes the tool along.
    tool->close();
    EXPECT_EQ(WindowManager::instance().find("主"), owner);
    tool = WindowManager::instance().open(toolTemplate);
    ASSERT_NE(tool, nullptr);
    owner->close();
    EXPECT_EQ(WindowManager::instance().find("工具"), nullptr);

    // Without its owner open, the same template makes an ordinary window.
    Window* alone = WindowManager::instance().open(toolTemplate);
    ASSERT_NE(alone, nullptr);
    EXPECT_FALSE(alone->widgetForTesting()->windowFlags().testFlag(Qt::Tool));
}

// Runs last in this file: it enters the application's event loop once.
TEST_F(WindowManagerTest, ClosingTheLastWindowEndsTheProgram) {
    const WindowTemplate first = smallWindow("主");
    const WindowTemplate second = smallWindow("图形");
    Window* mainWindow = WindowManager::instance().open(first);
    Window* picture = WindowManager::instance().open(second);
    ASSERT_NE(mainWindow, nullptr);
    ASSERT_NE(picture, nullptr);

    int lastClosed = 0;
    QObject::connect(qApp, &QGuiApplication::lastWindowClosed, qApp, [&] { ++lastClosed; });
    QApplication::setQuitOnLastWindowClosed(true);
    bool stillRunningAfterMainClosed = false;
    QTimer::singleShot(0, [&] {
        mainWindow->close();
        QTimer::singleShot(0, [&] {
            stillRunningAfterMainClosed = true;
            WindowManager::instance().find("图形")->close();
        });
    });
    // A safety net so that a fault cannot hang the test run; it is not a timing check.
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    guard.start(10000);
    const int result = QApplication::exec();
    QApplication::setQuitOnLastWindowClosed(false);
    EXPECT_EQ(result, 0);
    EXPECT_TRUE(stillRunningAfterMainClosed);
    EXPECT_EQ(lastClosed, 1);
    EXPECT_TRUE(WindowManager::instance().openWindows().empty());
    QObject::disconnect(qApp, &QGuiApplication::lastWindowClosed, qApp, nullptr);
}

}  // namespace
}  // namespace lz::ui::testing
