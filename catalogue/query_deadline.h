#pragma once

#include <sqlite3.h>

#include <chrono>

namespace lz::catalogue {

// Abandons a statement step that runs longer than the limit: SQLite calls back every few
// thousand instructions, and the step then fails with SQLITE_INTERRUPT. The clock starts
// with the first call-back of a step, so short steps never read the clock at all.
class QueryDeadline {
public:
    explicit QueryDeadline(std::chrono::milliseconds limit) : limit_(limit) {}
    QueryDeadline(const QueryDeadline&) = delete;
    QueryDeadline& operator=(const QueryDeadline&) = delete;

    // The object must stay in place as long as `db` is open.
    void watch(sqlite3* db);
    void setLimit(std::chrono::milliseconds limit) { limit_ = limit; }
    std::chrono::milliseconds limit() const { return limit_; }
    // Call before every prepare and step.
    void restart() { running_ = false; }

private:
    static int onProgress(void* self);

    std::chrono::milliseconds limit_;
    std::chrono::steady_clock::time_point expiry_;
    bool running_ = false;
};

}  // namespace lz::catalogue
