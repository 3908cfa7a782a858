#pragma once

#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "designation/reading.h"
#include "designation/text_ids.h"

namespace lz::designation {

// What the catalogue knows that helps reading a designation: which bearings it holds
// (to choose among the ways of splitting "6052Z") and its own pairs of old Chinese codes
// and common designations (the first authority on old codes).
class CatalogueKnowledge {
public:
    // How much of a reading the catalogue holds.
    enum class Held : std::uint8_t { Nothing, Basic, BasicAndSealing, Designation };

    // Records the reading of a common designation, whose canonical designation is
    // `canonical`; returns the number it holds it by, for countRow.
    std::uint32_t hold(const Reading& reading, std::string_view canonical);
    // Counts one more row of a designation held.
    void countRow(std::uint32_t designation) { ++rowsOfDesignation_[designation]; }
    // Records a row's old code beside its common designation (canonical `canonical`).
    // Only codes of digits count, and only where they differ from the common designation.
    void pairOldCode(std::string_view oldCode, std::string_view newDesignation,
                     std::string_view canonical);

    struct HeldBy {
        Held level = Held::Nothing;
        std::uint32_t rows = 0;  // rows of that canonical designation
    };
    HeldBy held(const Reading& reading) const;
    // The common designations the catalogue pairs with an old code, most rows first.
    std::span<const std::string> newDesignationsOf(std::string_view oldCode) const;
    // The old code the catalogue gives a canonical designation most often; "" for none.
    std::string_view oldCodeOf(std::string_view canonical) const;

    // Puts the pairs in order; call once after the last pairOldCode.
    void finish();

private:
    TextIds basics_;
    TextIds basicSealings_;
    TextIds designations_;
    std::vector<std::uint32_t> rowsOfDesignation_;
    struct Paired {
        std::vector<std::string> designations;
        std::vector<int> rows;
    };
    std::unordered_map<std::string, Paired> newByOld_;
    struct OldCount {
        std::string code;
        int rows = 0;
    };
    std::unordered_map<std::string, std::vector<OldCount>> oldByNew_;
    std::unordered_map<std::string, std::string> bestOldByNew_;
};

}  // namespace lz::designation
