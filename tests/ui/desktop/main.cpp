// main() of the tests on a real display (under_window_manager.sh): one QApplication on the
// xcb platform, set up as the program sets itself up, web engine included.
#include <unistd.h>

#include <gtest/gtest.h>
#include <QApplication>

#include "ui/message_pump.h"

int main(int argc, char** argv) {
    if (geteuid() == 0) {
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    }
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    lz::ui::chooseEventDispatcher();
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
