#pragma once

#include <sqlite3.h>

#include <chrono>

namespace lz::catalogue {

// Ends a statement that runs past its record set's deadline: SQLite calls back every few
// thousand instructions while a statement runs, and the step then fails with
// SQLITE_INTERRUPT. A record set has one deadline for its whole life, counted from its
// opening, so a query cannot escape the limit by delivering its rows one quick step at a
// time.
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

    // The deadline of a record set opened now.
    Clock::time_point fromNow() const { return Clock::now() + limit_; }
    // The deadline every statement of the connection runs under until the next call; set
    // before each prepare and step.
    void enforce(Clock::time_point expiry) { expiry_ = expiry; }

private:
    static int onProgress(void* self);

    std::chrono::milliseconds limit_;
    Clock::time_point expiry_ = Clock::time_point::max();
};

}  // namespace lz::catalogue
