#pragma once

#include <cstdint>

namespace lz::sizes {

// A length in whole tenths of a micrometre. The catalogue writes sizes in millimetres with
// up to four decimals and an inch is exactly 254,000 of these, so catalogue sizes, typed
// decimals and inch decimals all become whole numbers: comparing a measurement with a
// tolerance is exact, with no rounding error to decide whether 24.9 lies within 0.1 of 25.
using Length = std::int64_t;

inline constexpr Length kPerMillimetre = 10'000;
inline constexpr Length kPerInch = 254'000;

enum class LengthUnit { Millimetre, Inch };

constexpr Length perUnit(LengthUnit unit) {
    return unit == LengthUnit::Inch ? kPerInch : kPerMillimetre;
}

}  // namespace lz::sizes
