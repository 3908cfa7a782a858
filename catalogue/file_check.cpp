#include "catalogue/file_check.h"

#include <sqlite3.h>

#include <cstring>

#include "catalogue/fixed_file.h"
#include "catalogue/query_deadline.h"

namespace lz::catalogue {

bool databaseFileIsWhole(const std::string& path, std::chrono::milliseconds limit) {
    if (path.empty() || path.find('\0') != std::string::npos) {
        return false;
    }
    sqlite3* db = nullptr;
    // The bytes of the file alone, as the catalogue connection reads them: a journal
    // beside it is neither applied nor a reason to fail.
    if (openFixedDatabaseFile(path, &db, SQLITE_OPEN_NOMUTEX | SQLITE_OPEN_PRIVATECACHE) !=
        SQLITE_OK) {
        sqlite3_close(db);
        return false;
    }
    QueryDeadline deadline(limit);
    deadline.watch(db);
    deadline.enforce(deadline.fromNow());

    // A whole file answers with the single row "ok"; a damaged one with one row per fault,
    // or with an error when even its first pages cannot be read.
    bool whole = false;
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(db, "PRAGMA quick_check", -1, &statement, nullptr) == SQLITE_OK &&
        sqlite3_step(statement) == SQLITE_ROW) {
        const auto* answer = reinterpret_cast<const char*>(sqlite3_column_text(statement, 0));
        whole = answer != nullptr && std::strcmp(answer, "ok") == 0 &&
                sqlite3_step(statement) == SQLITE_DONE;
    }
    sqlite3_finalize(statement);
    sqlite3_close(db);
    return whole;
}

}  // namespace lz::catalogue
