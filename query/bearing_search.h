#pragma once

namespace lz::ui {
class Window;
}

namespace lz::query {

// The five searches of the bearing page; each reads its controls on the main window and
// refills the bearing list.
void searchSingleField(ui::Window& mainWindow);
void searchCombined(ui::Window& mainWindow);
void searchByBrand(ui::Window& mainWindow);
void searchByType(ui::Window& mainWindow);
void searchByDimensions(ui::Window& mainWindow);

}  // namespace lz::query
