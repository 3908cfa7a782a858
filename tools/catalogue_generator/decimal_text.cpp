#include "decimal_text.h"

#include <cmath>

namespace catgen {

namespace {

std::int64_t power10(int n) {
    std::int64_t p = 1;
    while (n-- > 0) {
        p *= 10;
    }
    return p;
}

}  // namespace

std::optional<std::int64_t> parseDecimal(std::string_view text, int scale) {
    if (text.empty()) {
        return std::nullopt;
    }
    std::int64_t units = 0;
    int decimals = -1;
    for (char c : text) {
        if (c == '.') {
            if (decimals >= 0) {
                return std::nullopt;
            }
            decimals = 0;
            continue;
        }
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        if (decimals >= 0 && ++decimals > scale) {
            return std::nullopt;
        }
        units = units * 10 + (c - '0');
    }
    if (decimals == 0) {
        return std::nullopt;  // "5." is not a plain decimal
    }
    return units * power10(scale - (decimals < 0 ? 0 : decimals));
}

std::string formatDecimal(std::int64_t units, int scale) {
    const std::int64_t one = power10(scale);
    std::string text = std::to_string(units / one);
    std::int64_t fraction = units % one;
    if (fraction == 0) {
        return text;
    }
    std::string digits = std::to_string(fraction);
    digits.insert(0, static_cast<std::size_t>(scale) - digits.size(), '0');
    while (digits.back() == '0') {
        digits.pop_back();
    }
    return text + "." + digits;
}

std::string taxInclusive(std::string_view nonprice) {
    const auto units = parseDecimal(nonprice, 4);
    if (!units) {
        return {};
    }
    return formatDecimal(*units * 117, 6);
}

std::string roundedText(double value, int decimals) {
    const std::int64_t one = power10(decimals);
    const auto units =
        static_cast<std::int64_t>(std::floor(value * static_cast<double>(one) + 0.5));
    return formatDecimal(units, decimals);
}

std::string scaledText(std::string_view text, std::int64_t factor) {
    const auto units = parseDecimal(text, 4);
    return units ? formatDecimal(*units * factor, 4) : std::string(text);
}

}  // namespace catgen
