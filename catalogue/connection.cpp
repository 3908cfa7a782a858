#include "catalogue/connection.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <cctype>
#include <climits>
#include <optional>
#include <utility>
#include <vector>

#include "catalogue/fixed_file.h"
#include "catalogue/sql_brackets.h"

namespace lz::catalogue {

namespace {

constexpr std::array<std::string_view, 3> kCatalogueTables = {"bearing", "prgc", "prjk"};

// The longest statement text: the searches are a few hundred bytes with the user's words.
constexpr int kMaxSqlBytes = 1'000'000;
// Deep enough for every search condition the program composes, many times over.
constexpr int kMaxExpressionDepth = 100;
// The program's statements have no compound SELECT at all.
constexpr int kMaxCompoundSelectTerms = 8;
// All SQLite allocations of the process together, however many record sets are open.
constexpr sqlite3_int64 kHeapLimitBytes = 256LL * 1024 * 1024;

// Handles come from one counter for the whole process, so that a closed handle, or one of
// a replaced connection, can never name a later record set.
RecordSetHandle nextHandle() {
    static std::atomic<RecordSetHandle> last{0};
    return ++last;
}

bool equalsIgnoringCase(std::string_view text, std::string_view expected) {
    return std::equal(text.begin(), text.end(), expected.begin(), expected.end(),
                      [](char a, char b) {
                          return std::tolower(static_cast<unsigned char>(a)) ==
                                 std::tolower(static_cast<unsigned char>(b));
                      });
}

bool contains(const std::vector<std::string>& names, std::string_view name) {
    return std::any_of(names.begin(), names.end(),
                       [name](const std::string& each) { return equalsIgnoringCase(each, name); });
}

// The file's own tables: ordinary tables of its schema, neither SQLite's internal ones nor
// virtual ones. Nothing when the schema cannot be read (no database, a damaged one).
std::optional<std::vector<std::string>> storedTables(sqlite3* db) {
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(db,
                           "SELECT name FROM sqlite_master WHERE type = 'table' AND "
                           "name NOT LIKE 'sqlite\\_%' ESCAPE '\\' AND "
                           "sql NOT LIKE 'CREATE VIRTUAL%'",
                           -1, &statement, nullptr) != SQLITE_OK) {
        sqlite3_finalize(statement);
        return std::nullopt;
    }
    std::vector<std::string> names;
    int result = SQLITE_ROW;
    while ((result = sqlite3_step(statement)) == SQLITE_ROW) {
        const auto* name = reinterpret_cast<const char*>(sqlite3_column_text(statement, 0));
        names.emplace_back(name != nullptr ? name : "");
    }
    sqlite3_finalize(statement);
    if (result != SQLITE_DONE) {
        return std::nullopt;
    }
    return names;
}

bool hasCatalogueTables(const std::vector<std::string>& tables) {
    return std::all_of(kCatalogueTables.begin(), kCatalogueTables.end(),
                       [&tables](std::string_view name) { return contains(tables, name); });
}

// Functions that reach beyond the catalogue or reveal the program's memory: the tokenizer
// function hands out (and, with two arguments, takes) a raw pointer; the others load code
// or touch files where they exist at all.
constexpr std::array<std::string_view, 5> kUnavailableFunctions = {
    "fts3_tokenizer", "load_extension", "readfile", "writefile", "edit"};

bool isUnavailableFunction(const char* function) {
    return function != nullptr &&
           std::any_of(
               kUnavailableFunctions.begin(), kUnavailableFunctions.end(),
               [function](std::string_view name) { return equalsIgnoringCase(function, name); });
}

// Whatever reaches the store is compiled under this check, so that a statement can read
// the file's own tables and nothing else: no PRAGMA, ATTACH (which could create a file) or
// changes of any kind, neither SQLite's internal tables nor virtual ones (sqlite_dbpage and
// dbstat show raw pages and the file's layout), and none of the functions above.
// `readable` is the list of the file's own tables.
int allowOnlyReadingTheCatalogue(void* readable, int action, const char* first, const char* second,
                                 const char* database, const char*) {
    switch (action) {
        case SQLITE_SELECT:
        case SQLITE_RECURSIVE:
            return SQLITE_OK;
        case SQLITE_READ:
            // A count of rows names no column and, at times, no schema either.
            return (database == nullptr || std::string_view(database) == "main") &&
                           first != nullptr &&
                           contains(*static_cast<const std::vector<std::string>*>(readable), first)
                       ? SQLITE_OK
                       : SQLITE_DENY;
        case SQLITE_FUNCTION:
            return isUnavailableFunction(second) ? SQLITE_DENY : SQLITE_OK;
        default:
            return SQLITE_DENY;
    }
}

// A file locked by another process is waited for as long as a query may run.
int busyMilliseconds(std::chrono::milliseconds timeout) {
    return static_cast<int>(
        std::clamp<std::chrono::milliseconds::rep>(timeout.count(), 0, INT_MAX));
}

// Limits cut to what the catalogue's statements need, far below SQLite's own, so that no
// statement text, value or expression can grow without bound. The LIKE pattern keeps its
// default: search words go into patterns as typed.
void lowerLimits(sqlite3* db) {
    sqlite3_limit(db, SQLITE_LIMIT_LENGTH, CatalogueDatabase::kMaxCellBytes);
    sqlite3_limit(db, SQLITE_LIMIT_SQL_LENGTH, kMaxSqlBytes);
    sqlite3_limit(db, SQLITE_LIMIT_EXPR_DEPTH, kMaxExpressionDepth);
    sqlite3_limit(db, SQLITE_LIMIT_COMPOUND_SELECT, kMaxCompoundSelectTerms);
    sqlite3_limit(db, SQLITE_LIMIT_ATTACHED, 0);
    sqlite3_limit(db, SQLITE_LIMIT_WORKER_THREADS, 0);
}

void configure(sqlite3* db, std::chrono::milliseconds queryTimeout) {
    // A misspelt identifier in double quotes must fail, as with any other store, instead of
    // silently becoming a string literal.
    sqlite3_db_config(db, SQLITE_DBCONFIG_DQS_DML, 0, nullptr);
    sqlite3_db_config(db, SQLITE_DBCONFIG_DQS_DDL, 0, nullptr);
    sqlite3_db_config(db, SQLITE_DBCONFIG_DEFENSIVE, 1, nullptr);
    sqlite3_db_config(db, SQLITE_DBCONFIG_ENABLE_FTS3_TOKENIZER, 0, nullptr);
    sqlite3_db_config(db, SQLITE_DBCONFIG_ENABLE_LOAD_EXTENSION, 0, nullptr);
    // Nothing stored in a file that is not ours (views, say) may call functions with side
    // effects.
    sqlite3_db_config(db, SQLITE_DBCONFIG_TRUSTED_SCHEMA, 0, nullptr);
    lowerLimits(db);
    // Sorting and other temporary work stays in memory, where the heap limit bounds it,
    // instead of growing files on disk.
    sqlite3_exec(db, "PRAGMA temp_store = MEMORY", nullptr, nullptr, nullptr);
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
    constexpr int kFlags = SQLITE_OPEN_NOMUTEX | SQLITE_OPEN_PRIVATECACHE;
    sqlite3_hard_heap_limit64(kHeapLimitBytes);
    const int opened =
        readOnly ? openFixedDatabaseFile(path, &db, kFlags)
                 : sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE | kFlags, nullptr);
    if (opened != SQLITE_OK) {
        sqlite3_close(db);
        return nullptr;
    }
    return adopt(db, std::move(connectionString), queryTimeout);
}

