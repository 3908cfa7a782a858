#include "query/price_list_menus.h"

#include "ui/window.h"

namespace lz::query {
namespace {

// The menu opens 3 pixels right of and below the cursor, clear of the pointer.
constexpr int kMenuOffset = 3;

}  // namespace

void showImportedPriceMenu(ui::Window& mainWindow) {
    mainWindow.popupMenu("右键1", kMenuOffset, kMenuOffset);
}

void showDomesticPriceMenu(ui::Window& mainWindow) {
    mainWindow.popupMenu("右键2", kMenuOffset, kMenuOffset);
}

}  // namespace lz::query
