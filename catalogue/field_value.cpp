#include "catalogue/field_value.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <type_traits>

namespace lz::catalogue {

namespace {

template <typename... Args>
std::string formatted(const char* format, Args... args) {
    char buffer[128];
    const int length = std::snprintf(buffer, sizeof buffer, format, args...);
    if (length <= 0) {
        return {};
    }
    return std::string(buffer, std::min(static_cast<std::size_t>(length), sizeof buffer - 1));
}

template <typename Integer>
std::string decimal(Integer value) {
    char buffer[16];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

// As "%.<digits>g" would write it in the C locale: the program's locale, which Qt takes
// from the environment, must not turn the decimal point into a comma.
std::string general(double value, int digits) {
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, digits);
    return std::string(buffer, result.ptr);
}

std::string hexText(const std::vector<std::uint8_t>& bytes) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string text;
    text.reserve(bytes.size() * 2);
    for (const std::uint8_t byte : bytes) {
        text += kDigits[byte >> 4];
        text += kDigits[byte & 0x0f];
    }
    return text;
}

}  // namespace

// Booleans show as "1"/"0", date-times as "YYYY-MM-DD HH:MM:SS" and bytes as lower-case
// hexadecimal digits; the catalogue holds none of these kinds.
std::string fieldText(const FieldValue& value) {
    return std::visit(
        [](const auto& v) -> std::string {
            using T = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<T, std::monostate>) {
                return {};
            } else if constexpr (std::is_same_v<T, std::string>) {
                return v;
            } else if constexpr (std::is_same_v<T, std::uint8_t>) {
                return decimal(static_cast<unsigned>(v));  // "%u"
            } else if constexpr (std::is_same_v<T, std::int16_t> ||
                                 std::is_same_v<T, std::int32_t>) {
                return decimal(static_cast<int>(v));  // "%d"
            } else if constexpr (std::is_same_v<T, float>) {
                // "%.6g" already rounds to six significant digits.
                return general(static_cast<double>(v), 6);
            } else if constexpr (std::is_same_v<T, double>) {
                return general(v, 13);
            } else if constexpr (std::is_same_v<T, bool>) {
                return v ? "1" : "0";
            } else if constexpr (std::is_same_v<T, DateTime>) {
                return formatted("%04d-%02d-%02d %02d:%02d:%02d", v.year, v.month, v.day, v.hour,
                                 v.minute, v.second);
            } else {
                return hexText(v);
            }
        },
        value);
}

std::string fieldText(FieldValue&& value) {
    if (auto* text = std::get_if<std::string>(&value)) {
        return std::move(*text);
    }
    return fieldText(static_cast<const FieldValue&>(value));
}

std::optional<std::int32_t> integerValue(const FieldValue& value) {
    return std::visit(
        [](const auto& v) -> std::optional<std::int32_t> {
            using T = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<T, std::uint8_t> || std::is_same_v<T, std::int16_t> ||
                          std::is_same_v<T, std::int32_t>) {
                return static_cast<std::int32_t>(v);
            } else {
                return std::nullopt;
            }
        },
        value);
}

std::string textValue(FieldValue&& value) {
    if (auto* text = std::get_if<std::string>(&value)) {
        return std::move(*text);
    }
    return {};
}

}  // namespace lz::catalogue
