#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "designation/reading.h"

namespace lz::designation {

// Old Chinese designations (GB 272-64/-88): read from the right, digits 1-2 are the bore
// code, 3 the diameter series, 4 the type, 5-6 the design variant and 7 the width series;
// leading zeros are dropped. A prefix before a dash names the tolerance class and, before
// that, the clearance group ("6-180306").

// Whether `text` (a reduced text, see WrittenText) has the shape of an old code: 2 to 7
// digits, perhaps a trailing "E" and a one- or two-digit prefix with a dash.
bool looksLikeOldCode(std::string_view text);

// The common designation an old code stands for by the rules: "180207" -> "6207-2RS",
// "36206" -> "7206 C", "7505E" -> "32205". None where no rule covers the code.
std::optional<std::string> newDesignationOfOldCode(std::string_view code);

// The old code of a reading by the same rules, "" where none covers it.
std::string oldCodeOfReading(const Reading& reading);

}  // namespace lz::designation
