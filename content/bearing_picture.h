#pragma once

namespace lz::ui {
class Window;
}

namespace lz::content {

// Right-click in the bearing list: pops up the menu "右键".
void showBearingMenu(ui::Window& mainWindow);
// "查看": copies the selected row into SelectedBearing and opens the picture window, or
// shows the row in the open one and brings it forward.
void openBearingPicture(ui::Window& mainWindow);
// Created event of the picture window, and the refill of an open one: shows the type's
// drawing (none for a type without one) and the row's values.
void initBearingPictureWindow(ui::Window& pictureWindow);

}  // namespace lz::content
