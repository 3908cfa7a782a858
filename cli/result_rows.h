#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace lz::catalogue {
class CatalogueDatabase;
}

namespace lz::query_cli {

// The cell texts of the rows a search found, one text per column.
using Rows = std::vector<std::vector<std::string>>;

struct ReadResult {
    Rows rows;
    // The rows stopped coming, at the first or part way (a damaged catalogue, a query over
    // its limits): `rows` holds those read before, if any.
    bool failed = false;
};

// Runs `sql` and reads `fields` of every record by name, as the window's fill does, each
// turned into the text its cell shows. A statement the catalogue rejects finds no rows, as
// in the window.
ReadResult readRows(catalogue::CatalogueDatabase& database, std::string_view sql,
                    std::span<const std::string_view> fields);

}  // namespace lz::query_cli
