#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace lz::catalogue {

// Calendar value of a date/time column; the catalogue holds none, but the kind exists.
struct DateTime {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
    bool operator==(const DateTime&) const = default;
};

// What reading one column yields. `std::monostate` is "none": nothing could be read.
using FieldValue = std::variant<std::monostate, std::uint8_t, std::int16_t, std::int32_t, float,
                                double, bool, std::string, DateTime, std::vector<std::uint8_t>>;

// The text a value shows in a list or edit box: text as it stands, none as the empty
// text, bytes "%u", short and long integers "%d", single precision rounded to six
// significant digits then "%.6g", double precision "%.13g". The kinds the catalogue does
// not hold: booleans "1"/"0", date-times "YYYY-MM-DD HH:MM:SS", bytes as lower-case hex.
std::string fieldText(const FieldValue& value);
// The same, taking the text of a text value over instead of copying it.
std::string fieldText(FieldValue&& value);

// For indexes over a table: an integer column's value (bytes, short and long integers),
// none for anything else; a text column's value taken over, the empty text for NULL and
// for values of any other kind.
std::optional<std::int32_t> integerValue(const FieldValue& value);
std::string textValue(FieldValue&& value);

}  // namespace lz::catalogue
