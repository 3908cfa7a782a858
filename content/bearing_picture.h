#pragma once

#include <cstdint>

namespace lz::catalogue {
class CatalogueDatabase;
}
namespace lz::ui {
class Window;
}

namespace lz::content {

// Right-click in the bearing list: pops up the menu "右键".
void showBearingMenu(ui::Window& mainWindow);
// "查看": copies the selected row into SelectedBearing and opens the picture window, or
// shows the row in the open one and brings it forward.
void openBearingPicture(ui::Window& mainWindow);
// The same for bearing `bh` of `database`, read from the catalogue itself: for lists that
// show fewer of the row's values (the 型号助手's). False, with nothing opened, when the row
// cannot be read.
bool openBearingPictureOfRow(catalogue::CatalogueDatabase& database, std::int32_t bh);
// Created event of the picture window, and the refill of an open one: shows the type's
// drawing (none for a type without one) and the row's values.
void initBearingPictureWindow(ui::Window& pictureWindow);

}  // namespace lz::content
