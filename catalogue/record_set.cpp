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
                                               QueryDeadline& deadline) {
    // A copy ending in NUL, so that the tail SQLite reports can be scanned safely and a
    // NUL inside the text cannot hide a second statement.
    const std::string text(sql);
    if (text.find('\0') != std::string::npos ||
        text.size() >= static_cast<std::size_t>(std::numeric_limits<int>::max())) {
        return nullptr;
    }
    sqlite3_stmt* statement = nullptr;
    const char* tail = nullptr;
    deadline.restart();
    if (sqlite3_prepare_v2(db, text.c_str(), static_cast<int>(text.size() + 1), &statement,
                           &tail) != SQLITE_OK ||
        statement == nullptr) {
        sqlite3_finalize(statement);
        return nullptr;
    }
    std::unique_ptr<CMRecordSet> recordSet(new CMRecordSet(statement, deadline));
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

    deadline.restart();
    const int first = sqlite3_step(statement);
    if (first != SQLITE_ROW && first != SQLITE_DONE) {
        return nullptr;
    }
    recordSet->empty_ = recordSet->eof_ = first == SQLITE_DONE;
    recordSet->onFirstRow_ = !recordSet->empty_;
    return recordSet;
}

CMRecordSet::CMRecordSet(sqlite3_stmt* statement, QueryDeadline& deadline)
    : statement_(statement), deadline_(deadline) {}

CMRecordSet::~CMRecordSet() {
    sqlite3_finalize(statement_);
}

bool CMRecordSet::step() {
    deadline_.restart();
    return sqlite3_step(statement_) == SQLITE_ROW;
}

void CMRecordSet::moveFirst() {
    if (empty_ || onFirstRow_) {
        return;
    }
    sqlite3_reset(statement_);
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
