// The command line looks up once per run, so the index is built for this one lookup; the
// window keeps its index for the whole run instead. Both name the same rows.
#include "cli/designation_lookup.h"

#include "designation/designation_index.h"

namespace lz::query_cli {

LookupStatement designationLookupStatement(catalogue::CatalogueDatabase& database,
                                           std::string_view typed) {
    const std::optional<designation::DesignationIndex> index =
        designation::DesignationIndex::build(database);
    if (!index) {
        return {std::nullopt, /*readFailed=*/true};
    }
    return {designation::composeBearingRowsSearch(index->lookup(typed)), false};
}

}  // namespace lz::query_cli
