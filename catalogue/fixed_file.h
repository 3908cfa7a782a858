#pragma once

#include <sqlite3.h>

#include <string>

namespace lz::catalogue {

// Opens the database file at `path` for reading, as the fixed bytes it holds: SQLite's
// "immutable" open, which takes no locks and neither looks for nor applies a rollback
// journal or WAL file beside the file. Such a file next to the catalogue can only have been
// put there by someone else, since the program never writes to a catalogue. A connection
// that may write rolls a journal back into the file; a plain read-only one refuses to open
// beside it, which would leave a start with a journal it cannot remove (a directory that
// takes no changes) without its catalogue; and a WAL file is read in place of the file's
// own pages. The locks would guard against writers changing the file in place, which the
// program never does: a newer copy replaces the catalogue by rename, so an open connection
// keeps reading the old file whole. `extraFlags` are added to SQLITE_OPEN_READONLY. The
// result of sqlite3_open_v2; `*db` is to be closed whatever it is.
int openFixedDatabaseFile(const std::string& path, sqlite3** db, int extraFlags);

// `path` as a SQLite file URI with "immutable=1": "%", "?" and "#" escaped, an absolute path
// behind an empty authority ("file:///..."), so that a path beginning "//" is no host name.
std::string fixedFileUri(const std::string& path);

}  // namespace lz::catalogue
