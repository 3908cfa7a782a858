#include "shop/store/sqlite_handles.h"

#include <string>

namespace lz::shop {

Statement::Statement(sqlite3* db, std::string_view sql) {
    if (sqlite3_prepare_v2(db, sql.data(), static_cast<int>(sql.size()), &statement_, nullptr) !=
        SQLITE_OK) {
        sqlite3_finalize(statement_);
        statement_ = nullptr;
    }
}

Statement::~Statement() {
    sqlite3_finalize(statement_);
}

void Statement::bind(int index, std::string_view text) {
    sqlite3_bind_text(statement_, index, text.data(), static_cast<int>(text.size()),
                      SQLITE_TRANSIENT);
}

void Statement::bind(int index, std::optional<std::int64_t> value) {
    if (value) {
        sqlite3_bind_int64(statement_, index, *value);
    } else {
        sqlite3_bind_null(statement_, index);
    }
}

int Statement::step() {
    return statement_ ? sqlite3_step(statement_) : SQLITE_MISUSE;
}

void Statement::reset() {
    sqlite3_reset(statement_);
    sqlite3_clear_bindings(statement_);
}

std::string Statement::text(int column) const {
    const auto* bytes = sqlite3_column_text(statement_, column);
    if (bytes == nullptr) {
        return {};
    }
    return std::string(reinterpret_cast<const char*>(bytes),
                       static_cast<std::size_t>(sqlite3_column_bytes(statement_, column)));
}

std::optional<std::int64_t> Statement::integer(int column) const {
    if (sqlite3_column_type(statement_, column) == SQLITE_NULL) {
        return std::nullopt;
    }
    return sqlite3_column_int64(statement_, column);
}

bool execute(sqlite3* db, const char* sql) {
    return sqlite3_exec(db, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
}

std::optional<std::int64_t> pragmaInteger(sqlite3* db, const char* name) {
    Statement statement(db, std::string("PRAGMA ") + name);
    if (!statement.ok() || statement.step() != SQLITE_ROW) {
        return std::nullopt;
    }
    return statement.integer(0);
}

}  // namespace lz::shop
