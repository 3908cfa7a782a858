#include "query/sizes/size_match.h"

#include <compare>

#include "query/sizes/measurement.h"

namespace lz::sizes {
namespace {

using Wide = __int128;

Length magnitude(Length value) {
    return value < 0 ? -value : value;
}

// a/b against c/d, all positive denominators.
std::strong_ordering compareFractions(Wide a, Wide b, Wide c, Wide d) {
    return a * d <=> c * b;
}

// The largest deviation relative to its tolerance, as a fraction.
struct Fraction {
    Wide numerator;
    Wide denominator;
};

Fraction largestRelative(const Measurement& m, const SizeDeviation& deviation) {
    Fraction largest{magnitude(deviation.inner), m.tolerance};
    const auto consider = [&](Length value, Length tolerance) {
        if (compareFractions(magnitude(value), tolerance, largest.numerator, largest.denominator) >
            0) {
            largest = {magnitude(value), tolerance};
        }
    };
    consider(deviation.outer, m.tolerance);
    if (deviation.width) {
        consider(*deviation.width, m.widthTolerance);
    }
    return largest;
}

// The sum of the relative deviations over the common denominator tolerance × width
// tolerance.
Wide relativeSum(const Measurement& m, const SizeDeviation& deviation) {
    Wide sum = Wide{magnitude(deviation.inner) + magnitude(deviation.outer)} * m.widthTolerance;
    if (deviation.width) {
        sum += Wide{magnitude(*deviation.width)} * m.tolerance;
    }
    return sum;
}

// Whether `value` lies within 0.01 mm of a whole number of 1/64 in. A 64th is
// 3968.75 lengths, so four times the value is compared with whole numbers of 15875.
bool nearSixtyFourth(Length value) {
    constexpr Length kQuarterSixtyFourth = kPerInch * 4 / 64;  // 15875
    constexpr Length kAllowed = kPerMillimetre / 100;          // 0.01 mm
    const Length fourfold = value * 4;
    const Length below = fourfold / kQuarterSixtyFourth * kQuarterSixtyFourth;
    const Length off = std::min(fourfold - below, below + kQuarterSixtyFourth - fourfold);
    return value > 0 && off <= 4 * kAllowed;
}

bool wholeMillimetres(Length value) {
    return value % kPerMillimetre == 0;
}

}  // namespace

std::size_t SizeSearch::rowCount() const {
    std::size_t rows = 0;
    for (const SizeGroup& group : groups) {
        rows += group.bh.size();
    }
    return rows;
}

SizeDeviation deviationFrom(const Measurement& m, const NominalSize& nominal) {
    SizeDeviation deviation{m.inner.length - nominal.inner, m.outer.length - nominal.outer, {}};
    if (m.width) {
        deviation.width = m.width->length - nominal.width;
    }
    return deviation;
}

bool withinTolerance(const Measurement& m, const SizeDeviation& deviation) {
    return magnitude(deviation.inner) <= m.tolerance && magnitude(deviation.outer) <= m.tolerance &&
           (!deviation.width || magnitude(*deviation.width) <= m.widthTolerance);
}

bool nearerThan(const Measurement& m, const NominalSize& a, const SizeDeviation& aDev,
                std::size_t rowsA, const NominalSize& b, const SizeDeviation& bDev,
                std::size_t rowsB) {
    const Fraction largestA = largestRelative(m, aDev);
    const Fraction largestB = largestRelative(m, bDev);
    if (const auto order = compareFractions(largestA.numerator, largestA.denominator,
                                            largestB.numerator, largestB.denominator);
        order != 0) {
        return order < 0;
    }
    if (rowsA != rowsB) {
        return rowsA > rowsB;
    }
    if (const auto order = relativeSum(m, aDev) <=> relativeSum(m, bDev); order != 0) {
        return order < 0;
    }
    return a < b;
}

bool isInchNominal(const NominalSize& nominal) {
    const bool sixtyFourths = nearSixtyFourth(nominal.inner) && nearSixtyFourth(nominal.outer) &&
                              nearSixtyFourth(nominal.width);
    const bool metric = wholeMillimetres(nominal.inner) && wholeMillimetres(nominal.outer) &&
                        wholeMillimetres(nominal.width);
    return sixtyFourths && !metric;
}

}  // namespace lz::sizes
