#pragma once

#include <string>
#include <string_view>

namespace lz::test {

// The catalogue's schema, as the committed catalogue source declares it.
std::string catalogueSchemaSql();

// Creates a database at `path` with the catalogue's schema, then runs `rowsSql` (INSERTs)
// on it. Returns false and leaves no file when anything fails.
bool writeSmallCatalogue(const std::string& path, std::string_view rowsSql);

}  // namespace lz::test
