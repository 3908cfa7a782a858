#include "windows/designation_lookup_template.h"

#include "windows/template_helpers.h"

namespace lz::windows {

const ui::WindowTemplate& designationLookupWindowTemplate() {
    using ui::ControlKind;
    static const ui::WindowTemplate lookup{
        .name = kDesignationLookupWindowName,
        .title = "按任意型号查找",
        .outerWidth = 348,
        .outerHeight = 136,
        .minimiseBox = false,
        .stayOnTop = false,
        .controls = withKindTabStops({
            {.kind = ControlKind::Label,
             .name = "标签1",
             .geometry = {12, 12, 316, 20},
             .text = "轴承上印的型号（任何品牌的写法均可）：",
             .wordWrap = true},
            // First among the tab stops, so it has the focus when the dialog opens.
            {.kind = ControlKind::EditBox,
             .name = kDesignationLookupBox,
             .geometry = {12, 36, 316, 22}},
            {.kind = ControlKind::Button,
             .name = "按钮_查找",
             .geometry = {176, 70, 72, 24},
             .text = "查找"},
            {.kind = ControlKind::Button,
             .name = "按钮_取消",
             .geometry = {256, 70, 72, 24},
             .text = "取消"},
        }),
        .wiredEvents =
            {
                {kDesignationLookupBox, ui::EventKind::EnterPressed},
                {"按钮_查找", ui::EventKind::Clicked},
                {"按钮_取消", ui::EventKind::Clicked},
            },
    };
    return lookup;
}

}  // namespace lz::windows
