#pragma once

namespace lz::ui {
class Window;
}

namespace lz::content {

// Press on the banner: asks whether to open the company website (position and key state
// of the press are passed along and not needed).
void promptCompanySite(ui::Window& mainWindow, int x, int y, int keyState);
void openOnlineSite(ui::Window& mainWindow);
void showImportedPriceWebWindow(ui::Window& mainWindow);
void showDomesticPriceWebWindow(ui::Window& mainWindow);

}  // namespace lz::content
