#include "windows/web_window_templates.h"

#include <string_view>
#include <vector>

#include "windows/template_helpers.h"
#include "windows/web_addresses.h"

namespace lz::windows {

namespace {

using ui::ControlKind;

// Both windows share one layout and differ in name, title and start page. Script errors of
// the online price pages are left visible here, unlike in the main window's web views.
ui::WindowTemplate priceWebWindow(std::string_view name, std::string_view title,
                                  std::string_view startAddress) {
    return {
        .name = name,
        .title = title,
        .outerWidth = 946,
        .outerHeight = 589,
        .minimiseBox = false,
        .stayOnTop = false,
        .controls = withKindTabStops({
            {.kind = ControlKind::WebView,
             .name = "超文本浏览框1",
             .geometry = {0, 0, 944, 544},
             .startAddress = startAddress,
             .suppressScriptErrors = false},
            // Docked at the bottom and never written to.
            {.kind = ControlKind::StatusBar, .name = "状态条1"},
        }),
    };
}

}  // namespace

const ui::WindowTemplate& importedPriceWebWindowTemplate() {
    static const ui::WindowTemplate imported =
        priceWebWindow("imported_price_web", "进口价格联网查询", windows::kImportedPricePage);
    return imported;
}

const ui::WindowTemplate& domesticPriceWebWindowTemplate() {
    static const ui::WindowTemplate domestic =
        priceWebWindow("domestic_price_web", "国产价格联网查询", windows::kDomesticPricePage);
    return domestic;
}

}  // namespace lz::windows
