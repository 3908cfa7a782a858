#include "shop/quote/quote_number.h"

#include <cstdio>

namespace lz::shop {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool allDigits(std::string_view text) {
    for (char c : text) {
        if (!isDigit(c)) {
            return false;
        }
    }
    return !text.empty();
}

int value(std::string_view digits) {
    int n = 0;
    for (char c : digits) {
        n = n * 10 + (c - '0');
    }
    return n;
}

}  // namespace

std::string formatQuoteNumber(std::chrono::year_month_day date, int counter) {
    const int year = static_cast<int>(date.year());
    if (!date.ok() || year < 1 || year > 9999 || counter < 1 || counter > kMaxQuoteCounter) {
        return {};
    }
    char text[32];
    std::snprintf(text, sizeof text, "%04d%02u%02u-%03d", year, static_cast<unsigned>(date.month()),
                  static_cast<unsigned>(date.day()), counter);
    return text;
}

std::optional<QuoteNumber> parseQuoteNumber(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
        text.remove_prefix(1);
    }
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) {
        text.remove_suffix(1);
    }
    if (text.size() < 12 || text[8] != '-') {
        return std::nullopt;
    }
    const std::string_view day = text.substr(0, 8);
    const std::string_view count = text.substr(9);
    if (!allDigits(day) || !allDigits(count) || count.size() > 4) {
        return std::nullopt;
    }
    const std::chrono::year_month_day date{
        std::chrono::year{value(day.substr(0, 4))},
        std::chrono::month{static_cast<unsigned>(value(day.substr(4, 2)))},
        std::chrono::day{static_cast<unsigned>(value(day.substr(6, 2)))}};
    const int counter = value(count);
    // Only the one way of writing it: "-0001" and "-01" are not 1.
    if (formatQuoteNumber(date, counter) != text) {
        return std::nullopt;
    }
    return QuoteNumber{date, counter};
}

}  // namespace lz::shop
