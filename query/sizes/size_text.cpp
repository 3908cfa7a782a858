#include "query/sizes/size_text.h"

#include <array>
#include <string>
#include <utility>

namespace lz::sizes {
namespace {

// Longer texts are no size anyone types; refusing them bounds the work.
constexpr std::size_t kLongestText = 64;
// Digits of a whole part beyond this (leading zeros aside) make a size beyond any bearing.
constexpr int kMostWholeDigits = 12;
// Decimals beyond this lie far below a tenth of a micrometre and are not read.
constexpr int kMostDecimals = 12;

using Wide = __int128;

// The plain form of what a Chinese input method types in full width: digits, ".", "/",
// "-", letters, the quote, the ideographic space; the double prime is the inch sign.
// Everything else stays as it is.
std::string plainForm(std::string_view text) {
    std::string plain;
    plain.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = [&](std::size_t at) { return static_cast<unsigned char>(text[at]); };
        if (i + 2 < text.size() && byte(i) == 0xEF &&
            (byte(i + 1) == 0xBC || byte(i + 1) == 0xBD)) {
            // U+FF01 … U+FF5E are the full-width forms of "!" … "~".
            const unsigned offset = ((byte(i + 1) & 0x03u) << 6) | (byte(i + 2) & 0x3Fu);
            if (offset >= 0x01 && offset <= 0x5E) {
                plain += static_cast<char>(offset + 0x20u);
                i += 2;
                continue;
            }
        }
        if (i + 2 < text.size() && byte(i) == 0xE3 && byte(i + 1) == 0x80 && byte(i + 2) == 0x80) {
            plain += ' ';
            i += 2;
            continue;
        }
        if (i + 2 < text.size() && byte(i) == 0xE2 && byte(i + 1) == 0x80 && byte(i + 2) == 0xB3) {
            plain += '"';
            i += 2;
            continue;
        }
        plain += text[i];
    }
    return plain;
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool isSpace(char c) {
    return c == ' ' || c == '\t';
}

char lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// An exact fraction; both parts positive or the numerator zero.
struct Fraction {
    Wide numerator = 0;
    Wide denominator = 1;
};

// Walks one text; each read moves past what it took.
class Cursor {
public:
    explicit Cursor(std::string_view text) : text_(text) {}

    bool atEnd() const { return at_ == text_.size(); }
    char peek(std::size_t ahead = 0) const {
        return at_ + ahead < text_.size() ? text_[at_ + ahead] : '\0';
    }
    bool take(char c) {
        if (peek() != c) {
            return false;
        }
        ++at_;
        return true;
    }
    void skipSpaces() {
        while (isSpace(peek())) {
            ++at_;
        }
    }
    std::string_view rest() const { return text_.substr(at_); }
    std::size_t position() const { return at_; }
    void rewind(std::size_t position) { at_ = position; }

    // A run of digits: its value and how many significant digits it had (leading zeros not
    // counted); none when no digit stands here. Digits past `keep` are passed over unread.
    struct Digits {
        Wide value = 0;
        int count = 0;        // digits read
        int significant = 0;  // after leading zeros
    };
    std::optional<Digits> digits(int keep) {
        if (!isDigit(peek())) {
            return std::nullopt;
        }
        Digits run;
        while (isDigit(peek())) {
            const int digit = text_[at_++] - '0';
            if (run.significant > 0 || digit != 0) {
                ++run.significant;
            }
            if (run.count < keep) {
                run.value = run.value * 10 + digit;
                ++run.count;
            }
        }
        return run;
    }

