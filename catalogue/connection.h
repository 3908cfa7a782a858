#pragma once

#include <sqlite3.h>

#include <array>
#include <chrono>
#include <cstddef>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/catalogue_database.h"
#include "catalogue/record_set.h"

namespace lz::catalogue {

// One open catalogue file and the record sets open on it.
class Connection {
public:
    static constexpr char kIdentifierQuote = '"';

    // Opens the existing file at `path`, never creating one; nothing when the file is
    // missing, is no database, or lacks one of the catalogue's tables. `readOnly` opens the
    // file's own bytes alone (openFixedDatabaseFile).
    static std::unique_ptr<Connection> open(const std::string& path, bool readOnly,
                                            std::string connectionString,
                                            std::chrono::milliseconds queryTimeout);
    // Opens the catalogue held by `image`, read-only and in place: its bytes are the
    // database's pages, nothing is copied, and no file is read or written, temporary ones
    // included. Nothing when the bytes are no catalogue. `image` must outlive the connection.
    static std::unique_ptr<Connection> openImage(std::span<const std::byte> image,
                                                 std::chrono::milliseconds queryTimeout);
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    RecordSetHandle openRecordSet(std::string_view sql);
    // Null for 0 and for handles that stand in no slot.
    CMRecordSet* recordSet(RecordSetHandle handle);
    void closeRecordSet(RecordSetHandle handle);
    void closeAllRecordSets();
    int openRecordSetCount() const;

    const std::string& connectionString() const { return connectionString_; }
    // As SQLite holds the database, not merely as asked for.
    bool readOnly() const { return sqlite3_db_readonly(db_, "main") == 1; }
    void setQueryTimeout(std::chrono::milliseconds timeout);

private:
    struct Slot {
        RecordSetHandle handle = 0;
        std::unique_ptr<CMRecordSet> recordSet;
    };

    Connection(sqlite3* db, std::string connectionString, std::chrono::milliseconds queryTimeout,
               std::vector<std::string> tables);
    // Checks that `db` holds the catalogue and puts it under the reading-only rule; closes
    // `db` and gives nothing otherwise.
    static std::unique_ptr<Connection> adopt(sqlite3* db, std::string connectionString,
                                             std::chrono::milliseconds queryTimeout);
    Slot* slotOf(RecordSetHandle handle);

    sqlite3* db_;
    std::string connectionString_;
    QueryDeadline deadline_;
    std::vector<std::string> readableTables_;  // the file's own tables, read at the open
    std::array<Slot, CatalogueDatabase::kRecordSetSlots> slots_;
    std::size_t lastSlot_ = 0;  // callers read one record set many times in a row
};

}  // namespace lz::catalogue
