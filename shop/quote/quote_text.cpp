#include "shop/quote/quote_text.h"

#include <cstdio>

#include "shop/quote/quote_messages.h"

namespace lz::shop {

namespace msg = quote_messages;

namespace {

constexpr std::string_view kYuanSign = "\xC2\xA5";               // ¥
constexpr std::string_view kFullWidthYuanSign = "\xEF\xBF\xA5";  // ￥
constexpr std::string_view kYuan = "元";
constexpr std::string_view kDays = "天";

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Full-width forms of ASCII (U+FF01 … U+FF5E) become ASCII, the ideographic space a blank;
// everything else stays as it is.
std::string narrowed(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto b0 = static_cast<unsigned char>(text[i]);
        if (b0 == 0xEF && i + 2 < text.size()) {
            const auto b1 = static_cast<unsigned char>(text[i + 1]);
            const auto b2 = static_cast<unsigned char>(text[i + 2]);
            if (b1 == 0xBC && b2 >= 0x81 && b2 <= 0xBF) {
                out.push_back(static_cast<char>(0x21 + (b2 - 0x81)));
                i += 2;
                continue;
            }
            if (b1 == 0xBD && b2 >= 0x80 && b2 <= 0x9E) {
                out.push_back(static_cast<char>(0x60 + (b2 - 0x80)));
                i += 2;
                continue;
            }
        }
        if (b0 == 0xE3 && i + 2 < text.size() && static_cast<unsigned char>(text[i + 1]) == 0x80 &&
            static_cast<unsigned char>(text[i + 2]) == 0x80) {
            out.push_back(' ');
            i += 2;
            continue;
        }
        out.push_back(text[i]);
    }
    return out;
}

std::string_view trimmed(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && blank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && blank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

bool dropPrefix(std::string_view& text, std::string_view prefix) {
    if (text.substr(0, prefix.size()) != prefix) {
        return false;
    }
    text.remove_prefix(prefix.size());
    return true;
}

bool dropSuffix(std::string_view& text, std::string_view suffix) {
    if (text.size() < suffix.size() || text.substr(text.size() - suffix.size()) != suffix) {
        return false;
    }
    text.remove_suffix(suffix.size());
    return true;
}

// A decimal number as its digits: sign, the integer digits without leading zeros, the
// decimals as written.
struct Decimal {
    bool negative = false;
    std::string integer;
    std::string fraction;
};

// "1,234" groups are taken only in threes after a first group of one to three digits, so
// that "1,5" (a decimal comma elsewhere) is not read as fifteen.
bool validGrouping(std::string_view integer) {
    const std::size_t first = integer.find(',');
    if (first == std::string_view::npos) {
        return true;
    }
    if (first == 0 || first > 3) {
        return false;
    }
    for (std::size_t i = first; i < integer.size(); i += 4) {
        if (integer[i] != ',' || i + 4 > integer.size()) {
            return false;
        }
        for (std::size_t k = i + 1; k < i + 4; ++k) {
            if (!isDigit(integer[k])) {
                return false;
            }
        }
    }
    return true;
}

std::optional<Decimal> readDecimal(std::string_view text) {
    Decimal d;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        d.negative = text.front() == '-';
        text.remove_prefix(1);
    }
    const std::size_t point = text.find('.');
    const std::string_view integer = text.substr(0, point);
    const std::string_view fraction =
        point == std::string_view::npos ? std::string_view{} : text.substr(point + 1);
    if (integer.empty() && fraction.empty()) {
        return std::nullopt;
    }
    if (!validGrouping(integer)) {
        return std::nullopt;
    }
    for (char c : integer) {
        if (c == ',') {
            continue;
        }
        if (!isDigit(c)) {
            return std::nullopt;
        }
        if (!(d.integer.empty() && c == '0')) {
            d.integer.push_back(c);
        }
    }
    for (char c : fraction) {
        if (!isDigit(c)) {
            return std::nullopt;
        }
    }
    d.fraction = fraction;
    return d;
}

bool allZero(std::string_view digits) {
    return digits.find_first_not_of('0') == std::string_view::npos;
}

bool isZero(const Decimal& d) {
    return d.integer.empty() && allZero(d.fraction);
}

// The integer digits as a number; only called with at most 18 of them.
std::int64_t integerValue(const Decimal& d) {
    std::int64_t value = 0;
    for (char c : d.integer) {
        value = value * 10 + (c - '0');
    }
    return value;
}

// The magnitude in hundredths, rounded half up on the third decimal. Nothing when the
// integer part has more than `maxIntegerDigits` digits.
std::optional<std::int64_t> hundredths(const Decimal& d, std::size_t maxIntegerDigits) {
    if (d.integer.size() > maxIntegerDigits) {
        return std::nullopt;
    }
    std::int64_t value = integerValue(d);
    for (std::size_t k = 0; k < 2; ++k) {
        value = value * 10 + (k < d.fraction.size() ? d.fraction[k] - '0' : 0);
    }
    if (d.fraction.size() > 2 && d.fraction[2] >= '5') {
        ++value;
    }
    return value;
}

enum class Extras { None, Money, Percent, Days };

// The text with blanks, full-width forms and the allowed signs and units taken away.
std::string plainNumber(std::string_view text, Extras extras) {
    const std::string narrow = narrowed(text);
    std::string_view rest = trimmed(narrow);
    std::string sign;
    if (extras == Extras::Money) {
        // "¥-5", "-¥5" and "-5元" alike.
        if (!rest.empty() && (rest.front() == '-' || rest.front() == '+')) {
            sign = rest.front();
            rest = trimmed(rest.substr(1));
        }
        if (!dropPrefix(rest, kYuanSign)) {
            dropPrefix(rest, kFullWidthYuanSign);
        }
        rest = trimmed(rest);
        dropSuffix(rest, kYuan);
    } else if (extras == Extras::Percent) {
        dropSuffix(rest, "%");
    } else if (extras == Extras::Days) {
        dropSuffix(rest, kDays);
    }
    return sign + std::string(trimmed(rest));
}

bool isBlank(std::string_view text) {
    return trimmed(narrowed(text)).empty();
}

enum class MoneyKind { UnitPrice, Freight, Adjustment };

Entry<Fen> parseMoney(std::string_view text, MoneyKind kind) {
    if (isBlank(text)) {
        if (kind == MoneyKind::UnitPrice) {
            return {};
        }
        return {Fen{0}, {}};
    }
    const char* notNumber = kind == MoneyKind::UnitPrice ? msg::kPriceNotNumber
                            : kind == MoneyKind::Freight ? msg::kFreightNotNumber
                                                         : msg::kAdjustmentNotNumber;
    const char* tooLarge = kind == MoneyKind::UnitPrice ? msg::kPriceTooLarge
                           : kind == MoneyKind::Freight ? msg::kFreightTooLarge
                                                        : msg::kAdjustmentTooLarge;
    const Fen limit = kind == MoneyKind::UnitPrice ? kMaxUnitPrice : kMaxAmount;
    // A sign or unit alone ("¥") is no number.
    const auto decimal = readDecimal(plainNumber(text, Extras::Money));
    if (!decimal) {
        return {std::nullopt, notNumber};
    }
    if (decimal->negative && !isZero(*decimal) && kind != MoneyKind::Adjustment) {
        return {std::nullopt,
                kind == MoneyKind::UnitPrice ? msg::kPriceNegative : msg::kFreightNegative};
    }
    const auto magnitude = hundredths(*decimal, 15);
    if (!magnitude || *magnitude > limit) {
        return {std::nullopt, tooLarge};
    }
    return {decimal->negative ? -*magnitude : *magnitude, {}};
}

// A whole number; "7.00" is seven.
Entry<std::int64_t> parseWhole(std::string_view text, Extras extras, std::int64_t max,
                               const char* notNumber, const char* notWhole, const char* negative,
                               const char* tooLarge) {
    if (isBlank(text)) {
        return {};
    }
    const auto decimal = readDecimal(plainNumber(text, extras));
    if (!decimal) {
        return {std::nullopt, notNumber};
    }
    if (!allZero(decimal->fraction)) {
        return {std::nullopt, notWhole};
    }
    if (decimal->negative && !isZero(*decimal)) {
        return {std::nullopt, negative};
    }
    if (decimal->integer.size() > 18 || integerValue(*decimal) > max) {
        return {std::nullopt, tooLarge};
    }
    return {integerValue(*decimal), {}};
}

}  // namespace

