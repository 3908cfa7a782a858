#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>

#include "cli/invocation.h"

namespace lz::catalogue {
class CatalogueDatabase;
}

namespace lz::query_cli {

// The columns of the window's list a search fills: its headings and, for each, the field it
// shows. Headings beyond the fields are the lookup's "差异" and, with --stock, the shop's
// two columns, added to each row after it is read.
struct ListColumns {
    std::span<const std::string_view> headings;
    std::span<const std::string_view> fields;
};

ListColumns bearingListColumns();
// The bearing list's columns and "差异"; with the shop's stock, "本店库存" and "本店价" last.
ListColumns lookupListColumns(bool withStock = false);
ListColumns importedPriceListColumns();
ListColumns domesticPriceListColumns();

// What a search comes to before anything runs: the statement the window would run for the
// same inputs (full-width characters folded to half-width, as the window folds them), or the
// window's refusal of empty input, or neither when the inputs can be seen to match nothing.
struct QueryPlan {
    ListColumns columns;
    std::optional<std::string> statement;
    std::string_view refusal;  // the window's empty-input message, when it refuses
    // The catalogue rows needed to compose the statement could not be read (the lookup's
    // index): there is no statement, and no saying whether anything matches.
    bool readFailed = false;
    // The lookup's "差异" of each row, by the text of its first column (the ID).
    std::unordered_map<std::string, std::string> differenceById{};
};

// Not for measure, which has no statement of its own (runMeasure).
// `database` is read only by the designation lookup, which needs the catalogue's rows to
// know which designations the typed text stands for. Not for decode, which runs no
// statement.
QueryPlan planQuery(const Invocation& invocation, catalogue::CatalogueDatabase& database);

}  // namespace lz::query_cli