std::unique_ptr<Connection> Connection::openImage(std::span<const std::byte> image,
                                                  std::chrono::milliseconds queryTimeout) {
    if (image.empty()) {
        return nullptr;
    }
    sqlite3* db = nullptr;
    sqlite3_hard_heap_limit64(kHeapLimitBytes);
    // A private database in memory, whose temporary work stays in memory too (configure):
    // an image opened in place writes nothing anywhere.
    if (sqlite3_open_v2(
            ":memory:", &db,
            SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_MEMORY | SQLITE_OPEN_NOMUTEX,
            nullptr) != SQLITE_OK) {
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
    return adopt(db, std::string(), queryTimeout);
}

std::unique_ptr<Connection> Connection::adopt(sqlite3* db, std::string connectionString,
                                              std::chrono::milliseconds queryTimeout) {
    configure(db, queryTimeout);
    std::optional<std::vector<std::string>> tables = storedTables(db);
    if (!tables || !hasCatalogueTables(*tables)) {
        sqlite3_close(db);
        return nullptr;
    }
    return std::unique_ptr<Connection>(
        new Connection(db, std::move(connectionString), queryTimeout, std::move(*tables)));
}

Connection::Connection(sqlite3* db, std::string connectionString,
                       std::chrono::milliseconds queryTimeout, std::vector<std::string> tables)
    : db_(db),
      connectionString_(std::move(connectionString)),
      deadline_(queryTimeout),
      readableTables_(std::move(tables)) {
    deadline_.watch(db_);
    sqlite3_set_authorizer(db_, &allowOnlyReadingTheCatalogue, &readableTables_);
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
    auto recordSet = CMRecordSet::open(db_, replaceIdentifierBrackets(sql, kIdentifierQuote),
                                       deadline_, CatalogueDatabase::kMaxRows);
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
