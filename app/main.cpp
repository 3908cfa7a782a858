// 翎轴: looks up rolling bearings in the catalogue it carries.
#include <unistd.h>

#include <QApplication>
#include <QStringList>

#include "app/startup/command_line.h"
#include "app/startup/program.h"
#include "app/startup/program_identity.h"
#include "ui/message_pump.h"

int main(int argc, char** argv) {
    // Options first: --help and --version must answer without a display, and a QApplication
    // would refuse to start without one.
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    if (const auto exitCode = lz::startup::answerCommandLine(arguments)) {
        return *exitCode;
    }
    // The web engine's sandbox refuses to run for root; a single-user desktop program run
    // that way (containers, kiosks) should still show its pages.
    if (geteuid() == 0) {
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    }
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    lz::ui::chooseEventDispatcher();
    QApplication app(argc, argv);
    lz::startup::applyProgramIdentity();
    return lz::startup::runProgram();
}
