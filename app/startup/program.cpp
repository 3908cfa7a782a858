#include "app/startup/program.h"

#include <QApplication>
#include <array>

#include "app/bindings/event_bindings.h"
#include "content/selected_bearing.h"
#include "ui/message_boxes.h"
#include "ui/window_manager.h"
#include "windows/main_window_template.h"
#include "windows/picture_window_template.h"
#include "windows/shop_stock_template.h"
#include "windows/stock_import_template.h"
#include "windows/web_window_templates.h"

namespace lz::startup {

bool openMainWindowFrom(std::span<const ui::WindowTemplate* const> templates) {
    content::initSelectedBearing();
    for (const auto* windowTemplate : templates) {
        if (!ui::validateTemplate(*windowTemplate).empty()) {
            ui::MessageBoxes::show(kTemplatesFaultMessage);
            ui::MessageBoxes::show(kMainWindowFaultMessage);
            return false;
        }
    }
    auto& windows = ui::WindowManager::instance();
    windows.setEventSink(bindings::dispatchEvent);
    if (templates.empty() || windows.open(*templates.front()) == nullptr) {
        ui::MessageBoxes::show(kMainWindowFaultMessage);
        return false;
    }
    return true;
}

bool openMainWindow() {
    const std::array templates = {&windows::mainWindowTemplate(),
                                  &windows::bearingPictureWindowTemplate(),
                                  &windows::importedPriceWebWindowTemplate(),
                                  &windows::domesticPriceWebWindowTemplate(),
                                  &windows::shopStockWindowTemplate(),
                                  &windows::stockImportWindowTemplate()};
    return openMainWindowFrom(templates);
}

int runProgram() {
    QApplication::setQuitOnLastWindowClosed(true);
    if (!openMainWindow()) {
        return 1;
    }
    return QApplication::exec();
}

}  // namespace lz::startup
