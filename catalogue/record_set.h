#pragma once

#include <sqlite3.h>

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/column_kind.h"
#include "catalogue/field_value.h"
#include "catalogue/query_deadline.h"

namespace lz::catalogue {

// One open query: a forward cursor over the rows of one SELECT that can go back to its
// first row. SQLite steps through the result as the caller moves, which is safe because
// nothing ever writes to the catalogue while record sets are open.
//
// A step that fails (a damaged page, the deadline, a cell over the length limit, more rows
// than `maxRows`, a LIKE pattern too complex to match) ends the record set as failed: it
// stands at its end like one that ran out of rows, and says so through failed(), so that a
// caller never takes half a result for the whole, nor a failed first row for no rows.
class CMRecordSet {
public:
    // Prepares `sql` and steps to its first row. Nothing when the text is not exactly one
    // read-only statement with result columns, or when SQLite will not prepare it. A first
    // step that fails gives a record set failed at once. The time spent preparing counts
    // against the record set's allowance of `deadline`'s limit. `deadline` must outlive it.
    static std::unique_ptr<CMRecordSet> open(sqlite3* db, std::string_view sql,
                                             QueryDeadline& deadline, std::int64_t maxRows);
    ~CMRecordSet();
    CMRecordSet(const CMRecordSet&) = delete;
    CMRecordSet& operator=(const CMRecordSet&) = delete;

    bool isEOF() const { return eof_; }
    bool failed() const { return failed_; }
    void moveFirst();
    void moveNext();
    // None when the name is unknown or the record set stands after its last row.
    FieldValue read(std::string_view column) const;

private:
    struct Column {
        std::string name;
        int index;  // in the result
        ColumnKind kind;
    };

    CMRecordSet(sqlite3_stmt* statement, QueryDeadline& deadline,
                QueryDeadline::Clock::duration allowance, QueryDeadline::Clock::duration spent,
                std::int64_t maxRows);
    // Moves to the next row; false at the end and on any failure, which also marks the
    // record set failed.
    bool step();
    void fail();

    sqlite3_stmt* statement_;
    QueryDeadline& deadline_;
    // How long the store may work on the statement, and how long it has worked so far:
    // only the time inside preparing and stepping counts.
    QueryDeadline::Clock::duration allowance_;
    QueryDeadline::Clock::duration spent_;
    std::int64_t maxRows_;
    std::int64_t row_ = 0;  // 1 on the first row
    // Only the first of several result columns of one name, so the lookup may start
    // anywhere and still find the first match.
    std::vector<Column> columns_;
    // Callers read the same columns in the same order on every row: the lookup starts
    // after the column read last.
    mutable std::size_t nextLookup_ = 0;
    bool empty_ = true;
    bool eof_ = true;
    bool onFirstRow_ = false;
    bool failed_ = false;
};

}  // namespace lz::catalogue
