#include "content/bearing_picture.h"

namespace lz::content {

// Wired already; the picture window's actions are not written yet.
void showBearingMenu(ui::Window&) {}
void openBearingPicture(ui::Window&) {}
void initBearingPictureWindow(ui::Window&) {}

}  // namespace lz::content
