// The program's life: start into the main window, end when the last window closes.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <array>

#include "app/startup/program.h"
#include "content/selected_bearing.h"
#include "tests/app_support/main_window_fixture.h"
#include "ui/window.h"
#include "ui/window_manager.h"
#include "windows/picture_window_template.h"

namespace lz::test {
namespace {

class LifecycleTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        QApplication::setQuitOnLastWindowClosed(true);
    }
    void TearDown() override {
        QApplication::setQuitOnLastWindowClosed(false);
        MainWindowTest::TearDown();
    }
};

TEST_F(LifecycleTest, StartShowsTheMainWindowWithTheSharedRecordEmpty) {
    content::selectedBearing().name = "left over";
    ui::Window* main = openMainWindow();
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(main->widgetForTesting()->isVisible());
    EXPECT_EQ(content::selectedBearing().name, "");
    EXPECT_EQ(content::selectedBearing().type, "");
}

TEST_F(LifecycleTest, ThePictureWindowKeepsTheProgramRunningAfterTheMainWindowCloses) {
    ui::Window* main = openMainWindow();
    ASSERT_NE(main, nullptr);
    ASSERT_NE(ui::WindowManager::instance().open(windows::bearingPictureWindowTemplate()), nullptr);

    bool runningAfterMainClosed = false;
    QTimer::singleShot(0, [&] { ui::WindowManager::instance().find("main")->close(); });
    QTimer::singleShot(50, [&] {
        runningAfterMainClosed = ui::WindowManager::instance().find("main") == nullptr;
        ui::WindowManager::instance().find("bearing_picture")->close();
    });
    QTimer::singleShot(5000, [] { QCoreApplication::exit(99); });  // never ended: fail
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_TRUE(runningAfterMainClosed);
    EXPECT_TRUE(ui::WindowManager::instance().openWindows().empty());
}

}  // namespace
}  // namespace lz::test

namespace lz::test {
namespace {

TEST_F(LifecycleTest, AFaultyTemplateStopsTheStartWithBothMessages) {
    ui::WindowTemplate broken = windows::bearingPictureWindowTemplate();
    broken.controls.push_back(broken.controls.front());  // a name twice
    const std::array templates = {&broken};
    EXPECT_FALSE(startup::openMainWindowFrom(templates));
    ASSERT_EQ(boxes_.size(), 2u);
    EXPECT_EQ(boxes_[0].text, "载入窗口模板数据段出错!");
    EXPECT_EQ(boxes_[1].text, "载入启动窗口失败");
    EXPECT_TRUE(ui::WindowManager::instance().openWindows().empty());
}

}  // namespace
}  // namespace lz::test