Entry<std::int64_t> parseQuantity(std::string_view text) {
    return parseWhole(text, Extras::None, kMaxQuantity, msg::kQuantityNotNumber,
                      msg::kQuantityNotWhole, msg::kQuantityNegative, msg::kQuantityTooLarge);
}

Entry<Fen> parseUnitPrice(std::string_view text) {
    return parseMoney(text, MoneyKind::UnitPrice);
}

Entry<Fen> parseFreight(std::string_view text) {
    return parseMoney(text, MoneyKind::Freight);
}

Entry<Fen> parseAdjustment(std::string_view text) {
    return parseMoney(text, MoneyKind::Adjustment);
}

Entry<int> parseTaxRate(std::string_view text) {
    const std::string plain = plainNumber(text, Extras::Percent);
    const auto decimal = readDecimal(plain);
    if (!decimal) {
        return {std::nullopt, msg::kTaxRateNotNumber};
    }
    const auto basisPoints = hundredths(*decimal, 3);
    if ((decimal->negative && !isZero(*decimal)) || !basisPoints ||
        *basisPoints > kMaxTaxRateBasisPoints) {
        return {std::nullopt, msg::kTaxRateOutOfRange};
    }
    return {static_cast<int>(*basisPoints), {}};
}

Entry<int> parseValidDays(std::string_view text) {
    const auto days =
        parseWhole(text, Extras::Days, kMaxValidDays, msg::kValidDaysNotNumber,
                   msg::kValidDaysNotNumber, msg::kValidDaysOutOfRange, msg::kValidDaysOutOfRange);
    if (!days.ok()) {
        return {std::nullopt, days.problem};
    }
    if (!days.value) {
        return {std::nullopt, msg::kValidDaysNotNumber};
    }
    if (*days.value < 1) {
        return {std::nullopt, msg::kValidDaysOutOfRange};
    }
    return {static_cast<int>(*days.value), {}};
}

