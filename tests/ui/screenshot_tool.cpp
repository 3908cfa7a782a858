// Not a test: saves pictures of the sample window for a look by eye. Run it explicitly:
//   LZ_SCREENSHOT_DIR=/tmp test_ui --gtest_also_run_disabled_tests --gtest_filter='Scr*'
// With a real display (e.g. under xvfb-run with QT_QPA_PLATFORM=xcb) it also saves the
// whole screen, frame and all.
#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QThread>
#include <QWidget>

#include "tests/ui/window_fixture.h"
#include "ui/message_pump.h"

namespace lz::ui::testing {
namespace {

void settle() {
    for (int i = 0; i < 20; ++i) {
        QApplication::processEvents();
        QThread::msleep(20);
    }
}

using ScreenshotTool = WindowTest;

TEST_F(ScreenshotTool, DISABLED_SaveSampleWindow) {
    const QString directory = qEnvironmentVariable("LZ_SCREENSHOT_DIR", QDir::tempPath());
    // LZ_SCREENSHOT_WEB=1 puts real web views in (needs a display and the web engine).
    WindowManager::instance().setWebViewsEnabled(qEnvironmentVariableIsSet("LZ_SCREENSHOT_WEB"));
    Window& window = openSample();
    // Rows appended while the list is on screen, pumping after each as the fills do.
    window.setCurrentPage("选择夹", 1);
    settle();
    for (int row = 0; row < 8; ++row) {
        const int added = window.appendRow("列表");
        window.setCellText("列表", added, 0, std::to_string(row + 1));
        window.setCellText("列表", added, 1, "深沟球轴承");
        window.setCellText("列表", added, 2, "620" + std::to_string(row));
        processPendingMessages();
    }
    window.setText("编辑框9", "多行文本，自动换行，带垂直滚动条。\r\n第二段。");
    window.selectRow("列表", 1);
    QImage chart(120, 40, QImage::Format_RGB888);
    chart.fill(Qt::white);
    for (int x = 0; x < 60; ++x) {
        for (int y = 0; y < 40; ++y) {
            chart.setPixelColor(x, y, QColor(0, 120, 200));
        }
    }
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    chart.save(&buffer, "JPG");
    window.setPicture("图片框", std::as_bytes(std::span(jpeg.constData(), jpeg.size())));
    settle();
    if (QGuiApplication::platformName() == QLatin1String("xcb")) {
        // What the screen shows, not a fresh rendering: catches rows left unpainted.
        QGuiApplication::primaryScreen()->grabWindow(0).save(directory + "/sample_filling.png");
    }
    for (int page = 0; page < 2; ++page) {
        window.setCurrentPage("选择夹", page);
        settle();
        const QString name = QStringLiteral("%1/sample_page%2").arg(directory).arg(page);
        window.widgetForTesting()->grab().save(name + ".png");
        if (QGuiApplication::platformName() == QLatin1String("xcb")) {
            QGuiApplication::primaryScreen()->grabWindow(0).save(name + "_screen.png");
        }
    }
}

}  // namespace
}  // namespace lz::ui::testing
