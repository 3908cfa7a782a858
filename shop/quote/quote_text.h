#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "shop/quote/quote.h"

namespace lz::shop {

// What a person typed into a field of a quote, read: the value, or the message that says
// why it cannot be taken (quote_messages.h). An empty field has no value and no problem
// where the field may stay empty.
template <class T>
struct Entry {
    std::optional<T> value;
    std::string problem;
    bool ok() const { return problem.empty(); }
};

// The readers take what people type: blanks around the text, full-width digits and signs
// ("１２．５", "－３", "１３％"), thousands separators in groups of three ("1,234.50"), and
// before money a "¥" or "￥" and after it "元". Decimals are read exactly (no floating
// point); money is rounded half up to the fen ("12.345" is 12.35 yuan, "32.4207" 32.42).

// 数量: a whole number from 0 to kMaxQuantity; "12.00" is 12. Empty: no quantity.
Entry<std::int64_t> parseQuantity(std::string_view text);
// 单价: from 0 to kMaxUnitPrice. Empty: no price.
Entry<Fen> parseUnitPrice(std::string_view text);
// 运费: from 0 to kMaxAmount. Empty: 0.
Entry<Fen> parseFreight(std::string_view text);
// 调整: a discount ("-50") or a surcharge, up to kMaxAmount either way. Empty: 0.
Entry<Fen> parseAdjustment(std::string_view text);
// 税率 in percent, "%" optional, to two decimals: "13" and "13%" are 1300 basis points,
// "6.5" 650. From 0 to 100 %.
Entry<int> parseTaxRate(std::string_view text);
// 有效期 in whole days, from 1 to kMaxValidDays; "天" after the number is allowed.
Entry<int> parseValidDays(std::string_view text);

// Money as yuan with two decimals: "1234.50", "-0.05"; with thousands separators
// "1,234.50" for print.
enum class Grouping { None, Thousands };
std::string formatYuan(Fen fen, Grouping grouping = Grouping::None);
// "13%", "6.5%", "0.25%".
std::string formatTaxRate(int basisPoints);
// "2026-12-08".
std::string formatDate(std::chrono::year_month_day date);

}  // namespace lz::shop
