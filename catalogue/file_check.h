#pragma once

#include <chrono>
#include <string>

namespace lz::catalogue {

// Whether the database file at `path` reads whole: SQLite's quick check of every page and
// record, run on a private read-only connection to the file's own bytes (see
// openFixedDatabaseFile; the catalogue connection allows no PRAGMA) and abandoned after
// `limit`. False for a missing file, for anything that is no
// database and for a check that did not finish.
bool databaseFileIsWhole(const std::string& path,
                         std::chrono::milliseconds limit = std::chrono::seconds(15));

}  // namespace lz::catalogue
