#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace catgen {

// Dimensions and prices are stored as text in their shortest decimal form. These helpers do
// the arithmetic on them exactly, in integer units of 10^-scale, so that no binary rounding
// ever reaches the catalogue.

// "5.3" at scale 4 gives 53000. Fails on signs, spaces, empty text or more decimals than scale.
std::optional<std::int64_t> parseDecimal(std::string_view text, int scale);

// The shortest form: no trailing zeros, no decimal point for whole numbers.
std::string formatDecimal(std::int64_t units, int scale);

// The price with 17 % tax: exactly nonprice x 1.17 with every decimal of the product
// ("5.3" gives "6.201"). Empty when nonprice is not a plain decimal.
std::string taxInclusive(std::string_view nonprice);

// value rounded half-up to at most `decimals` decimals, in shortest form.
std::string roundedText(double value, int decimals);

// text multiplied by a whole factor, in shortest form ("23.8" x 1000 gives "23800").
std::string scaledText(std::string_view text, std::int64_t factor);

}  // namespace catgen
