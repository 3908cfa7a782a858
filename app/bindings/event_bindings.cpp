#include "app/bindings/event_bindings.h"

#include <array>

#include "app/bindings/page_switch.h"
#include "app/startup/catalogue_startup.h"
#include "app/ui/window.h"
#include "app/windows/main_window_template.h"
#include "app/windows/picture_window_template.h"
#include "content/bearing_picture.h"
#include "content/web_links.h"
#include "query/bearing_search.h"
#include "query/price_queries.h"

namespace lz::bindings {

using ui::EventArgs;
using ui::EventKind;
using ui::Window;

void startUp(Window& mainWindow, const EventArgs&) {
    startup::deployCatalogue(mainWindow, startup::defaultDeployment());
}

void toolbarClicked(Window& mainWindow, const EventArgs& args) {
    switchMainPage(mainWindow, args.index);
}

void bannerPressed(Window& mainWindow, const EventArgs& args) {
    content::promptCompanySite(mainWindow, args.x, args.y, args.keyState);
}

void noAction(Window&, const EventArgs&) {}

namespace {

constexpr std::string_view kMain = windows::kMainWindowName;
constexpr std::string_view kPicture = windows::kBearingPictureWindowName;

constexpr std::array kBindings = {
    Binding{kMain, "", EventKind::Created, -1, startUp},
    Binding{kMain, "工具条", EventKind::ToolButtonClicked, -1, toolbarClicked},
    Binding{kMain, "标签12", EventKind::LeftButtonPressed, -1, bannerPressed},
    Binding{kMain, "超级列表框_主窗口", EventKind::RightClicked, -1,
            withoutArguments<content::showBearingMenu>},
    Binding{kMain, "超级列表框_主窗口", EventKind::CurrentItemChanged, -1, noAction},
    Binding{kMain, "右键", EventKind::ItemSelected, 0,
            withoutArguments<content::openBearingPicture>},
    Binding{kMain, "按钮1", EventKind::Clicked, -1, withoutArguments<query::searchSingleField>},
    Binding{kMain, "按钮搜索", EventKind::Clicked, -1, withoutArguments<query::searchCombined>},
    Binding{kMain, "按钮2", EventKind::Clicked, -1, withoutArguments<query::searchByBrand>},
    Binding{kMain, "按钮3", EventKind::Clicked, -1, withoutArguments<query::searchByType>},
    Binding{kMain, "按钮11", EventKind::Clicked, -1, withoutArguments<query::searchByDimensions>},
    Binding{kMain, "按钮4", EventKind::Clicked, -1, withoutArguments<content::openOnlineSite>},
    Binding{kMain, "按钮12", EventKind::Clicked, -1,
            withoutArguments<query::runImportedPriceQuery>},
    Binding{kMain, "按钮5", EventKind::Clicked, -1,
            withoutArguments<content::showImportedPriceWebWindow>},
    Binding{kMain, "按钮_查询国产", EventKind::Clicked, -1,
            withoutArguments<query::runDomesticPriceQuery>},
    Binding{kMain, "按钮9", EventKind::Clicked, -1,
            withoutArguments<content::showDomesticPriceWebWindow>},
    Binding{kPicture, "", EventKind::Created, -1,
            withoutArguments<content::initBearingPictureWindow>},
};

}  // namespace

std::span<const Binding> eventBindings() {
    return kBindings;
}

const Binding* bindingFor(std::string_view window, const ui::Event& event) {
    for (const Binding& binding : kBindings) {
        if (binding.window == window && binding.control == event.control &&
            binding.event == event.kind && (binding.item < 0 || binding.item == event.args.index)) {
            return &binding;
        }
    }
    return nullptr;
}

void dispatchEvent(ui::Window& window, const ui::Event& event) {
    if (const Binding* binding = bindingFor(window.name(), event)) {
        binding->action(window, event.args);
    }
}

}  // namespace lz::bindings
