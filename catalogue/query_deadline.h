#pragma once

#include <sqlite3.h>

#include <algorithm>
#include <chrono>

namespace lz::catalogue {

// Ends a statement that runs past its deadline: SQLite calls back every few thousand
// instructions while a statement runs, and the step then fails with SQLITE_INTERRUPT.
//
// A record set draws on one allowance of the limit for its whole life: the time the store
// spends preparing its statement and stepping through its rows, added up. A query cannot
// escape the limit by delivering its rows one quick step at a time, and the time the
// program spends between steps (a fill waiting while the user reads a message) uses none
// of it.
class QueryDeadline {
public:
    using Clock = std::chrono::steady_clock;

    explicit QueryDeadline(std::chrono::milliseconds limit) : limit_(limit) {}
    QueryDeadline(const QueryDeadline&) = delete;
    QueryDeadline& operator=(const QueryDeadline&) = delete;

    // The object must stay in place as long as `db` is open.
    void watch(sqlite3* db);
    void setLimit(std::chrono::milliseconds limit) { limit_ = limit; }
    std::chrono::milliseconds limit() const { return limit_; }
    // The limit as the clock counts, kept far from the clock's range (a year at most).
    Clock::duration allowance() const {
        return std::chrono::duration_cast<Clock::duration>(
            std::min<std::chrono::milliseconds>(limit_, std::chrono::hours(24 * 365)));
    }

    // The deadline of a statement started now that may work for the whole limit.
    Clock::time_point fromNow() const { return Clock::now() + allowance(); }
    // The deadline every statement of the connection runs under until the next call; set
    // before each prepare and step.
    void enforce(Clock::time_point expiry) { expiry_ = expiry; }

private:
    static int onProgress(void* self);

    std::chrono::milliseconds limit_;
    Clock::time_point expiry_ = Clock::time_point::max();
};

}  // namespace lz::catalogue
