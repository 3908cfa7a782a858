#pragma once

namespace lz::ui {
class Window;
}

namespace lz::query {

// Right-click in a price list: pops up its context menu ("右键1", "右键2") at the mouse
// cursor, placed as the bearing list's menu is.
void showImportedPriceMenu(ui::Window& mainWindow);
void showDomesticPriceMenu(ui::Window& mainWindow);

}  // namespace lz::query
