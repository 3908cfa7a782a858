#pragma once

// Every message about a quote's contents, in one place so that the window, the command line
// and the tests say the same thing. UTF-8.
namespace lz::shop::quote_messages {

// A quantity.
inline constexpr const char* kQuantityNotNumber = "数量不是数字";
inline constexpr const char* kQuantityNotWhole = "数量必须是整数";
inline constexpr const char* kQuantityNegative = "数量不能为负数";
inline constexpr const char* kQuantityTooLarge = "数量过大（最多 1000000）";

// A unit price.
inline constexpr const char* kPriceNotNumber = "单价不是数字";
inline constexpr const char* kPriceNegative = "单价不能为负数";
inline constexpr const char* kPriceTooLarge = "单价过大（最多 100000000 元）";

// A line's amount: quantity times unit price.
inline constexpr const char* kAmountTooLarge = "金额过大";

// The quote's own figures.
inline constexpr const char* kFreightNotNumber = "运费不是数字";
inline constexpr const char* kFreightNegative = "运费不能为负数";
inline constexpr const char* kFreightTooLarge = "运费过大";
inline constexpr const char* kAdjustmentNotNumber = "调整金额不是数字";
inline constexpr const char* kAdjustmentTooLarge = "调整金额过大";
inline constexpr const char* kTaxRateNotNumber = "税率不是数字";
inline constexpr const char* kTaxRateOutOfRange = "税率应在 0% 至 100% 之间";
inline constexpr const char* kValidDaysNotNumber = "有效期不是数字";
inline constexpr const char* kValidDaysOutOfRange = "有效期应为 1 至 365 天";
inline constexpr const char* kBadDate = "日期无效";
inline constexpr const char* kSubtotalTooLarge = "合计过大";
inline constexpr const char* kTotalNegative = "总额不能为负数，请检查调整金额";
inline constexpr const char* kTotalTooLarge = "总额过大";
inline constexpr const char* kTooManyLines = "一张报价单最多 1000 行";

// Texts.
inline constexpr const char* kTextTooLong = "文字过长（最多 200 字）";
inline constexpr const char* kNoteTooLong = "备注过长（最多 2000 字）";

}  // namespace lz::shop::quote_messages
