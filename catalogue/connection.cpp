#include "catalogue/connection.h"

#include <algorithm>
#include <atomic>
#include <climits>
#include <utility>

#include "catalogue/sql_brackets.h"

namespace lz::catalogue {

namespace {

// Handles come from one counter for the whole process, so that a closed handle, or one of
// a replaced connection, can never name a later record set.
RecordSetHandle nextHandle() {
    static std::atomic<RecordSetHandle> last{0};
    return ++last;
}

bool hasCatalogueTables(sqlite3* db) {
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(db,
                           "SELECT count(*) FROM sqlite_master WHERE type = 'table' AND "
                           "name COLLATE NOCASE IN ('bearing', 'prgc', 'prjk')",
                           -1, &statement, nullptr) != SQLITE_OK) {
        sqlite3_finalize(statement);
        return false;
    }
    const bool found =
        sqlite3_step(statement) == SQLITE_ROW && sqlite3_column_int(statement, 0) == 3;
    sqlite3_finalize(statement);
    return found;
}

// Whatever reaches the store is compiled under this check, so that nothing but reading
// tables and calling functions can be prepared: no PRAGMA, ATTACH (which could create a
// file), or changes of any kind.
int allowOnlyReading(void*, int action, const char*, const char*, const char*, const char*) {
    switch (action) {
        case SQLITE_SELECT:
        case SQLITE_READ:
        case SQLITE_FUNCTION:
        case SQLITE_RECURSIVE:
            return SQLITE_OK;
        default:
            return SQLITE_DENY;
    }
}

// A file locked by another process is waited for as long as a query may run.
int busyMilliseconds(std::chrono::milliseconds timeout) {
    return static_cast<int>(
        std::clamp<std::chrono::milliseconds::rep>(timeout.count(), 0, INT_MAX));
}

void configure(sqlite3* db, std::chrono::milliseconds queryTimeout) {
    // A misspelt identifier in double quotes must fail, as with any other store, instead of
    // silently becoming a string literal.
    sqlite3_db_config(db, SQLITE_DBCONFIG_DQS_DML, 0, nullptr);
    sqlite3_db_config(db, SQLITE_DBCONFIG_DQS_DDL, 0, nullptr);
    sqlite3_db_config(db, SQLITE_DBCONFIG_DEFENSIVE, 1, nullptr);
    sqlite3_busy_timeout(db, busyMilliseconds(queryTimeout));
}

}  // namespace

std::unique_ptr<Connection> Connection::open(const std::string& path, bool readOnly,
                                             std::string connectionString,
                                             std::chrono::milliseconds queryTimeout) {
    // An empty name would give a private temporary database, and a NUL would cut the path.
    if (path.empty() || path.find('\0') != std::string::npos) {
        return nullptr;
    }
    sqlite3* db = nullptr;
    const int flags = (readOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE) |
                      SQLITE_OPEN_NOMUTEX | SQLITE_OPEN_PRIVATECACHE;
    if (sqlite3_open_v2(path.c_str(), &db, flags, nullptr) != SQLITE_OK) {
        sqlite3_close(db);
        return nullptr;
    }
    return adopt(db, readOnly, std::move(connectionString), queryTimeout);
}

std::unique_ptr<Connection> Connection::openImage(std::span<const std::byte> image,
                                                  std::chrono::milliseconds queryTimeout) {
    if (image.empty()) {
        return nullptr;
    }
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(
            ":memory:", &db,
            SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_MEMORY | SQLITE_OPEN_NOMUTEX,
            nullptr) != SQLITE_OK) {
        sqlite3_close(db);
        return nullptr;
    }
    // Sorting and grouping spill to temporary files once they outgrow the cache; an image
    // opened in place must not write anything, those included.
    if (sqlite3_exec(db, "PRAGMA temp_store = MEMORY", nullptr, nullptr, nullptr) != SQLITE_OK) {
        sqlite3_close(db);
        return nullptr;
    }
    // Read-only and not resizeable: SQLite reads the pages where they lie and never writes
    // to them (the image is constant data of the executable), and it does not free them.
    auto* bytes = reinterpret_cast<unsigned char*>(const_cast<std::byte*>(image.data()));
    const auto size = static_cast<sqlite3_int64>(image.size());
    if (sqlite3_deserialize(db, "main", bytes, size, size, SQLITE_DESERIALIZE_READONLY) !=
        SQLITE_OK) {
        sqlite3_close(db);
        return nullptr;
    }
    return adopt(db, /*readOnly=*/true, std::string(), queryTimeout);
}

std::unique_ptr<Connection> Connection::adopt(sqlite3* db, bool readOnly,
                                              std::string connectionString,
                                              std::chrono::milliseconds queryTimeout) {
    configure(db, queryTimeout);
    if (!hasCatalogueTables(db)) {
        sqlite3_close(db);
        return nullptr;
    }
    sqlite3_set_authorizer(db, &allowOnlyReading, nullptr);
    return std::unique_ptr<Connection>(
        new Connection(db, readOnly, std::move(connectionString), queryTimeout));
}

Connection::Connection(sqlite3* db, bool readOnly, std::string connectionString,
                       std::chrono::milliseconds queryTimeout)
    : db_(db),
      readOnly_(readOnly),
      connectionString_(std::move(connectionString)),
      deadline_(queryTimeout) {
    deadline_.watch(db_);
}

Connection::~Connection() {
    closeAllRecordSets();
    sqlite3_close(db_);
}

void Connection::setQueryTimeout(std::chrono::milliseconds timeout) {
    deadline_.setLimit(timeout);
    sqlite3_busy_timeout(db_, busyMilliseconds(timeout));
}

RecordSetHandle Connection::openRecordSet(std::string_view sql) {
    if (sql.empty()) {
        return 0;
    }
    Slot* free = nullptr;
    for (Slot& slot : slots_) {
        if (slot.handle == 0) {
            free = &slot;
            break;
        }
    }
    if (free == nullptr) {
        return 0;
    }
    auto recordSet =
        CMRecordSet::open(db_, replaceIdentifierBrackets(sql, kIdentifierQuote), deadline_);
    if (!recordSet) {
        return 0;
    }
    free->handle = nextHandle();
    free->recordSet = std::move(recordSet);
    return free->handle;
}

Connection::Slot* Connection::slotOf(RecordSetHandle handle) {
    if (handle <= 0) {
        return nullptr;
    }
    if (slots_[lastSlot_].handle == handle) {
        return &slots_[lastSlot_];
    }
    for (std::size_t i = 0; i < slots_.size(); ++i) {
        if (slots_[i].handle == handle) {
            lastSlot_ = i;
            return &slots_[i];
        }
    }
    return nullptr;
}

CMRecordSet* Connection::recordSet(RecordSetHandle handle) {
    Slot* slot = slotOf(handle);
    return slot ? slot->recordSet.get() : nullptr;
}

void Connection::closeRecordSet(RecordSetHandle handle) {
    if (Slot* slot = slotOf(handle)) {
        slot->recordSet.reset();
        slot->handle = 0;
    }
}

void Connection::closeAllRecordSets() {
    for (Slot& slot : slots_) {
        slot.recordSet.reset();
        slot.handle = 0;
    }
}

int Connection::openRecordSetCount() const {
    int count = 0;
    for (const Slot& slot : slots_) {
        count += slot.handle != 0 ? 1 : 0;
    }
    return count;
}

}  // namespace lz::catalogue
