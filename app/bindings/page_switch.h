#pragma once

namespace lz::ui {
class Window;
}

namespace lz::bindings {

// The toolbar's click: button 1 shows the bearing page and lists the first bearings
// again; buttons 2 to 6 show pages 1 to 5; the separator (0) and anything else do nothing.
// Pages keep their contents between visits.
void switchMainPage(ui::Window& mainWindow, int buttonIndex);

}  // namespace lz::bindings
