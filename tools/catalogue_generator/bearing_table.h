#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "candidates.h"
#include "kinds.h"
#include "prng.h"

namespace catgen {

using Text = std::optional<std::string>;

struct BearingRow {
    Text zhch, newno, oldno, njin, wjin, gdu, ckxh, ppai, btype, tt;
    // How the row was made; not written out.
    int brand = 0;
    Kind kind = Kind::Untyped;
    int subtype = 0;
    int titleStyle = 1;
    std::string titleSeries;
    const Candidate* source = nullptr;
    bool pinned = false;  // a row whose every value is fixed
    bool irregularName = false;
    bool trailingSpace = false;
    bool oddDimensions = false;  // already carries one of the odd dimension values
};

// The whole bearing catalogue in stored order (bh = index + 1).
std::vector<BearingRow> buildBearingTable(const SizeLibrary& sizes, Prng rng);

// Post-passes over the assembled table (bearing_oddities.cpp, bearing_titles.cpp).
void placeFixedRows(std::vector<BearingRow>& rows);
void addOddDimensions(std::vector<BearingRow>& rows, Prng& rng);
void writeBearingNames(std::vector<BearingRow>& rows, Prng& rng);
void writeTitles(std::vector<BearingRow>& rows, Prng& rng);

}  // namespace catgen
