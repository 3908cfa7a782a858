// The three query pages of the main window: bearing search, imported prices, domestic prices.

#include <array>
#include <cstddef>
#include <initializer_list>
#include <string_view>
#include <vector>

#include "catalogue/result_list_headings.h"
#include "windows/main_window_pages.h"
#include "windows/main_window_template.h"

namespace lz::windows::detail {

namespace {

using catalogue::kBearingListHeadings;
using catalogue::kDomesticPriceListHeadings;
using catalogue::kImportedPriceListHeadings;
using ui::ControlKind;
using ui::ControlTemplate;

constexpr int kBearingSearchPage = 0;
constexpr int kImportedPricePage = 1;
constexpr int kDomesticPricePage = 2;

// A result list's columns: its shared headings, each with the width it has on the page; the
// columns `numbers` names sort as numbers, the others as texts.
template <std::size_t N>
std::vector<ui::ListColumn> listColumns(const std::array<std::string_view, N>& headings,
                                        const std::array<int, N>& widths,
                                        std::initializer_list<std::size_t> numbers) {
    std::vector<ui::ListColumn> columns;
    for (std::size_t i = 0; i < N; ++i) {
        columns.push_back({headings[i], widths[i], ui::ColumnSort::Text});
    }
    for (const std::size_t column : numbers) {
        columns[column].sort = ui::ColumnSort::Number;
    }
    return columns;
}

// "全部" is an item like the others and comes last; the queries treat it as "any".
const std::vector<std::string_view>& brandItems() {
    static const std::vector<std::string_view> items{
        "AET", "ASAHI", "ASK", "BARDEN", "DKF", "EASE",   "FAFNIR",     "FAG",
        "FLT", "FYH",   "IKO", "SAMICK", "INA", "Kingon", "KOYO",       "MAC",
        "MRC", "NACHI", "NSK", "NTN",    "NMB", "RHP",    "RIV",        "SKF",
        "SNF", "SNFA",  "SNR", "STEYR",  "THK", "TIMKEN", "TORRINGTON", "TORRINGTON FAFNIR",
        "ZKL", "全部",
    };
    return items;
}

const std::vector<std::string_view>& bearingTypeItems() {
    static const std::vector<std::string_view> items{
        "深沟球轴承",
        "推力球轴承",
        "角接触球轴承",
        "圆锥滚子轴承",
        "圆柱滚子轴承",
        "调心球轴承",
        "调心滚子轴承",
        "推力滚子轴承",
        "滚针轴承",
        "关节轴承",
        "带座外球面球轴承",
        "外球面球轴承",
        "直线运动轴承",
        "非标轴承",
        "微型轴承",
        "推力角接触球轴承",
        "推力圆柱滚子轴承",
        "滚针和保持架组件",
        "轴承座",
        "滚轮轴承",
        "滚针组合轴承",
        "其它",
        "全部",
    };
    return items;
}

const std::vector<std::string_view>& domesticMakerItems() {
    static const std::vector<std::string_view> items{
        "哈尔滨",   "瓦房店",   "洛阳",     "西北",     "飞亚",   "合肥金工", "菏泽湖西", "黄石",
        "江苏响水", "上海嘉庆", "四川东方", "无锡滚动", "瓦远东", "社渚",     "张家港",   "锡微",
        "浙江滚动", "竹箦",     "扬州",     "瓦光阳",   "梁山",   "全部",
    };
    return items;
}

}  // namespace

std::vector<ControlTemplate> bearingSearchPageControls() {
    constexpr std::string_view group = "分组框1";
    return {
        {.kind = ControlKind::GroupBox,
         .name = group,
         .geometry = {3, -4, 784, 74},
         .container = kMainPages,
         .page = kBearingSearchPage},
        {.kind = ControlKind::RadioButton,
         .name = "单选框1",
         .geometry = {8, 16, 96, 24},
         .container = group,
         .text = "按新型号搜索",
         .checked = true},
        {.kind = ControlKind::RadioButton,
         .name = "单选框2",
         .geometry = {112, 16, 96, 24},
         .container = group,
         .text = "按旧型号搜索"},
        {.kind = ControlKind::RadioButton,
         .name = "单选框3",
         .geometry = {216, 16, 104, 24},
         .container = group,
         .text = "按内径(mm)搜索"},
        {.kind = ControlKind::RadioButton,
         .name = "单选框4",
         .geometry = {336, 16, 104, 24},
         .container = group,
         .text = "按外径(mm)搜索"},
        {.kind = ControlKind::RadioButton,
         .name = "单选框5",
         .geometry = {448, 16, 104, 24},
         .container = group,
         .text = "按厚度(mm)搜索"},
        {.kind = ControlKind::EditBox,
         .name = "编辑框1",
         .geometry = {560, 16, 101, 20},
         .container = group},
        {.kind = ControlKind::CheckBox,
         .name = "选择框1",
         .geometry = {669, 16, 48, 24},
         .container = group,
         .text = "精确"},
        {.kind = ControlKind::Button,
         .name = "按钮1",
         .geometry = {720, 16, 56, 20},
         .container = group,
         .text = "搜索"},
        {.kind = ControlKind::Label,
         .name = "标签5",
         .geometry = {8, 48, 37, 20},
         .container = group,
         .text = "内径：",
         .wordWrap = true},
        {.kind = ControlKind::EditBox,
         .name = "编辑框_内径",
         .geometry = {45, 48, 80, 20},
         .container = group},
        {.kind = ControlKind::Label,
         .name = "标签6",
         .geometry = {136, 48, 37, 20},
         .container = group,
         .text = "外径：",
         .wordWrap = true},
        {.kind = ControlKind::EditBox,
         .name = "编辑框_外径",
         .geometry = {176, 48, 80, 20},
         .container = group},
        {.kind = ControlKind::Label,
         .name = "标签7",
         .geometry = {264, 48, 37, 20},
         .container = group,
         .text = "厚度：",
         .wordWrap = true},
        {.kind = ControlKind::EditBox,
         .name = "编辑框_厚度",
         .geometry = {304, 48, 80, 20},
         .container = group},
        {.kind = ControlKind::Label,
         .name = "标签8",
         .geometry = {397, 50, 32, 16},
         .container = group,
         .text = "品牌：",
         .wordWrap = true},
        {.kind = ControlKind::ComboBox,
         .name = "组合框_品牌",
         .geometry = {440, 48, 100, 20},
         .container = group,
         .text = "全部",
         .items = brandItems()},
        {.kind = ControlKind::Label,
         .name = "标签9",
         .geometry = {544, 50, 32, 16},
         .container = group,
         .text = "类型：",
         .wordWrap = true},
        {.kind = ControlKind::ComboBox,
         .name = "组合框_类型",
         .geometry = {587, 48, 100, 20},
         .container = group,
         .text = "全部",
         .items = bearingTypeItems()},
        {.kind = ControlKind::Button,
         .name = "按钮搜索",
         .geometry = {700, 48, 72, 20},
         .container = group,
         .text = "搜索"},
        // Hidden for good and placed below the group's bottom edge: their actions stay bound
        // but cannot be reached.
        {.kind = ControlKind::Button,
         .name = "按钮2",
         .geometry = {112, 80, 72, 20},
         .container = group,
         .visible = false,
         .text = "品牌搜索"},
        {.kind = ControlKind::Button,
         .name = "按钮3",
         .geometry = {296, 80, 72, 20},
         .container = group,
         .visible = false,
         .text = "类型搜索"},
        {.kind = ControlKind::Button,
         .name = "按钮4",
         .geometry = {376, 80, 72, 20},
         .container = group,
         .visible = false,
         .text = "联网搜索"},
        {.kind = ControlKind::Button,
         .name = "按钮11",
         .geometry = {448, 80, 101, 20},
         .container = group,
         .visible = false,
         .text = "按精确参数搜索"},
        {.kind = ControlKind::Label,
         .name = "标签12",
         .geometry = {14, 71, 761, 72},
         .container = kMainPages,
         .page = kBearingSearchPage,
         .text = "澜岳三类轴承 三类轴承批发",
         .textColor = {255, 0, 0},
         .font = {.pixelHeight = 47, .weight = 400},
         .wordWrap = true},
        {.kind = ControlKind::ListView,
         .name = "超级列表框_主窗口",
         .geometry = {3, 142, 780, 401},
         .container = kMainPages,
         .page = kBearingSearchPage,
         .columns = listColumns(kBearingListHeadings, {50, 120, 80, 80, 60, 60, 60, 50, 100, 260},
                                {0, 4, 5, 6})},  // ID and the sizes
    };
}

std::vector<ControlTemplate> importedPricePageControls() {
    constexpr std::string_view group = "分组框2";
    return {
        {.kind = ControlKind::GroupBox,
         .name = group,
         .geometry = {3, 0, 784, 40},
         .container = kMainPages,
         .page = kImportedPricePage},
        {.kind = ControlKind::Label,
         .name = "标签1",
         .geometry = {5, 10, 56, 20},
         .container = group,
         .text = "轴承型号：",
         .wordWrap = true},
        {.kind = ControlKind::EditBox,
         .name = "编辑框2",
         .geometry = {61, 12, 112, 20},
         .container = group},
        {.kind = ControlKind::Label,
         .name = "标签10",
         .geometry = {181, 15, 40, 17},
         .container = group,
         .text = "品牌：",
         .wordWrap = true},
        {.kind = ControlKind::ComboBox,
         .name = "组合框3",
         .geometry = {227, 14, 100, 24},
         .container = group,
         .text = "全部",
         .items = brandItems()},
        {.kind = ControlKind::Button,
         .name = "按钮5",
         .geometry = {336, 12, 72, 20},
         .container = group,
         .text = "联网查询"},
        {.kind = ControlKind::Button,
         .name = "按钮12",
         .geometry = {416, 13, 72, 20},
         .container = group,
         .text = "查询"},
        // Wider than the tab control: its right edge is clipped, as the layout always had it.
        {.kind = ControlKind::ListView,
         .name = "超级列表框_主窗口1",
         .geometry = {3, 39, 813, 504},
         .container = kMainPages,
         .page = kImportedPricePage,
         .columns = listColumns(kImportedPriceListHeadings, {50, 120, 200, 200, 200},
                                {0, 3, 4})},  // 编号, prices
    };
}

std::vector<ControlTemplate> domesticPricePageControls() {
    constexpr std::string_view group = "分组框3";
    return {
        {.kind = ControlKind::GroupBox,
         .name = group,
         .geometry = {3, 0, 784, 40},
         .container = kMainPages,
         .page = kDomesticPricePage},
        {.kind = ControlKind::RadioButton,
         .name = "单选框6",
         .geometry = {8, 12, 96, 24},
         .container = group,
         .text = "按新型号查询",
         .checked = true},
        {.kind = ControlKind::RadioButton,
         .name = "单选框7",
         .geometry = {104, 12, 96, 24},
         .container = group,
         .text = "按旧型号查询"},
        {.kind = ControlKind::EditBox,
         .name = "编辑框3",
         .geometry = {205, 12, 104, 20},
         .container = group},
        {.kind = ControlKind::Label,
         .name = "标签11",
         .geometry = {325, 13, 32, 16},
         .container = group,
         .text = "厂家：",
         .wordWrap = true},
        {.kind = ControlKind::ComboBox,
         .name = "组合框4",
         .geometry = {368, 12, 100, 24},
         .container = group,
         .text = "全部",
         .items = domesticMakerItems()},
        {.kind = ControlKind::Button,
         .name = "按钮_查询国产",
         .geometry = {477, 12, 72, 20},
         .container = group,
         .text = "查询"},
        {.kind = ControlKind::Button,
         .name = "按钮9",
         .geometry = {552, 12, 72, 20},
         .container = group,
         .text = "联网查询"},
        {.kind = ControlKind::ListView,
         .name = "超级列表框_主窗口2",
         .geometry = {3, 40, 780, 503},
         .container = kMainPages,
         .page = kDomesticPricePage,
         .columns = listColumns(kDomesticPriceListHeadings, {50, 120, 120, 180, 180, 100},
                                {0, 3, 4})},  // 编号, prices
    };
}

}  // namespace lz::windows::detail
