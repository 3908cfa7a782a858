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
    const auto& deadline = *static_cast<const QueryDeadline*>(self);
    return Clock::now() >= deadline.expiry_ ? 1 : 0;
}

}  // namespace lz::catalogue
