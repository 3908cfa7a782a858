// The window's lookups by designation for the command line: the 型号助手's grouped lookup as
// one statement with the "差异" of every row, and its 型号解读 (decode). Both build the
// canonical index over the bearing table (lz_designation), so that the command line and the
// window answer alike.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "designation/reading_explanation.h"

namespace lz::catalogue {
class CatalogueDatabase;
}

namespace lz::query_cli {

struct LookupStatement {
    // The rows the 型号助手 lists for the typed text, in its order (the same bearing, the same
    // basic designation and sealing, the same size): "select * from bearing where bh in (...)
    // order by case bh ... end". None when nothing matches, or when the bearing table could
    // not be read.
    std::optional<std::string> statement;
    // The bearing table could not be read whole (a damaged catalogue, a query over its
    // limits): whether anything matches is unknown.
    bool readFailed = false;
    // The "差异" of every row listed, by the text of its ID (bh) column.
    std::unordered_map<std::string, std::string> differenceById;
};

// The statement that lists what the 型号助手 lists for `typed`.
LookupStatement designationLookupStatement(catalogue::CatalogueDatabase& database,
                                           std::string_view typed);

struct Decoding {
    // Every reading of the text, the most likely first, told in Chinese; none when the text
    // reads as no designation.
    std::vector<designation::ReadingExplanation> readings;
    bool readFailed = false;  // as for the lookup: nothing can be said
};

// The readings of `typed` with what the catalogue knows (its old codes, the designations it
// holds), as the 型号助手's decoding panel has them.
Decoding decodeDesignation(catalogue::CatalogueDatabase& database, std::string_view typed);

}  // namespace lz::query_cli
