#include "catalogue/record_set.h"

#include <algorithm>
#include <limits>

namespace lz::catalogue {

namespace {

bool onlySeparatorsFollow(const char* tail) {
    for (; *tail != '\0'; ++tail) {
        const char c = *tail;
        if (c != ';' && c != ' ' && c != '\t' && c != '\n' && c != '\r' && c != '\f' && c != '\v') {
            return false;
        }
    }
    return true;
}

// Column names are short: comparing them in place beats a call to memcmp.
bool sameName(const std::string& name, std::string_view column) {
    if (name.size() != column.size()) {
        return false;
    }
    for (std::size_t i = 0; i < column.size(); ++i) {
        if (name[i] != column[i]) {
            return false;
        }
    }
    return true;
}

}  // namespace

std::unique_ptr<CMRecordSet> CMRecordSet::open(sqlite3* db, std::string_view sql,
                                               QueryDeadline& deadline, std::int64_t maxRows) {
    // A copy ending in NUL, so that the tail SQLite reports can be scanned safely and a
    // NUL inside the text cannot hide a second statement.
    const std::string text(sql);
    if (text.find('\0') != std::string::npos ||
        text.size() >= static_cast<std::size_t>(std::numeric_limits<int>::max())) {
        return nullptr;
    }
    sqlite3_stmt* statement = nullptr;
    const char* tail = nullptr;
    const auto allowance = deadline.allowance();
    const auto started = QueryDeadline::Clock::now();
    deadline.enforce(started + allowance);
    const int prepared =
        sqlite3_prepare_v2(db, text.c_str(), static_cast<int>(text.size() + 1), &statement, &tail);
    const auto spent = QueryDeadline::Clock::now() - started;
    if (prepared != SQLITE_OK || statement == nullptr) {
        sqlite3_finalize(statement);
        return nullptr;
    }
    std::unique_ptr<CMRecordSet> recordSet(
        new CMRecordSet(statement, deadline, allowance, spent, maxRows));
    if (tail == nullptr || !onlySeparatorsFollow(tail) || !sqlite3_stmt_readonly(statement) ||
        sqlite3_column_count(statement) == 0) {
        return nullptr;
    }
    const int count = sqlite3_column_count(statement);
    recordSet->columns_.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        const char* name = sqlite3_column_name(statement, i);
        const std::string_view nameView = name ? name : "";
        if (std::none_of(recordSet->columns_.begin(), recordSet->columns_.end(),
                         [&](const Column& column) { return column.name == nameView; })) {
            recordSet->columns_.push_back(
                {std::string(nameView), i,
                 kindOfDeclaredType(sqlite3_column_decltype(statement, i))});
        }
    }

    // A first row that fails leaves the record set failed, not empty: the caller must not
    // take a read error for "no match".
    const bool hasRow = recordSet->step();
    recordSet->empty_ = recordSet->eof_ = !hasRow;
    recordSet->onFirstRow_ = hasRow;
    return recordSet;
}

CMRecordSet::CMRecordSet(sqlite3_stmt* statement, QueryDeadline& deadline,
                         QueryDeadline::Clock::duration allowance,
                         QueryDeadline::Clock::duration spent, std::int64_t maxRows)
    : statement_(statement),
      deadline_(deadline),
      allowance_(allowance),
      spent_(spent),
      maxRows_(maxRows) {}

CMRecordSet::~CMRecordSet() {
    sqlite3_finalize(statement_);
}

bool CMRecordSet::step() {
    // The progress handler only looks at the clock within a long step; many quick steps
    // add up here.
    if (spent_ >= allowance_) {
        fail();
        return false;
    }
    const auto started = QueryDeadline::Clock::now();
    deadline_.enforce(started + (allowance_ - spent_));
    const int result = sqlite3_step(statement_);
    spent_ += QueryDeadline::Clock::now() - started;
    if (result == SQLITE_ROW) {
        if (++row_ > maxRows_) {
            fail();
            return false;
        }
        return true;
    }
    if (result != SQLITE_DONE) {
        fail();
    }
    return false;
}

void CMRecordSet::fail() {
    failed_ = true;
    eof_ = true;
    onFirstRow_ = false;
    // Ends the statement's read of the file now rather than when the caller closes it.
    sqlite3_reset(statement_);
}

void CMRecordSet::moveFirst() {
    // A failed record set stays failed: going round again would only show the same half.
    if (empty_ || onFirstRow_ || failed_) {
        return;
    }
    sqlite3_reset(statement_);
    row_ = 0;
    eof_ = !step();
    onFirstRow_ = !eof_;
}

void CMRecordSet::moveNext() {
    if (eof_) {
        return;
    }
    eof_ = !step();
    onFirstRow_ = false;
}

FieldValue CMRecordSet::read(std::string_view column) const {
    if (eof_) {
        return {};
    }
    std::size_t found = nextLookup_;
    if (found >= columns_.size() || !sameName(columns_[found].name, column)) {
        found = 0;
        while (found < columns_.size() && !sameName(columns_[found].name, column)) {
            ++found;
        }
        if (found == columns_.size()) {
            return {};
        }
    }
    nextLookup_ = found + 1;
    return readColumn(statement_, columns_[found].index, columns_[found].kind);
}

}  // namespace lz::catalogue
