#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/result_list_headings.h"

namespace lz::catalogue {
class CatalogueDatabase;
}

namespace lz::sizes {

class SizeIndex;
struct Measurement;

inline constexpr std::string_view kDeviationHeading = "偏差";
// Stands above the rows when none lies within tolerance and the nearest are shown instead.
inline constexpr std::string_view kNoneWithinTolerance = "容差内无匹配，以下为最接近的型号";

// The columns of a list of bearings found by measured size: those of the bearing list,
// then the deviation.
inline constexpr std::array<std::string_view, catalogue::kBearingListHeadings.size() + 1>
    kMeasuredListHeadings = [] {
        std::array<std::string_view, catalogue::kBearingListHeadings.size() + 1> headings{};
        for (std::size_t i = 0; i < catalogue::kBearingListHeadings.size(); ++i) {
            headings[i] = catalogue::kBearingListHeadings[i];
        }
        headings.back() = kDeviationHeading;
        return headings;
    }();

// The rows of one nominal size in a listing.
struct ListedGroup {
    std::string heading;  // nominalHeading
    bool inch = false;
    std::size_t firstRow = 0;
    std::size_t rowCount = 0;
};

// What a search by measured size shows, whoever shows it: the window's list and the
// command line list the same rows in the same order.
struct MeasuredListing {
    bool withinTolerance = false;  // false: the rows are the nearest, under kNoneWithinTolerance
    std::vector<ListedGroup> groups;
    // Per row, one text per column of kMeasuredListHeadings: the bearing list's cells as
    // the window's fill shows them, then the group's deviationText.
    std::vector<std::vector<std::string>> rows;
    // The rows stopped coming part way (a damaged catalogue, a query over its limits): the
    // rows read before are listed, in their places.
    bool readFailed = false;
};

// Searches `index` for `measurement` and reads the rows found from the catalogue through
// the access layer (one statement naming them by bh).
MeasuredListing listMeasuredSizes(catalogue::CatalogueDatabase& database, const SizeIndex& index,
                                  const Measurement& measurement);

}  // namespace lz::sizes
