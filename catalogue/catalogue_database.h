#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "catalogue/field_value.h"

namespace lz::catalogue {

class Connection;

// Names one open record set of a connection; 0 means none. Handles are never reused
// within a process, so a closed handle stays unknown for good.
using RecordSetHandle = std::int32_t;

// The catalogue database object: at most one connection, up to 30 open record sets on
// it, each a static read-only cursor read column by column by name. No operation throws:
// failures turn into false, 0, end of records or the empty value, and a record set that
// ends in a failure says so through HasFailed, from its first row on.
class CatalogueDatabase {
public:
    static constexpr int kRecordSetSlots = 30;
    // How long the store may work on one record set's statement before it is failed:
    // preparing it and every step through its rows, added up over the record set's life.
    // Time between steps (a caller waiting for the user) does not count.
    static constexpr int kQueryTimeoutSeconds = 15;
    // Far above the 100,677 rows of all three tables together.
    static constexpr std::int64_t kMaxRows = 1'000'000;
    // The longest text or byte value a statement may read or produce.
    static constexpr int kMaxCellBytes = 64 * 1024;

    CatalogueDatabase();
    ~CatalogueDatabase();
    CatalogueDatabase(const CatalogueDatabase&) = delete;
    CatalogueDatabase& operator=(const CatalogueDatabase&) = delete;

    // Connects to the database file at `path`. A failed open keeps the earlier
    // connection; a successful one replaces it and closes its record sets. Never creates
    // a file: a missing file, a file that is no database or lacks the catalogue's three
    // tables fails the open. `readOnly` reads the file's own bytes and nothing beside it:
    // no locks, no rollback journal or WAL file applied or created (see
    // openFixedDatabaseFile); for a file that nobody changes in place while it is open.
    bool OpenMdbDatabase(std::string_view path, std::string_view user = {},
                         std::string_view password = {}, bool readOnly = false,
                         bool suppressDriverPrompt = false);

    // Connects to the catalogue held in memory by `image` (a database file's bytes),
    // read-only and without deploying it: nothing is written anywhere. Replaces or keeps
    // the earlier connection as OpenMdbDatabase does; its connection string is empty.
    // `image` must stay valid and unchanged while the connection lives.
    bool openImage(std::span<const std::byte> image);

    // Runs one SELECT and gives its record set, which stands
    // - on its first row;
    // - at its end, HasFailed false: the result is empty (no match);
    // - at its end, HasFailed true: reading the first row failed (a damaged page, the
    //   query timeout, a value over kMaxCellBytes, a LIKE pattern too complex), as a
    //   record set failing part way does, only with no row before.
    // 0, and no record set, when not connected, `sql` is empty, all slots are taken, or
    // the statement is rejected before it runs: not exactly one read-only SELECT, a
    // syntax error, an unknown table or column, or over the limits on statement text. The
    // caller closes every record set it was given, failed ones too.
    RecordSetHandle OpenTable(std::string_view sql);

    bool IsEOF(RecordSetHandle handle) const;  // true for 0 and unknown handles as well
    // True when the record set's end came from a failure rather than its last row: a read
    // error, the query timeout, more than kMaxRows rows, a value over kMaxCellBytes, or
    // any other error of a step, on the first row or a later one. IsEOF is then true as
    // well. False for 0 and unknown handles.
    bool HasFailed(RecordSetHandle handle) const;
    void MoveFirst(RecordSetHandle handle);
    void MoveNext(RecordSetHandle handle);
    // Case-sensitive, byte-for-byte column lookup; first match wins; none when unknown.
    FieldValue ReadColByName(RecordSetHandle handle, std::string_view column);
    // 0 closes every record set of the connection.
    void CloseTable(RecordSetHandle handle = 0);
    void CloseDatabase();

    bool isConnected() const;
    // Whether SQLite holds the current connection's database read-only (false while not
    // connected).
    bool isReadOnly() const;
    // The string the last successful open composed (empty while not connected).
    std::string connectionString() const;
    int openRecordSetCount() const;
    // Names the current connection: a number that no other connection of the process had,
    // 0 while not connected. What was read on one connection may be stale on the next.
    std::uint64_t connectionSerial() const { return connectionSerial_; }

    // How long the store may work on one record set's statement (see kQueryTimeoutSeconds)
    // before it is abandoned and the record set fails; applies to record sets opened later
    // on the current connection and on later ones.
    void setQueryTimeout(std::chrono::milliseconds timeout);

private:
    // Makes `opened` the connection, when there is one; false otherwise.
    bool adopt(std::unique_ptr<Connection> opened);

    std::unique_ptr<Connection> connection_;
    std::uint64_t connectionSerial_ = 0;
    std::chrono::milliseconds queryTimeout_{std::chrono::seconds(kQueryTimeoutSeconds)};
};

}  // namespace lz::catalogue
