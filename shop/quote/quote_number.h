#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

namespace lz::shop {

// A quote's number (单号): its date and the count of quotes made that day, "20261208-001".
// The count has three digits, more only past 999; the shop file hands out the counts.
inline constexpr int kMaxQuoteCounter = 9999;

struct QuoteNumber {
    std::chrono::year_month_day date;
    int counter = 0;  // 1 … kMaxQuoteCounter
};

// "20261208-001" for the first quote of 8 December 2026, "20261208-1000" for the 1000th.
// Empty for a date that is no date or a count out of range.
std::string formatQuoteNumber(std::chrono::year_month_day date, int counter);

// The date and count of a number written as formatQuoteNumber writes it (blanks around it
// allowed); nothing for any other text, so that "20261208-01" or "20261332-001" is no
// quote's number.
std::optional<QuoteNumber> parseQuoteNumber(std::string_view text);

}  // namespace lz::shop
