#pragma once

#include <sqlite3.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace lz::shop {

// A prepared statement that finalizes itself. Binding and reading take UTF-8 texts and
// 64-bit integers, with an empty optional for NULL.
class Statement {
public:
    Statement(sqlite3* db, std::string_view sql);
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    bool ok() const { return statement_ != nullptr; }

    void bind(int index, std::string_view text);
    void bind(int index, std::optional<std::int64_t> value);

    // SQLITE_ROW, SQLITE_DONE or an error code.
    int step();
    void reset();

    std::string text(int column) const;
    std::optional<std::int64_t> integer(int column) const;

private:
    sqlite3_stmt* statement_ = nullptr;
};

// Runs statements without results; false (and the database's message left for
// sqlite3_errmsg) when one fails.
bool execute(sqlite3* db, const char* sql);

// An integer PRAGMA's value, or nothing when it cannot be read.
std::optional<std::int64_t> pragmaInteger(sqlite3* db, const char* name);

}  // namespace lz::shop
