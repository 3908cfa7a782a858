#include "windows/quote_window_template.h"

#include "windows/template_helpers.h"

namespace lz::windows {
namespace {

using ui::ControlKind;
using ui::ControlTemplate;

ControlTemplate label(std::string_view name, ui::Rect geometry, std::string_view text) {
    return {.kind = ControlKind::Label, .name = name, .geometry = geometry, .text = text};
}

ControlTemplate editBox(std::string_view name, ui::Rect geometry) {
    return {.kind = ControlKind::EditBox, .name = name, .geometry = geometry};
}

ControlTemplate button(std::string_view name, ui::Rect geometry, std::string_view text) {
    return {.kind = ControlKind::Button, .name = name, .geometry = geometry, .text = text};
}

// A field of a row of fields: its name on the left, the box after it; labels sit 3 pixels
// lower than their boxes so that the texts share a baseline.
void addField(std::vector<ControlTemplate>& controls, std::string_view labelName,
              std::string_view caption, int x, int labelWidth, std::string_view box, int y,
              int boxWidth) {
    controls.push_back(label(labelName, {x, y + 3, labelWidth, 20}, caption));
    controls.push_back(editBox(box, {x + labelWidth + 2, y, boxWidth, 22}));
}

std::vector<ControlTemplate> quoteControls() {
    std::vector<ControlTemplate> controls = {
        button(kQuoteNewButton, {10, 8, 64, 26}, "新建"),
        button(kQuoteHistoryButton, {80, 8, 100, 26}, "历史报价单…"),
        button(kQuoteShopButton, {186, 8, 90, 26}, "本店信息…"),
        button(kQuoteEnquiryButton, {282, 8, 118, 26}, "从询价单导入…"),
        button(kQuotePreviewButton, {600, 8, 90, 26}, "打印预览…"),
        button(kQuotePdfButton, {696, 8, 104, 26}, "保存为 PDF…"),
        button(kQuoteExportButton, {806, 8, 74, 26}, "导出…"),
    };
    // The quote's fields, three rows.
    addField(controls, "标签_客户", "客户：", 10, 44, kQuoteCustomer, 46, 260);
    addField(controls, "标签_联系人", "联系人：", 324, 56, kQuoteContact, 46, 120);
    addField(controls, "标签_报价人", "报价人：", 512, 56, kQuoteQuotedBy, 46, 110);
    controls.push_back(label("标签_单号", {690, 49, 44, 20}, "单号："));
    controls.push_back({.kind = ControlKind::EditBox,
                        .name = kQuoteNumber,
                        .geometry = {736, 46, 144, 22},
                        .readOnly = true});
    addField(controls, "标签_日期", "日期：", 10, 44, kQuoteDate, 76, 100);
    addField(controls, "标签_有效期", "有效期：", 164, 56, kQuoteValidDays, 76, 44);
    controls.push_back(label("标签_天", {270, 79, 20, 20}, "天"));
    controls.push_back({.kind = ControlKind::ComboBox,
                        .name = kQuoteTaxBasis,
                        .geometry = {300, 76, 80, 22},
                        .items = {"含税", "不含税"},
                        .dropDownList = true});
    addField(controls, "标签_税率", "税率：", 392, 44, kQuoteTaxRate, 76, 50);
    controls.push_back(label("标签_百分号", {492, 79, 16, 20}, "%"));
    addField(controls, "标签_运费", "运费：", 522, 44, kQuoteFreight, 76, 100);
    addField(controls, "标签_调整", "调整：", 690, 44, kQuoteAdjustment, 76, 144);
    addField(controls, "标签_备注", "备注：", 10, 44, kQuoteNote, 106, 816);

    controls.push_back({.kind = ControlKind::ListView,
                        .name = kQuoteLines,
                        .geometry = {10, 138, 870, 300},
                        .columns = {{"询价型号", 100, ui::ColumnSort::None},
                                    {"型号", 100, ui::ColumnSort::None},
                                    {"品牌", 64, ui::ColumnSort::None},
                                    {"数量", 50, ui::ColumnSort::None},
                                    {"单位", 40, ui::ColumnSort::None},
                                    {"单价", 72, ui::ColumnSort::None},
                                    {"价格来源", 60, ui::ColumnSort::None},
                                    {"金额", 86, ui::ColumnSort::None},
                                    {"货期", 64, ui::ColumnSort::None},
                                    {"备注", 140, ui::ColumnSort::None},
                                    {"匹配", 70, ui::ColumnSort::None}}});

    // The selected line's boxes, two rows below the list.
    controls.push_back(label("标签_所选行", {10, 447, 70, 20}, "所选行："));
    addField(controls, "标签_询价型号", "询价型号：", 84, 68, kLineAskedModel, 444, 120);
    addField(controls, "标签_型号", "型号：", 282, 44, kLineOfferedModel, 444, 120);
    addField(controls, "标签_品牌", "品牌：", 456, 44, kLineBrand, 444, 80);
    addField(controls, "标签_数量", "数量：", 590, 44, kLineQuantity, 444, 60);
    addField(controls, "标签_单位", "单位：", 704, 44, kLineUnit, 444, 40);
    addField(controls, "标签_单价", "单价：", 84, 44, kLineUnitPrice, 474, 90);
    addField(controls, "标签_货期", "货期：", 228, 44, kLineDelivery, 474, 90);
    addField(controls, "标签_行备注", "备注：", 372, 44, kLineNote, 474, 320);
    controls.push_back(button(kDeleteLineButton, {800, 472, 80, 26}, "删除行"));

    controls.push_back({.kind = ControlKind::Label,
                        .name = kQuoteProblem,
                        .geometry = {10, 512, 470, 20},
                        .textColor = {200, 0, 0}});
    controls.push_back({.kind = ControlKind::Label,
                        .name = kQuoteSubtotal,
                        .geometry = {484, 512, 130, 20},
                        .hAlign = ui::HAlign::Right});
    controls.push_back({.kind = ControlKind::Label,
                        .name = kQuoteTax,
                        .geometry = {618, 512, 110, 20},
                        .hAlign = ui::HAlign::Right});
    controls.push_back({.kind = ControlKind::Label,
                        .name = kQuoteTotal,
                        .geometry = {730, 512, 150, 20},
                        .font = {.weight = 700},
                        .hAlign = ui::HAlign::Right});
    return withKindTabStops(std::move(controls));
}

}  // namespace

const ui::WindowTemplate& quoteWindowTemplate() {
    using ui::EventKind;
    static const ui::WindowTemplate window{
        .name = kQuoteWindowName,
        .title = "报价单",
        .outerWidth = 898,
        .outerHeight = 578,
        .minimiseBox = true,
        .stayOnTop = false,
        .controls = quoteControls(),
        .wiredEvents =
            {
                {{}, EventKind::Created},
                {kQuoteNewButton, EventKind::Clicked},
                {kQuoteHistoryButton, EventKind::Clicked},
                {kQuoteShopButton, EventKind::Clicked},
                {kQuoteEnquiryButton, EventKind::Clicked},
                {kQuotePreviewButton, EventKind::Clicked},
                {kQuotePdfButton, EventKind::Clicked},
                {kQuoteExportButton, EventKind::Clicked},
                {kQuoteCustomer, EventKind::TextChanged},
                {kQuoteContact, EventKind::TextChanged},
                {kQuoteQuotedBy, EventKind::TextChanged},
                {kQuoteDate, EventKind::TextChanged},
                {kQuoteValidDays, EventKind::TextChanged},
                {kQuoteTaxBasis, EventKind::ChoiceChanged},
                {kQuoteTaxRate, EventKind::TextChanged},
                {kQuoteFreight, EventKind::TextChanged},
                {kQuoteAdjustment, EventKind::TextChanged},
                {kQuoteNote, EventKind::TextChanged},
                {kQuoteLines, EventKind::CurrentItemChanged},
                {kLineAskedModel, EventKind::TextChanged},
                {kLineOfferedModel, EventKind::TextChanged},
                {kLineBrand, EventKind::TextChanged},
                {kLineQuantity, EventKind::TextChanged},
                {kLineUnit, EventKind::TextChanged},
                {kLineUnitPrice, EventKind::TextChanged},
                {kLineDelivery, EventKind::TextChanged},
                {kLineNote, EventKind::TextChanged},
                {kDeleteLineButton, EventKind::Clicked},
            },
    };
    return window;
}

const ui::WindowTemplate& quoteHistoryWindowTemplate() {
    using ui::EventKind;
    static const ui::WindowTemplate window{
        .name = kQuoteHistoryWindowName,
        .title = "历史报价单",
        .outerWidth = 640,
        .outerHeight = 440,
        .minimiseBox = false,
        .stayOnTop = false,
        .controls = withKindTabStops({
            {.kind = ControlKind::ListView,
             .name = kHistoryList,
             .geometry = {10, 10, 610, 350},
             .columns = {{"单号", 120, ui::ColumnSort::None},
                         {"日期", 90, ui::ColumnSort::None},
                         {"客户", 220, ui::ColumnSort::None},
                         {"行数", 50, ui::ColumnSort::None},
                         {"总额", 110, ui::ColumnSort::None}}},
            button(kHistoryOpenButton, {10, 370, 80, 26}, "打开"),
            button(kHistoryCopyButton, {96, 370, 130, 26}, "复制为新报价单"),
            button(kHistoryDeleteButton, {232, 370, 80, 26}, "删除"),
            button(kHistoryCloseButton, {540, 370, 80, 26}, "关闭"),
        }),
        .wiredEvents =
            {
                {{}, EventKind::Created},
                {kHistoryList, EventKind::RowDoubleClicked},
                {kHistoryOpenButton, EventKind::Clicked},
                {kHistoryCopyButton, EventKind::Clicked},
                {kHistoryDeleteButton, EventKind::Clicked},
                {kHistoryCloseButton, EventKind::Clicked},
            },
    };
    return window;
}

const ui::WindowTemplate& shopHeaderWindowTemplate() {
    using ui::EventKind;
    static const ui::WindowTemplate window{
        .name = kShopHeaderWindowName,
        .title = "本店信息",
        .outerWidth = 460,
        .outerHeight = 232,
        .minimiseBox = false,
        .stayOnTop = false,
        .controls = withKindTabStops({
            label("标签_说明", {10, 10, 430, 20}, "印在每张报价单的抬头："),
            label("标签_店名", {10, 41, 60, 20}, "店名："),
            editBox(kShopHeaderName, {72, 38, 360, 22}),
            label("标签_电话", {10, 71, 60, 20}, "电话："),
            editBox(kShopHeaderPhone, {72, 68, 360, 22}),
            label("标签_地址", {10, 101, 60, 20}, "地址："),
            editBox(kShopHeaderAddress, {72, 98, 360, 22}),
            label("标签_开户行", {10, 131, 60, 20}, "开户行："),
            editBox(kShopHeaderBank, {72, 128, 360, 22}),
            button(kShopHeaderSaveButton, {266, 162, 80, 26}, "保存"),
            button(kShopHeaderCancelButton, {352, 162, 80, 26}, "取消"),
        }),
        .wiredEvents =
            {
                {{}, EventKind::Created},
                {kShopHeaderSaveButton, EventKind::Clicked},
                {kShopHeaderCancelButton, EventKind::Clicked},
            },
    };
    return window;
}

}  // namespace lz::windows
