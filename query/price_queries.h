#pragma once

namespace lz::ui {
class Window;
}

namespace lz::query {

// The price pages' queries; each reads its page's controls and refills its list.
void runImportedPriceQuery(ui::Window& mainWindow);
void runDomesticPriceQuery(ui::Window& mainWindow);

}  // namespace lz::query
