#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "query/sizes/length.h"

namespace lz::sizes {

struct Measurement;

// A nominal size of the catalogue: d × D × B.
struct NominalSize {
    Length inner = 0;
    Length outer = 0;
    Length width = 0;
    auto operator<=>(const NominalSize&) const = default;
};

// How far a measurement lies from a nominal size: measured minus nominal, per dimension;
// no width when none was measured.
struct SizeDeviation {
    Length inner = 0;
    Length outer = 0;
    std::optional<Length> width;
    bool operator==(const SizeDeviation&) const = default;
};

// One nominal size found for a measurement and the rows of the catalogue that have it
// (of the type asked for), by ascending bh.
struct SizeGroup {
    NominalSize nominal;
    SizeDeviation deviation;
    bool inch = false;  // isInchNominal(nominal)
    std::vector<std::int32_t> bh;
};

inline constexpr std::size_t kNearestRows = 20;

// What a search by measured size finds: the nominal sizes within tolerance, nearest first;
// or, when there are none, the nearest ones, cut after their first kNearestRows rows.
struct SizeSearch {
    bool withinTolerance = false;
    std::vector<SizeGroup> groups;
    std::size_t rowCount() const;
};

SizeDeviation deviationFrom(const Measurement& measurement, const NominalSize& nominal);

// Whether every deviation lies within its tolerance (its bound included).
bool withinTolerance(const Measurement& measurement, const SizeDeviation& deviation);

// The order of nominal sizes for one measurement, nearest first:
// 1. the largest deviation relative to its tolerance, smaller first (exact fractions, so
//    that sizes whose largest deviations are equal tie);
// 2. more rows of the catalogue first: of two sizes as near, the common one is the likelier
//    (a worn 6205 read as 24.98 × 52.02 × 15 is a 6205, not the one inch series beside it);
// 3. the sum of the deviations relative to their tolerances, smaller first;
// 4. d, then D, then B, smaller first.
// True when `a` comes before `b`; `rowsA` and `rowsB` are their numbers of rows.
bool nearerThan(const Measurement& measurement, const NominalSize& a, const SizeDeviation& aDev,
                std::size_t rowsA, const NominalSize& b, const SizeDeviation& bDev,
                std::size_t rowsB);

// An inch nominal: each of d, D and B lies within 0.01 mm of a whole number of 1/64 in,
// and not all three are whole millimetres (25 × 52 × 25 is metric, though each of its
// sizes happens to lie that close to a 64th).
bool isInchNominal(const NominalSize& nominal);

}  // namespace lz::sizes
