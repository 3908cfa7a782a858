// The window's lookup "按任意型号查找" as one statement: the shared designation keys and
// their index over the bearing table (lz_designation), so that the command line and the
// window answer alike.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace lz::catalogue {
class CatalogueDatabase;
}

namespace lz::query_cli {

struct LookupStatement {
    // "select * from bearing where bh in (...)" naming, in ascending order, every bearing one
    // of whose designations (`newno`, `oldno`, `ckxh`) has the key of the typed text, and
    // every bearing that shares its `newno` with one of them. None when no bearing matches,
    // when the typed text has an empty key (it held nothing but separators), or when the
    // bearing table could not be read.
    std::optional<std::string> statement;
    // The bearing table could not be read whole (a damaged catalogue, a query over its
    // limits): whether anything matches is unknown.
    bool readFailed = false;
};

// The statement that lists what the window's lookup lists for `typed`.
LookupStatement designationLookupStatement(catalogue::CatalogueDatabase& database,
                                           std::string_view typed);

}  // namespace lz::query_cli
