#include "shop/store/money.h"

#include <cstdlib>
#include <string>

namespace lz::shop {

namespace {

constexpr int kMaxIntegerDigits = 15;  // ±10^15 yuan still fits in int64 fen comfortably

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

std::optional<std::int64_t> parseFen(std::string_view text) {
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    // The significant digits without the point, and where the point stood among them.
    std::string digits;
    int pointAt = -1;
    bool anyDigit = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (isDigit(c)) {
            anyDigit = true;
            if (digits.empty() && c == '0' && pointAt < 0) {
                continue;  // leading zeros of the integer part
            }
            if (digits.size() < 64) {
                digits.push_back(c);
            } else if (pointAt < 0) {
                return std::nullopt;  // far beyond any amount
            }
        } else if (c == '.' && pointAt < 0) {
            pointAt = static_cast<int>(digits.size());
        } else {
            break;
        }
    }
    if (!anyDigit) {
        return std::nullopt;
    }
    if (pointAt < 0) {
        pointAt = static_cast<int>(digits.size());
    }
    long exponent = 0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        bool negativeExponent = false;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
            negativeExponent = text[i] == '-';
            ++i;
        }
        if (i >= text.size() || !isDigit(text[i])) {
            return std::nullopt;
        }
        for (; i < text.size() && isDigit(text[i]); ++i) {
            if (exponent < 1000) {
                exponent = exponent * 10 + (text[i] - '0');
            }
        }
        if (negativeExponent) {
            exponent = -exponent;
        }
    }
    if (i != text.size()) {
        return std::nullopt;
    }
    // The value is 0.d1d2d3... × 10^(pointAt + exponent) yuan; fen shift two more places.
    const long integerDigits = pointAt + exponent + 2;  // digits before the fen's point
    if (integerDigits > kMaxIntegerDigits + 2) {
        bool allZero = digits.find_first_not_of('0') == std::string::npos;
        if (!allZero) {
            return std::nullopt;
        }
        return 0;
    }
    std::int64_t fen = 0;
    for (long k = 0; k < integerDigits; ++k) {
        const char c = k >= 0 && k < static_cast<long>(digits.size()) ? digits[k] : '0';
        fen = fen * 10 + (c - '0');
    }
    // Round half away from zero on the first digit after the fen.
    const long next = integerDigits;
    if (next >= 0 && next < static_cast<long>(digits.size()) && digits[next] >= '5') {
        ++fen;
    }
    return negative ? -fen : fen;
}

std::string formatFen(std::int64_t fen) {
    const bool negative = fen < 0;
    // Through unsigned so that the smallest int64 has a magnitude too.
    const std::uint64_t magnitude =
        negative ? ~static_cast<std::uint64_t>(fen) + 1 : static_cast<std::uint64_t>(fen);
    std::string text = std::to_string(magnitude / 100);
    const unsigned cents = static_cast<unsigned>(magnitude % 100);
    text.push_back('.');
    text.push_back(static_cast<char>('0' + cents / 10));
    text.push_back(static_cast<char>('0' + cents % 10));
    return negative ? "-" + text : text;
}

}  // namespace lz::shop
