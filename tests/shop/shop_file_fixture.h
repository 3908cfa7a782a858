#pragma once

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <filesystem>
#include <memory>
#include <utility>

#include "shop/store/shop_file.h"
#include "tests/support/temp_dir.h"

namespace lz::shop::test {

// A SQLite query's single integer, on a private read-only connection: -1 when it fails.
inline long long queryInteger(const std::filesystem::path& path, const char* sql) {
    sqlite3* db = nullptr;
    sqlite3_stmt* statement = nullptr;
    long long value = -1;
    if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK &&
        sqlite3_prepare_v2(db, sql, -1, &statement, nullptr) == SQLITE_OK &&
        sqlite3_step(statement) == SQLITE_ROW) {
        value = sqlite3_column_int64(statement, 0);
    }
    sqlite3_finalize(statement);
    sqlite3_close(db);
    return value;
}

// A shop file of its own in a fresh temporary directory, for every test.
class ShopFileFixture : public ::testing::Test {
protected:
    std::filesystem::path path() const { return dir_.path() / "shop.sqlite"; }

    std::unique_ptr<ShopFile> openReady() {
        auto opening = ShopFile::open(path());
        EXPECT_EQ(opening.status, ShopFileStatus::Ready) << opening.message;
        return std::move(opening.file);
    }

    lz::test::TempDir dir_;
};

}  // namespace lz::shop::test
