#pragma once

#include <string>

#include "query/sizes/length.h"
#include "query/sizes/size_match.h"

namespace lz::sizes {

struct Measurement;

// A length in millimetres as the catalogue writes sizes: no trailing zeros, no decimal
// point for whole millimetres ("25", "34.925", "15.0115").
std::string millimetreText(Length length);

// A length as a whole number of 64ths of an inch, reduced: "1-3/8", "2-27/32", "1", "3/4".
std::string inchFractionText(Length length);

// The heading of a group of rows: its nominal size, "25 × 52 × 15 mm"; for an inch nominal
// also in inches, "34.925 × 72.233 × 25.4 mm（英制 1-3/8 × 2-27/32 × 1 in）".
std::string nominalHeading(const SizeGroup& group);

// The deviations of a group from the measurement (measured minus nominal), each in the unit
// its size was given in: "d -0.020, D +0.020, B 0.000 mm" (thousandths of a millimetre),
// "d 0.0000, D -0.0001 in" (ten-thousandths of an inch); the unit after each value when the
// sizes were given in different units; no B when no width was measured. An inch nominal
// ends with "，英制".
std::string deviationText(const Measurement& measurement, const SizeGroup& group);

}  // namespace lz::sizes
