#include "catalogue/query_deadline.h"

namespace lz::catalogue {

namespace {

// Instructions of the SQLite machine between two looks at the clock: a few microseconds.
constexpr int kInstructionsPerCheck = 1000;

}  // namespace

void QueryDeadline::watch(sqlite3* db) {
    sqlite3_progress_handler(db, kInstructionsPerCheck, &QueryDeadline::onProgress, this);
}

int QueryDeadline::onProgress(void* self) {
    auto& deadline = *static_cast<QueryDeadline*>(self);
    const auto now = std::chrono::steady_clock::now();
    if (!deadline.running_) {
        deadline.running_ = true;
        deadline.expiry_ = now + deadline.limit_;
        return 0;
    }
    return now >= deadline.expiry_ ? 1 : 0;
}

}  // namespace lz::catalogue