std::string formatYuan(Fen fen, Grouping grouping) {
    const bool negative = fen < 0;
    // Through unsigned, so that the smallest int64 has a magnitude too.
    const std::uint64_t magnitude =
        negative ? ~static_cast<std::uint64_t>(fen) + 1 : static_cast<std::uint64_t>(fen);
    std::string yuan = std::to_string(magnitude / 100);
    if (grouping == Grouping::Thousands) {
        for (std::size_t at = yuan.size(); at > 3; at -= 3) {
            yuan.insert(at - 3, ",");
        }
    }
    const unsigned cents = static_cast<unsigned>(magnitude % 100);
    yuan.push_back('.');
    yuan.push_back(static_cast<char>('0' + cents / 10));
    yuan.push_back(static_cast<char>('0' + cents % 10));
    return negative ? "-" + yuan : yuan;
}

std::string formatTaxRate(int basisPoints) {
    std::string text = std::to_string(basisPoints / 100);
    const int rest = basisPoints % 100;
    if (rest != 0) {
        text.push_back('.');
        text.push_back(static_cast<char>('0' + rest / 10));
        if (rest % 10 != 0) {
            text.push_back(static_cast<char>('0' + rest % 10));
        }
    }
    return text + "%";
}

std::string formatDate(std::chrono::year_month_day date) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u", static_cast<int>(date.year()),
                  static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
    return text;
}

}  // namespace lz::shop
