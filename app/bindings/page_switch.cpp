#include "app/bindings/page_switch.h"

#include "query/initial_listing.h"
#include "ui/window.h"
#include "windows/main_window_template.h"

namespace lz::bindings {

void switchMainPage(ui::Window& mainWindow, int buttonIndex) {
    if (buttonIndex < 1 || buttonIndex > 6) {
        return;
    }
    mainWindow.setCurrentPage(windows::kMainPages, buttonIndex - 1);
    if (buttonIndex == 1) {
        query::listInitialBearings(mainWindow);
    }
}

}  // namespace lz::bindings
