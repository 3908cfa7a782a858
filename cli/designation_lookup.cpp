// The command line looks up once per run, so the index is built for this one lookup; the
// window keeps its index for the whole run instead. Both list the same rows.
#include "cli/designation_lookup.h"

#include "designation/canonical_index.h"
#include "query/sql/interchange_sql.h"

namespace lz::query_cli {

LookupStatement designationLookupStatement(catalogue::CatalogueDatabase& database,
                                           std::string_view typed) {
    const std::optional<designation::CanonicalIndex> index =
        designation::CanonicalIndex::build(database);
    if (!index) {
        return {std::nullopt, /*readFailed=*/true, {}};
    }
    const designation::GroupedLookup found = index->lookup(typed);
    LookupStatement lookup;
    std::vector<std::int32_t> rows;
    for (const designation::LookupEntry& entry : found.entries) {
        rows.push_back(entry.bh);
        lookup.differenceById.emplace(std::to_string(entry.bh),
                                      designation::differenceColumnText(found, entry));
    }
    lookup.statement = query::sql::composeBearingRowsInOrder(rows);
    return lookup;
}

Decoding decodeDesignation(catalogue::CatalogueDatabase& database, std::string_view typed) {
    const std::optional<designation::CanonicalIndex> index =
        designation::CanonicalIndex::build(database);
    if (!index) {
        return {{}, /*readFailed=*/true};
    }
    Decoding decoding;
    for (const designation::Reading& reading : index->read(typed).readings) {
        decoding.readings.push_back(designation::explainReading(reading, &index->knowledge()));
    }
    return decoding;
}

}  // namespace lz::query_cli
