#include "windows/stock_import_template.h"

#include <vector>

#include "windows/template_helpers.h"

namespace lz::windows {
namespace {

using ui::ControlKind;
using ui::ControlTemplate;

constexpr std::array<std::string_view, 7> kFieldTitles = {"型号：", "品牌：", "数量：", "单价：",
                                                          "进价：", "货位：", "备注："};
constexpr std::array<std::string_view, 7> kFieldLabels = {
    "标签_型号", "标签_品牌", "标签_数量", "标签_单价", "标签_进价", "标签_货位", "标签_备注"};

// Four fields in the first row, three in the second.
std::vector<ControlTemplate> fieldControls() {
    std::vector<ControlTemplate> controls;
    for (std::size_t k = 0; k < kStockImportFieldBoxes.size(); ++k) {
        const int x = 10 + static_cast<int>(k % 4) * 222;
        const int y = 66 + static_cast<int>(k / 4) * 28;
        controls.push_back({.kind = ControlKind::Label,
                            .name = kFieldLabels[k],
                            .geometry = {x, y + 3, 42, 20},
                            .text = kFieldTitles[k]});
        controls.push_back({.kind = ControlKind::ComboBox,
                            .name = kStockImportFieldBoxes[k],
                            .geometry = {x + 42, y, 170, 22},
                            .dropDownList = true});
    }
    return controls;
}

}  // namespace

const ui::WindowTemplate& stockImportWindowTemplate() {
    using ui::EventKind;
    static const ui::WindowTemplate window = [] {
        std::vector<ControlTemplate> controls = {
            {.kind = ControlKind::Label,
             .name = "标签_文件",
             .geometry = {10, 13, 40, 20},
             .text = "文件："},
            {.kind = ControlKind::EditBox,
             .name = kStockImportFile,
             .geometry = {50, 10, 520, 22},
             .readOnly = true},
            {.kind = ControlKind::Label,
             .name = "标签_工作表",
             .geometry = {590, 13, 60, 20},
             .text = "工作表："},
            {.kind = ControlKind::ComboBox,
             .name = kStockImportSheet,
             .geometry = {650, 10, 240, 22},
             .dropDownList = true},
            {.kind = ControlKind::Label,
             .name = kStockImportHeader,
             .geometry = {10, 42, 880, 20},
             .text = "各列的内容："},
        };
        for (ControlTemplate& field : fieldControls()) {
            controls.push_back(field);
        }
        const std::vector<ControlTemplate> rest = {
            {.kind = ControlKind::Label,
             .name = kStockImportCounts,
             .geometry = {10, 129, 560, 20}},
            {.kind = ControlKind::Label,
             .name = "标签_显示",
             .geometry = {600, 129, 50, 20},
             .text = "显示："},
            {.kind = ControlKind::ComboBox,
             .name = kStockImportShown,
             .geometry = {650, 126, 240, 22},
             .text = "前 20 行",
             .items = {"前 20 行", "已匹配的行", "待确认的行", "未匹配的行"},
             .dropDownList = true},
            {.kind = ControlKind::ListView,
             .name = kStockImportPreview,
             .geometry = {10, 154, 880, 260},
             .columns = {{"行", 40},
                         {"型号", 110},
                         {"品牌", 70},
                         {"数量", 50},
                         {"单价", 65},
                         {"进价", 65},
                         {"货位", 60},
                         {"备注", 100},
                         {"状态", 60},
                         {"匹配型号", 120},
                         {"说明", 130}}},
            {.kind = ControlKind::Label,
             .name = kStockImportChoiceHint,
             .geometry = {10, 425, 880, 20},
             .text = "为选中的“待确认”或“未匹配”行选择轴承：选中候选轴承后点“采用所选轴承”，"
                     "或输入型号查找。以后导入同样的型号和品牌时照此匹配。"},
            {.kind = ControlKind::EditBox,
             .name = kStockImportSearchBox,
             .geometry = {10, 448, 200, 22}},
            {.kind = ControlKind::Button,
             .name = kStockImportSearchButton,
             .geometry = {216, 447, 70, 24},
             .text = "查找"},
            {.kind = ControlKind::ListView,
             .name = kStockImportCandidates,
             .geometry = {10, 476, 880, 120},
             .columns = {{"编号", 70}, {"品牌", 110}, {"新型号", 150}, {"厂家型号", 170}}},
            {.kind = ControlKind::Button,
             .name = kStockImportChooseButton,
             .geometry = {10, 606, 130, 28},
             .text = "采用所选轴承"},
            {.kind = ControlKind::Button,
             .name = kStockImportImportButton,
             .geometry = {704, 606, 90, 28},
             .text = "导入"},
            {.kind = ControlKind::Button,
             .name = kStockImportCancelButton,
             .geometry = {800, 606, 90, 28},
             .text = "取消"},
        };
        controls.insert(controls.end(), rest.begin(), rest.end());

        std::vector<ui::WiredEvent> wired = {
            {kStockImportSheet, EventKind::ChoiceChanged},
            {kStockImportShown, EventKind::ChoiceChanged},
            {kStockImportPreview, EventKind::CurrentItemChanged},
            {kStockImportSearchBox, EventKind::EnterPressed},
            {kStockImportSearchButton, EventKind::Clicked},
            {kStockImportCandidates, EventKind::RowDoubleClicked},
            {kStockImportChooseButton, EventKind::Clicked},
            {kStockImportImportButton, EventKind::Clicked},
            {kStockImportCancelButton, EventKind::Clicked},
        };
        for (std::string_view box : kStockImportFieldBoxes) {
            wired.push_back({box, EventKind::ChoiceChanged});
        }
        return ui::WindowTemplate{
            .name = kStockImportWindowName,
            .title = "导入本店库存",
            .outerWidth = 908,
            .outerHeight = 680,
            .minimiseBox = false,
            .stayOnTop = false,
            .controls = withKindTabStops(std::move(controls)),
            .wiredEvents = std::move(wired),
        };
    }();
    return window;
}

}  // namespace lz::windows
