#pragma once

#include <optional>
#include <string_view>

#include "query/sizes/length.h"

namespace lz::sizes {

// A size as someone typed it: its length, and the unit it was given in (the unit written
// after the number, or else the unit chosen), in which its deviations are shown.
struct TypedSize {
    Length length = 0;
    LengthUnit unit = LengthUnit::Millimetre;
    bool operator==(const TypedSize&) const = default;
};

inline constexpr std::string_view kNotAPositiveSize = "请输入正数，例如 25、24.98 或 1-3/8";
inline constexpr std::string_view kSizeTooLarge = "尺寸过大，请输入不超过 10000 mm 的值";

// The largest size a measurement may give; the largest bearings of the catalogue stay
// well below it.
inline constexpr Length kLargestTypedSize = 10'000 * kPerMillimetre;

// A typed size, or why it is refused.
struct SizeReading {
    std::optional<TypedSize> size;
    std::string_view refusal;  // empty when `size` holds a value
};

// Reads a measured size: a decimal ("24.98", "1.375", ".5"), a fraction ("3/4") or a whole
// number and a fraction ("1-3/8", "1 3/8"), then optionally a unit ("mm", "毫米", "in",
// "inch", "英寸", "\"", any letter case, spaces allowed before it). A written unit wins over
// `chosen`. Spaces around the value, and full-width digits and signs as a Chinese input
// method types them, are taken as their plain forms. Refused with kNotAPositiveSize:
// anything else, such as letters, signs, exponents ("1e3"), "nan", "inf", a zero
// denominator, a mixed number whose fraction is not below one, zero, and values that
// round to zero; with kSizeTooLarge: values above kLargestTypedSize.
SizeReading readTypedSize(std::string_view text, LengthUnit chosen);

// Reads a size as the catalogue writes it: a plain decimal number of millimetres, spaces
// around it allowed. None when the text is no positive number (empty, "0", "-1", "abc",
// "1e300") or has more than twelve digits before its decimal point.
std::optional<Length> readCatalogueSize(std::string_view text);

}  // namespace lz::sizes