    // Whether a fraction "N/D" starts here.
    bool fractionAhead() const {
        std::size_t at = at_;
        while (at < text_.size() && isDigit(text_[at])) {
            ++at;
        }
        return at > at_ && at < text_.size() && text_[at] == '/';
    }

private:
    std::string_view text_;
    std::size_t at_ = 0;
};

Wide powerOfTen(int exponent) {
    Wide power = 1;
    for (int i = 0; i < exponent; ++i) {
        power *= 10;
    }
    return power;
}

enum class NumberFault { None, NotANumber, TooLarge };

// "12", "12.5", ".5", "12." as an exact fraction.
NumberFault readDecimal(Cursor& cursor, Fraction& value) {
    Cursor::Digits whole;
    if (auto run = cursor.digits(kMostWholeDigits + 1)) {
        whole = *run;
    } else if (!(cursor.peek() == '.' && isDigit(cursor.peek(1)))) {
        return NumberFault::NotANumber;
    }
    if (whole.significant > kMostWholeDigits) {
        return NumberFault::TooLarge;
    }
    value = {whole.value, 1};
    if (cursor.take('.')) {
        if (auto decimals = cursor.digits(kMostDecimals)) {
            const Wide scale = powerOfTen(decimals->count);
            value = {whole.value * scale + decimals->value, scale};
        }
    }
    return NumberFault::None;
}

// "N/D" after its first digits have been read as `numerator`.
NumberFault readDenominator(Cursor& cursor, const Cursor::Digits& numerator, Fraction& value) {
    if (!cursor.take('/')) {
        return NumberFault::NotANumber;
    }
    const auto denominator = cursor.digits(kMostWholeDigits + 1);
    if (!denominator || denominator->significant == 0 ||
        denominator->significant > kMostWholeDigits) {
        return NumberFault::NotANumber;
    }
    if (numerator.significant > kMostWholeDigits) {
        return NumberFault::TooLarge;
    }
    value = {numerator.value, denominator->value};
    return NumberFault::None;
}

// A decimal, a fraction, or a whole number followed by "-" or spaces and a proper fraction.
NumberFault readNumber(Cursor& cursor, Fraction& value) {
    const std::size_t start = cursor.position();
    if (const auto first = cursor.digits(kMostWholeDigits + 1)) {
        if (cursor.peek() == '/') {
            return readDenominator(cursor, *first, value);
        }
        const std::size_t afterWhole = cursor.position();
        if (!cursor.take('-')) {
            cursor.skipSpaces();
        }
        if (cursor.position() != afterWhole && cursor.fractionAhead()) {
            // "1-3/8" or "1 3/8"
            Fraction part;
            if (readDenominator(cursor, *cursor.digits(kMostWholeDigits + 1), part) !=
                    NumberFault::None ||
                part.numerator == 0 || part.numerator >= part.denominator) {
                return NumberFault::NotANumber;  // "1-0/8", "1-9/8": no mixed number
            }
            if (first->significant > kMostWholeDigits) {
                return NumberFault::TooLarge;
            }
            value = {first->value * part.denominator + part.numerator, part.denominator};
            return NumberFault::None;
        }
    }
    cursor.rewind(start);
    return readDecimal(cursor, value);
}

std::optional<LengthUnit> unitNamed(std::string_view name) {
    static constexpr std::array<std::pair<std::string_view, LengthUnit>, 6> kUnits = {{
        {"mm", LengthUnit::Millimetre},
        {"毫米", LengthUnit::Millimetre},
        {"in", LengthUnit::Inch},
        {"inch", LengthUnit::Inch},
        {"英寸", LengthUnit::Inch},
        {"\"", LengthUnit::Inch},
    }};
    for (const auto& [written, unit] : kUnits) {
        if (written.size() == name.size() &&
            std::equal(written.begin(), written.end(), name.begin(),
                       [](char a, char b) { return a == lower(b); })) {
            return unit;
        }
    }
    return std::nullopt;
}

// The value rounded to whole lengths, halves up.
Wide lengthOf(const Fraction& value, LengthUnit unit) {
    return (value.numerator * perUnit(unit) * 2 + value.denominator) / (2 * value.denominator);
}

}  // namespace

SizeReading readTypedSize(std::string_view text, LengthUnit chosen) {
    if (text.size() > kLongestText) {
        return {std::nullopt, kNotAPositiveSize};
    }
    const std::string plain = plainForm(text);
    Cursor cursor(plain);
    cursor.skipSpaces();
    Fraction value;
    const NumberFault fault = readNumber(cursor, value);
    if (fault == NumberFault::TooLarge) {
        return {std::nullopt, kSizeTooLarge};
    }
    if (fault != NumberFault::None) {
        return {std::nullopt, kNotAPositiveSize};
    }
    cursor.skipSpaces();
    std::string_view unitText = cursor.rest();
    while (!unitText.empty() && isSpace(unitText.back())) {
        unitText.remove_suffix(1);
    }
    LengthUnit unit = chosen;
    if (!unitText.empty()) {
        const std::optional<LengthUnit> written = unitNamed(unitText);
        if (!written) {
            return {std::nullopt, kNotAPositiveSize};
        }
        unit = *written;
    }
    const Wide length = lengthOf(value, unit);
    if (length <= 0) {
        return {std::nullopt, kNotAPositiveSize};
    }
    if (length > kLargestTypedSize) {
        return {std::nullopt, kSizeTooLarge};
    }
    return {TypedSize{static_cast<Length>(length), unit}, {}};
}

std::optional<Length> readCatalogueSize(std::string_view text) {
    Cursor cursor(text);
    cursor.skipSpaces();
    Fraction value;
    if (readDecimal(cursor, value) != NumberFault::None) {
        return std::nullopt;
    }
    cursor.skipSpaces();
    if (!cursor.atEnd()) {
        return std::nullopt;
    }
    const Wide length = lengthOf(value, LengthUnit::Millimetre);
    if (length <= 0) {
        return std::nullopt;
    }
    return static_cast<Length>(length);
}

}  // namespace lz::sizes
