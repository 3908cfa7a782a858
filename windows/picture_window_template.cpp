#include "windows/picture_window_template.h"

#include <string_view>
#include <vector>

#include "windows/template_helpers.h"

namespace lz::windows {

namespace {

using ui::ControlKind;
using ui::ControlTemplate;

// Labels keep the system's default font.
ControlTemplate caption(std::string_view name, ui::Rect geometry, std::string_view text) {
    return {.kind = ControlKind::Label,
            .name = name,
            .geometry = geometry,
            .text = text,
            .wordWrap = true};
}

// The values are for reading only; the tinted ground tells them apart from input boxes.
ControlTemplate valueBox(std::string_view name, ui::Rect geometry) {
    return {.kind = ControlKind::EditBox,
            .name = name,
            .geometry = geometry,
            .hasBackground = true,
            .background = {128, 128, 255},
            .readOnly = true};
}

std::vector<ControlTemplate> pictureWindowControls() {
    // The edit box names skip 6; 编辑框9 is the tall description box.
    ControlTemplate description = valueBox("编辑框9", {488, 272, 144, 88});
    description.wordWrap = true;
    description.multiLine = true;
    description.verticalScrollBar = true;

    return withKindTabStops({
        // Empty here: the created event puts in the drawing of the bearing's type.
        {.kind = ControlKind::PictureBox, .name = "图片框1", .geometry = {0, 0, 650, 220}},
        caption("标签1", {8, 232, 64, 20}, "轴承名称："),
        valueBox("编辑框1", {64, 232, 144, 20}),
        caption("标签2", {224, 232, 64, 20}, "内径(mm)："),
        valueBox("编辑框2", {280, 232, 144, 20}),
        caption("标签3", {432, 232, 64, 20}, "品牌："),
        valueBox("编辑框3", {488, 232, 144, 20}),
        caption("标签4", {8, 272, 64, 20}, "新型号："),
        valueBox("编辑框4", {64, 272, 144, 20}),
        caption("标签5", {224, 272, 64, 20}, "外径(mm)："),
        valueBox("编辑框5", {280, 272, 144, 20}),
        caption("标签6", {432, 272, 64, 20}, "描述："),
        description,
        caption("标签7", {8, 304, 56, 20}, "旧型号："),
        valueBox("编辑框7", {64, 304, 144, 20}),
        caption("标签8", {224, 304, 56, 20}, "厚度(mm)："),
        valueBox("编辑框8", {280, 304, 144, 20}),
    });
}

}  // namespace

const ui::WindowTemplate& bearingPictureWindowTemplate() {
    static const ui::WindowTemplate picture{
        .name = kBearingPictureWindowName,
        .title = "轴承图形",
        .outerWidth = 650,
        .outerHeight = 397,
        .minimiseBox = false,
        .stayOnTop = true,
        .controls = pictureWindowControls(),
        .wiredEvents = {{"", ui::EventKind::Created}},
    };
    return picture;
}

}  // namespace lz::windows
