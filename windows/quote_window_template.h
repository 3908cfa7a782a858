#pragma once

#include <array>
#include <string_view>

#include "ui/window_template.h"

namespace lz::windows {

// 报价单: the open quote — its header fields, its lines with boxes below for the selected
// line, the amounts, and the ways out (print preview, PDF, CSV).
inline constexpr std::string_view kQuoteWindowName = "quote";

// The buttons along the top.
inline constexpr std::string_view kQuoteNewButton = "按钮_新建";
inline constexpr std::string_view kQuoteHistoryButton = "按钮_历史报价单";
inline constexpr std::string_view kQuoteShopButton = "按钮_本店信息";
inline constexpr std::string_view kQuoteEnquiryButton = "按钮_从询价单导入";
inline constexpr std::string_view kQuotePreviewButton = "按钮_打印预览";
inline constexpr std::string_view kQuotePdfButton = "按钮_保存为PDF";
inline constexpr std::string_view kQuoteExportButton = "按钮_导出";

// The quote's own fields.
inline constexpr std::string_view kQuoteCustomer = "编辑框_客户";
inline constexpr std::string_view kQuoteContact = "编辑框_联系人";
inline constexpr std::string_view kQuoteQuotedBy = "编辑框_报价人";
inline constexpr std::string_view kQuoteNumber = "编辑框_单号";  // read-only
inline constexpr std::string_view kQuoteDate = "编辑框_日期";
inline constexpr std::string_view kQuoteValidDays = "编辑框_有效期";
inline constexpr std::string_view kQuoteTaxBasis = "组合框_含税";  // 含税, 不含税
inline constexpr std::string_view kQuoteTaxRate = "编辑框_税率";
inline constexpr std::string_view kQuoteFreight = "编辑框_运费";
inline constexpr std::string_view kQuoteAdjustment = "编辑框_调整";
inline constexpr std::string_view kQuoteNote = "编辑框_备注";
inline constexpr int kIncludingTaxItem = 0;
inline constexpr int kExcludingTaxItem = 1;

// The lines, one row each in the quote's order.
inline constexpr std::string_view kQuoteLines = "列表_报价行";
// Its columns, first to last.
enum QuoteLineColumn : int {
    kAskedModelColumn,
    kOfferedModelColumn,
    kBrandColumn,
    kQuantityColumn,
    kUnitColumn,
    kUnitPriceColumn,
    kPriceSourceColumn,  // "本店价", "参考价", or empty
    kAmountColumn,
    kDeliveryColumn,
    kLineNoteColumn,
    kCheckColumn,  // a line of an enquiry still to settle: "未匹配", "多个匹配"
    kLineColumnCount,
};

// The boxes below the list that edit the selected line, in the order of its fields.
inline constexpr std::string_view kLineAskedModel = "编辑框_询价型号";
inline constexpr std::string_view kLineOfferedModel = "编辑框_型号";
inline constexpr std::string_view kLineBrand = "编辑框_品牌";
inline constexpr std::string_view kLineQuantity = "编辑框_数量";
inline constexpr std::string_view kLineUnit = "编辑框_单位";
inline constexpr std::string_view kLineUnitPrice = "编辑框_单价";
inline constexpr std::string_view kLineDelivery = "编辑框_货期";
inline constexpr std::string_view kLineNote = "编辑框_行备注";
inline constexpr std::array<std::string_view, 8> kLineEditBoxes = {
    kLineAskedModel, kLineOfferedModel, kLineBrand,    kLineQuantity,
    kLineUnit,       kLineUnitPrice,    kLineDelivery, kLineNote};
inline constexpr std::string_view kDeleteLineButton = "按钮_删除行";

// What cannot be taken as typed ("数量不能为负数"), in red, and the amounts.
inline constexpr std::string_view kQuoteProblem = "标签_提示";
inline constexpr std::string_view kQuoteSubtotal = "标签_合计";
inline constexpr std::string_view kQuoteTax = "标签_税额";
inline constexpr std::string_view kQuoteTotal = "标签_总额";

const ui::WindowTemplate& quoteWindowTemplate();

// ---- 历史报价单: the kept quotes --------------------------------------------------------

inline constexpr std::string_view kQuoteHistoryWindowName = "quote_history";
inline constexpr std::string_view kHistoryList = "列表_报价单";  // 单号, 日期, 客户, 行数, 总额
inline constexpr std::string_view kHistoryOpenButton = "按钮_打开";
inline constexpr std::string_view kHistoryCopyButton = "按钮_复制";
inline constexpr std::string_view kHistoryDeleteButton = "按钮_删除";
inline constexpr std::string_view kHistoryCloseButton = "按钮_关闭";

const ui::WindowTemplate& quoteHistoryWindowTemplate();

// ---- 本店信息: the shop's header on every quote ----------------------------------------

inline constexpr std::string_view kShopHeaderWindowName = "shop_header";
inline constexpr std::string_view kShopHeaderName = "编辑框_店名";
inline constexpr std::string_view kShopHeaderPhone = "编辑框_电话";
inline constexpr std::string_view kShopHeaderAddress = "编辑框_地址";
inline constexpr std::string_view kShopHeaderBank = "编辑框_开户行";
inline constexpr std::string_view kShopHeaderSaveButton = "按钮_保存";
inline constexpr std::string_view kShopHeaderCancelButton = "按钮_取消";

const ui::WindowTemplate& shopHeaderWindowTemplate();

}  // namespace lz::windows
