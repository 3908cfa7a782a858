#include "windows/designation_assistant_template.h"

#include <utility>
#include <vector>

#include "windows/main_window_template.h"
#include "windows/measured_size_page.h"
#include "windows/template_helpers.h"

namespace lz::windows {
namespace {

using ui::ControlKind;

// The pages' controls in one list, page 0 first (the first tab stop has the focus when
// the window opens).
std::vector<ui::ControlTemplate> withMeasuredSizePage(std::vector<ui::ControlTemplate> controls) {
    for (ui::ControlTemplate& control : measuredSizePageControls(kAssistantPages)) {
        controls.push_back(std::move(control));
    }
    return controls;
}

std::vector<ui::WiredEvent> withMeasuredSizeEvents(std::vector<ui::WiredEvent> events) {
    for (const ui::WiredEvent& event : measuredSizePageEvents()) {
        events.push_back(event);
    }
    return events;
}

std::vector<ui::ListColumn> resultListColumns() {
    std::vector<ui::ListColumn> columns;
    // The rows stand in groups under their headings, in the order the lookup ranks them:
    // a click on a heading does not reorder them.
    for (const AssistantColumn& column : kAssistantColumns) {
        columns.push_back({column.title, column.width, ui::ColumnSort::None});
    }
    return columns;
}

// Children of a tab page are placed from the tab control's corner, below its strip.
ui::ControlTemplate onPage(ui::ControlTemplate control) {
    control.container = kAssistantPages;
    control.page = kByDesignationPage;
    return control;
}

}  // namespace

const ui::WindowTemplate& designationAssistantWindowTemplate() {
    static const ui::WindowTemplate assistant{
        .name = kDesignationAssistantWindowName,
        .title = "型号助手",
        .outerWidth = 700,
        .outerHeight = 660,
        .minimiseBox = false,
        .stayOnTop = false,
        .ownerWindow = kMainWindowName,
        .controls = withKindTabStops(withMeasuredSizePage({
            {.kind = ControlKind::TabControl,
             .name = kAssistantPages,
             .geometry = {4, 4, 684, 621},
             .pages = {"按型号", "按实测尺寸"}},
            onPage({.kind = ControlKind::Label,
                    .name = "标签_型号",
                    .geometry = {8, 36, 172, 18},
                    .text = "型号（任何品牌的写法均可）："}),
            // First among the tab stops, so it has the focus when the window opens.
            onPage({.kind = ControlKind::EditBox,
                    .name = kAssistantInput,
                    .geometry = {184, 32, 260, 24},
                    .settleMs = kAssistantSettleMs}),
            onPage({.kind = ControlKind::Label,
                    .name = "标签_型号解读",
                    .geometry = {8, 66, 200, 18},
                    .text = "型号解读"}),
            onPage({.kind = ControlKind::EditBox,
                    .name = kAssistantDecoding,
                    .geometry = {8, 86, 668, 170},
                    .wordWrap = true,
                    .readOnly = true,
                    .multiLine = true}),
            onPage({.kind = ControlKind::Label,
                    .name = "标签_结果列表",
                    .geometry = {8, 264, 400, 18},
                    .text = "同一轴承、仅代号不同、同尺寸的型号（双击一行看图）"}),
            onPage({.kind = ControlKind::ListView,
                    .name = kAssistantList,
                    .geometry = {8, 284, 668, 296},
                    .columns = resultListColumns()}),
            onPage({.kind = ControlKind::Label,
                    .name = kAssistantStatus,
                    .geometry = {8, 592, 424, 18},
                    .vAlign = ui::VAlign::Center}),
            onPage({.kind = ControlKind::Button,
                    .name = kAssistantShopStock,
                    .geometry = {440, 588, 92, 26},
                    .text = "本店库存"}),
            onPage({.kind = ControlKind::Button,
                    .name = kAssistantToBearingList,
                    .geometry = {540, 588, 136, 26},
                    .text = "列入轴承列表"}),
            {.kind = ControlKind::Menu,
             .name = kAssistantMenu,
             .text = kAssistantMenu,
             .menuItems = {{"加入报价单", "Ctrl+Q"}},
             .hiddenTopLevel = true},
        })),
        .wiredEvents = withMeasuredSizeEvents({
            {"", ui::EventKind::Created},
            {kAssistantInput, ui::EventKind::TextSettled},
            {kAssistantInput, ui::EventKind::EnterPressed},
            {kAssistantList, ui::EventKind::RowDoubleClicked},
            {kAssistantToBearingList, ui::EventKind::Clicked},
            {kAssistantShopStock, ui::EventKind::Clicked},
            {kAssistantList, ui::EventKind::RightClicked},
            {kMeasuredList, ui::EventKind::RightClicked},
            {kAssistantMenu, ui::EventKind::ItemSelected},
        }),
    };
    return assistant;
}

}  // namespace lz::windows
