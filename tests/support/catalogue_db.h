#pragma once

#include <filesystem>
#include <string_view>

namespace lz::test {

// Creates a database file at `path` with the tables and indexes of assets/catalogue.sql but
// none of its rows, then runs `sql` on it (typically a few INSERTs). Throws on failure.
void createCatalogueDatabase(const std::filesystem::path& path, std::string_view sql = {});

// Runs `sql` on the database at `path`, creating the file when it is missing. Throws on
// failure.
void runSql(const std::filesystem::path& path, std::string_view sql);

}  // namespace lz::test
