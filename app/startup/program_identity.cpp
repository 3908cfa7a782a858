#include "app/startup/program_identity.h"

#include <QApplication>

namespace lz::startup {

QString programName() {
    return QStringLiteral("lingzhou");
}

QString programVersion() {
    return QStringLiteral(LZ_PROGRAM_VERSION);
}

QString desktopId() {
    return QStringLiteral(LZ_DESKTOP_ID);
}

QIcon programIcon() {
    QIcon icon;
    for (const int size : {16, 32, 48, 64, 128, 256}) {
        icon.addFile(QStringLiteral(":/icon/lingzhou-%1.png").arg(size), QSize(size, size));
    }
    return icon;
}

void applyProgramIdentity() {
    QApplication::setApplicationName(programName());
    QApplication::setApplicationVersion(programVersion());
    // On Wayland the desktop entry's name is how the shell finds the window's icon and name.
    QGuiApplication::setDesktopFileName(desktopId());
    QApplication::setWindowIcon(programIcon());
}

}  // namespace lz::startup
