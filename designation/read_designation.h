#pragma once

#include <optional>
#include <string_view>

#include "designation/catalogue_knowledge.h"
#include "designation/reading.h"

namespace lz::designation {

// Every plausible reading of a designation as it is stamped on a bearing or typed on an
// order, in any maker's spelling, the most likely first:
// - as written ("6205-2RS1", "NU 205 ECP", "6205LLUC3");
// - with a missing separator put in where the seal count is glued to the bore code
//   ("62052RS" = 6205-2RS); where several splits make sense ("6052Z": 605-2Z and 6052-Z),
//   each one, labelled;
// - as an old Chinese code ("180207" = 6207-2RS), a code that is also a designation of
//   today second ("2205": the self-aligning ball bearing 2205 first, then N205).
// Texts of no designation ("", separators only, over 4096 bytes, invalid UTF-8) give no
// reading and the message "无法识别的型号". Reading takes microseconds, whatever the text.
DesignationReadings readDesignation(std::string_view text);

// The same, with what the catalogue knows: splits of a missing separator are kept only
// where the catalogue holds their basic designation, the better held first; old codes
// the catalogue pairs with a designation read as the catalogue says.
DesignationReadings readDesignation(std::string_view text, const CatalogueKnowledge& catalogue);

// The first reading of a text as written (a row's common or maker's designation), with no
// old-code readings; none when it reads as no designation. `catalogue` may be null.
std::optional<Reading> readAsWritten(std::string_view text, const CatalogueKnowledge* catalogue);

}  // namespace lz::designation
