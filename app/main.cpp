// 翎轴: looks up rolling bearings in the catalogue it carries.
#include <unistd.h>

#include <QApplication>

#include "app/startup/program.h"
#include "app/ui/message_pump.h"

int main(int argc, char** argv) {
    // The web engine's sandbox refuses to run for root; a single-user desktop program run
    // that way (containers, kiosks) should still show its pages.
    if (geteuid() == 0) {
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    }
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    lz::ui::chooseEventDispatcher();
    QApplication app(argc, argv);
    QApplication::setApplicationName("lingzhou");
    return lz::startup::runProgram();
}
