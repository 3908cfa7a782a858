#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "designation/reading.h"

namespace lz::designation {

// A feature in which two readings of the same basic designation differ, as far as their
// canonical designations show it.
struct Difference {
    enum class Feature : std::uint8_t {
        Design,  // internal design or contact angle
        Cage,
        Clearance,
        Tolerance,
        LubricationGroove,
        Arrangement,
        Material,
        OtherCodes,
        // Differences of these make another bearing of the same size:
        Sealing,
        SnapRing,
        TaperedBore,
        AdapterSleeve,
    };
    Feature feature;
    std::string_view name;  // "游隙", "保持架", "接触角" ...
    std::string wanted;     // as the wanted reading has it ("C3"; "普通", "未注" for none)
    std::string found;      // as the found reading has it
};

// The differences between the reading looked for and a reading found, in the order of
// the features above; empty when their canonical designations are equal.
std::vector<Difference> differencesBetween(const Reading& wanted, const Reading& found);

// Whether a difference leaves the bearing interchangeable in size and sealing (clearance,
// tolerance, cage, design, other codes) or makes it another one of the same size.
bool changesSizeOrSealing(Difference::Feature feature);

// The "差异" column: "游隙 C3 → 普通；保持架 M → 未注".
std::string differenceText(std::span<const Difference> differences);

}  // namespace lz::designation
