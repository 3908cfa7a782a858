#include "windows/measured_size_page.h"

namespace lz::windows {
namespace {

using ui::ControlKind;

constexpr ui::Rgb kRefusalRed{200, 0, 0};
constexpr ui::Rgb kHintGrey{96, 96, 96};

// The inputs stand in rows: a caption, the box, and beside it the message of a refused
// value.
constexpr int kFirstRowTop = 36;
constexpr int kRowPitch = 30;
constexpr int kCaptionLeft = 8, kCaptionWidth = 104;
constexpr int kBoxLeft = 114, kSizeBoxWidth = 120, kToleranceBoxWidth = 64;
constexpr int kMessageLeft = 240, kMessageWidth = 250;
// Unit, type and the search button stand at the right.
constexpr int kRightLeft = 500;

int rowTop(int row) {
    return kFirstRowTop + row * kRowPitch;
}

std::vector<ui::ListColumn> resultListColumns() {
    std::vector<ui::ListColumn> columns;
    // The rows stand ranked, nearest first, in groups of one nominal size: a click on a
    // heading does not reorder them.
    for (const MeasuredColumn& column : kMeasuredColumns) {
        columns.push_back({column.title, column.width, ui::ColumnSort::None});
    }
    return columns;
}

struct InputRow {
    std::string_view captionName, caption;
    std::string_view box;
    std::string_view message;
    int boxWidth;
    std::string_view text;      // the box's initial text
    std::string_view unitName;  // the label "mm" after the box; empty for none
};

}  // namespace

std::vector<ui::ControlTemplate> measuredSizePageControls(std::string_view tabControl) {
    std::vector<ui::ControlTemplate> controls;
    const auto add = [&](ui::ControlTemplate control) {
        control.container = tabControl;
        control.page = kByMeasuredSizePage;
        controls.push_back(control);
    };
    // In the order Tab takes them: the sizes, the tolerances, then unit and type.
    const InputRow rows[] = {
        {"标签_实测内径", "内径 d：", kMeasuredInner, kMeasuredInnerMessage, kSizeBoxWidth, {}, {}},
        {"标签_实测外径", "外径 D：", kMeasuredOuter, kMeasuredOuterMessage, kSizeBoxWidth, {}, {}},
        {"标签_实测厚度",
         "厚度 B（可不填）：",
         kMeasuredWidth,
         kMeasuredWidthMessage,
         kSizeBoxWidth,
         {},
         {}},
        {"标签_公差", "d、D 公差 ±：", kMeasuredTolerance, kMeasuredToleranceMessage,
         kToleranceBoxWidth, "0.10", "标签_公差单位"},
        {"标签_厚度公差", "B 公差 ±：", kMeasuredWidthTolerance, kMeasuredWidthToleranceMessage,
         kToleranceBoxWidth, "0.20", "标签_厚度公差单位"},
    };
    int row = 0;
    for (const InputRow& input : rows) {
        const int top = rowTop(row++);
        add({.kind = ControlKind::Label,
             .name = input.captionName,
             .geometry = {kCaptionLeft, top, kCaptionWidth, 24},
             .text = input.caption,
             .vAlign = ui::VAlign::Center});
        add({.kind = ControlKind::EditBox,
             .name = input.box,
             .geometry = {kBoxLeft, top, input.boxWidth, 24},
             .text = input.text});
        if (!input.unitName.empty()) {
            add({.kind = ControlKind::Label,
                 .name = input.unitName,
                 .geometry = {kBoxLeft + input.boxWidth + 4, top, 30, 24},
                 .text = "mm",
                 .vAlign = ui::VAlign::Center});
        }
        add({.kind = ControlKind::Label,
             .name = input.message,
             .geometry = {kMessageLeft, top, kMessageWidth, 24},
             .textColor = kRefusalRed,
             .vAlign = ui::VAlign::Center});
    }

    add({.kind = ControlKind::Label,
         .name = "标签_单位",
         .geometry = {kRightLeft, rowTop(0), 44, 24},
         .text = "单位：",
         .vAlign = ui::VAlign::Center});
    add({.kind = ControlKind::RadioButton,
         .name = kMeasuredMillimetres,
         .geometry = {kRightLeft + 44, rowTop(0), 60, 24},
         .text = "毫米",
         .checked = true});
    add({.kind = ControlKind::RadioButton,
         .name = kMeasuredInches,
         .geometry = {kRightLeft + 108, rowTop(0), 60, 24},
         .text = "英寸"});
    add({.kind = ControlKind::Label,
         .name = "标签_轴承类型",
         .geometry = {kRightLeft, rowTop(1), 44, 24},
         .text = "类型：",
         .vAlign = ui::VAlign::Center});
    // Its items are the catalogue's types, set when the window is made.
    add({.kind = ControlKind::ComboBox,
         .name = kMeasuredType,
         .geometry = {kRightLeft + 44, rowTop(1), 132, 24},
         .text = "全部"});
    add({.kind = ControlKind::Label,
         .name = kMeasuredTypeMessage,
         .geometry = {kRightLeft, rowTop(2), 176, 24},
         .textColor = kRefusalRed,
         .vAlign = ui::VAlign::Center});
    add({.kind = ControlKind::Button,
         .name = kMeasuredSearch,
         .geometry = {kRightLeft + 76, rowTop(4), 100, 26},
         .text = "查找"});

    add({.kind = ControlKind::Label,
         .name = "标签_实测写法",
         .geometry = {kCaptionLeft, rowTop(5) + 2, 668, 18},
         .text = "可写 24.98、1.375、3/4、1-3/8 或 1 3/8，后面可加单位 mm 或 in（写明的单位优先于"
                 "所选单位）；公差以毫米计。",
         .textColor = kHintGrey});
    add({.kind = ControlKind::Label,
         .name = "标签_实测结果列表",
         .geometry = {kCaptionLeft, rowTop(6), 668, 18},
         .text = "找到的型号，最接近的在前，同一公称尺寸排在一起（双击一行看图）"});
    add({.kind = ControlKind::ListView,
         .name = kMeasuredList,
         .geometry = {8, rowTop(6) + 20, 668, 580 - rowTop(6) - 20},
         .columns = resultListColumns()});
    add({.kind = ControlKind::Label,
         .name = kMeasuredStatus,
         .geometry = {8, 592, 520, 18},
         .vAlign = ui::VAlign::Center});
    add({.kind = ControlKind::Button,
         .name = kMeasuredToBearingList,
         .geometry = {540, 588, 136, 26},
         .text = "列入轴承列表"});
    return controls;
}

std::vector<ui::WiredEvent> measuredSizePageEvents() {
    std::vector<ui::WiredEvent> events;
    // Enter in any input searches, as the button does.
    for (const std::string_view input :
         {kMeasuredInner, kMeasuredOuter, kMeasuredWidth, kMeasuredTolerance,
          kMeasuredWidthTolerance, kMeasuredType}) {
        events.push_back({input, ui::EventKind::EnterPressed});
    }
    events.push_back({kMeasuredSearch, ui::EventKind::Clicked});
    events.push_back({kMeasuredList, ui::EventKind::RowDoubleClicked});
    events.push_back({kMeasuredToBearingList, ui::EventKind::Clicked});
    return events;
}

}  // namespace lz::windows
