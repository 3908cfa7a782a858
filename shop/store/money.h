#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace lz::shop {

// Money is kept as whole fen (1/100 yuan) in 64-bit integers, so that sums and comparisons
// are exact; it is rounded once, on the way in, and shown with two decimals.

// The fen of a decimal number written as text: an optional sign, digits with an optional
// decimal point, an optional exponent ("1.5E3"). Rounded half away from zero on the exact
// decimal digits ("0.125" is 13 fen, "-0.125" is -13). Nothing for any other text, and for
// amounts beyond ±10^15 yuan.
std::optional<std::int64_t> parseFen(std::string_view text);

// "12.30", "-0.05", "1234567.00": no grouping, always two decimals.
std::string formatFen(std::int64_t fen);

}  // namespace lz::shop
