#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "catalogue/result_list_headings.h"
#include "ui/window_template.h"

namespace lz::windows {

// 型号助手: a tool window beside the main window that finds bearings as a designation is
// typed and explains the designation.
inline constexpr std::string_view kDesignationAssistantWindowName = "designation_assistant";

// Its pages, one way of finding a bearing each. Page 0, "按型号", holds the controls below;
// page 1, "按实测尺寸", those of measured_size_page.h. A later page is added by giving the
// tab control another title and its controls `.container = kAssistantPages, .page = 2`.
inline constexpr std::string_view kAssistantPages = "选择夹_型号助手";
inline constexpr int kByDesignationPage = 0;

// Page "按型号".
inline constexpr std::string_view kAssistantInput = "编辑框_型号";
inline constexpr std::string_view kAssistantDecoding = "编辑框_型号解读";
inline constexpr std::string_view kAssistantList = "超级列表框_型号助手";
inline constexpr std::string_view kAssistantStatus = "标签_查找结果";
inline constexpr std::string_view kAssistantToBearingList = "按钮_列入轴承列表";
// Opens the 本店库存 window, as the bearing list's menu item "本店库存" does.
inline constexpr std::string_view kAssistantShopStock = "按钮_本店库存";
// The context menu of both pages' result lists: "加入报价单" (Ctrl+Q anywhere in the window)
// adds the selected bearing of the page shown to the open quote.
inline constexpr std::string_view kAssistantMenu = "右键_型号助手";
inline constexpr int kAssistantAddToQuoteItem = 0;

// How long the typed text must stay unchanged before it is looked up. A lookup with its
// list takes a few milliseconds, less than the time between two keys even at the
// keyboard's repeat rate, so each key is looked up as it comes; the wait only gathers
// what arrives at once, such as a barcode reader's characters. It is part of the 50 ms
// from a key to the list.
inline constexpr int kAssistantSettleMs = 15;

// Where a column of the result list takes its text from. A column of another source (the
// shop's stock, say) is a new source here and a new case in the fill's cell text
// (query/designation_assistant_list.cpp).
enum class AssistantColumnSource : std::uint8_t {
    BearingField,  // the `field` of the bearing table's row
    Difference,    // how the row differs from the designation looked up
    // The shop's own stock of the row (shop/store's ShopStock): empty without shop data.
    ShopQuantity,  // the quantity on the shelf
    ShopPrice,     // the shop's price, two decimals ("12.50", or "12.50–15.00" for several)
};

struct AssistantColumn {
    std::string_view title;
    int width = 0;
    AssistantColumnSource source = AssistantColumnSource::BearingField;
    std::string_view field{};  // BearingField: the bearing table's column
};

// The result list's columns, first to last: the one place they are named. The template
// builds the list from them and the fill takes every cell's text by them. The shop's two
// columns come last, so that the catalogue's columns keep their places.
inline constexpr std::array<AssistantColumn, 9> kAssistantColumns = {{
    {catalogue::kBearingListHeadings[1], 112, AssistantColumnSource::BearingField, "zhch"},
    {catalogue::kBearingListHeadings[2], 84, AssistantColumnSource::BearingField, "newno"},
    {catalogue::kBearingListHeadings[7], 48, AssistantColumnSource::BearingField, "ppai"},
    {catalogue::kBearingListHeadings[4], 34, AssistantColumnSource::BearingField, "njin"},
    {catalogue::kBearingListHeadings[5], 34, AssistantColumnSource::BearingField, "wjin"},
    {catalogue::kBearingListHeadings[6], 34, AssistantColumnSource::BearingField, "gdu"},
    {catalogue::kDifferenceHeading, 170, AssistantColumnSource::Difference},
    {"本店库存", 60, AssistantColumnSource::ShopQuantity},
    {"本店价", 62, AssistantColumnSource::ShopPrice},
}};

const ui::WindowTemplate& designationAssistantWindowTemplate();

}  // namespace lz::windows
