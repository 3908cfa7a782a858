#pragma once

namespace lz::shop_tool {

// Makes sure a QGuiApplication runs, as writing PDF needs one: the one there is, or one
// made now on the offscreen platform (unless QT_QPA_PLATFORM names another), so that no
// display is needed. It lives until the process ends. False when only a QCoreApplication
// runs, or no platform can be loaded.
bool ensureGuiApplication();

}  // namespace lz::shop_tool
