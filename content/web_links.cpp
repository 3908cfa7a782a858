#include "content/web_links.h"

#include "content/url_opener.h"
#include "ui/message_boxes.h"
#include "ui/window_manager.h"
#include "windows/web_addresses.h"
#include "windows/web_window_templates.h"

namespace lz::content {

void promptCompanySite(ui::Window&, int, int, int) {
    // Asked again on every press: no answer is remembered.
    const ui::BoxAnswer answer =
        ui::MessageBoxes::show("是否打开澜岳轴承网？", "软件协议", ui::BoxButtons::YesNo);
    if (answer == ui::BoxAnswer::Yes) {
        openUrl(windows::kCompanySite);
    }
}

void openOnlineSite(ui::Window&) {
    openUrl(windows::kOnlineQueryHome);
}

// Each click builds the window anew; while it is open the program's other windows take no
// input, so its button cannot be clicked a second time meanwhile.
void showImportedPriceWebWindow(ui::Window&) {
    ui::WindowManager::instance().open(windows::importedPriceWebWindowTemplate(), true);
}

void showDomesticPriceWebWindow(ui::Window&) {
    ui::WindowManager::instance().open(windows::domesticPriceWebWindowTemplate(), true);
}

}  // namespace lz::content
