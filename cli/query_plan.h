#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "cli/invocation.h"

namespace lz::catalogue {
class CatalogueDatabase;
}

namespace lz::query_cli {

// The columns of the window's list a search fills: its headings and, for each, the field it
// shows.
struct ListColumns {
    std::span<const std::string_view> headings;
    std::span<const std::string_view> fields;
};

ListColumns bearingListColumns();
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
    // key index): there is no statement, and no saying whether anything matches.
    bool readFailed = false;
};

// Not for measure, which has no statement of its own (runMeasure).
// `database` is read only by the designation lookup, which needs the catalogue's rows to
// know which designations the typed text stands for.
QueryPlan planQuery(const Invocation& invocation, catalogue::CatalogueDatabase& database);

}  // namespace lz::query_cli
