// Who the program is to the desktop and the terminal: its name, version and the id under
// which its desktop entry, icons and AppStream data are installed. The build supplies the
// version and the id, so the package, the metadata and the program never disagree.
#pragma once

#include <QIcon>
#include <QString>

namespace lz::startup {

// The executable's name, as installed in bin/.
QString programName();

QString programVersion();

// The reverse-DNS id: the desktop entry is <id>.desktop and the icon is named <id>.
QString desktopId();

// The program icon at every size it is drawn at, from the executable's own resources.
QIcon programIcon();

// Names the running QApplication, its version and its desktop entry, and gives every
// window the program icon. Call once, right after the QApplication is made.
void applyProgramIdentity();

}  // namespace lz::startup
