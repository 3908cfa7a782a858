#include "tests/support/damaged_catalogue.h"

#include <sqlite3.h>

#include <fstream>
#include <random>
#include <vector>

#include "tests/support/small_catalogue.h"

namespace lz::test {
namespace {

constexpr int kPageSize = 4096;

std::string bearingRows(int rows) {
    std::string sql = "BEGIN;";
    for (int bh = 1; bh <= rows; ++bh) {
        sql += "INSERT INTO bearing (bh, zhch, newno, tt) VALUES (" + std::to_string(bh) + ", 'B" +
               std::to_string(bh) + "', '62" + std::to_string(bh) + "', '" + std::string(200, 'x') +
               "');";
    }
    return sql + "COMMIT;";
}

// The leaf pages of the bearing table in row order, with the highest bh each holds, as
// the file's own statistics table tells them.
std::vector<std::pair<int, int>> bearingLeaves(const std::string& path) {
    std::vector<std::pair<int, int>> leaves;
    sqlite3* db = nullptr;
    sqlite3_stmt* pages = nullptr;
    if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK &&
        sqlite3_prepare_v2(db,
                           "SELECT pageno, ncell FROM dbstat WHERE name = 'bearing' AND "
                           "pagetype = 'leaf' ORDER BY path",
                           -1, &pages, nullptr) == SQLITE_OK) {
        int rowsSoFar = 0;
        while (sqlite3_step(pages) == SQLITE_ROW) {
            rowsSoFar += sqlite3_column_int(pages, 1);
            leaves.emplace_back(sqlite3_column_int(pages, 0), rowsSoFar);
        }
    }
    sqlite3_finalize(pages);
    sqlite3_close(db);
    return leaves;
}

}  // namespace

int writeCatalogueWithADamagedPage(const std::string& path, int rows) {
    if (!writeSmallCatalogue(path, bearingRows(rows))) {
        return -1;
    }
    const auto leaves = bearingLeaves(path);
    if (leaves.size() < 3) {
        return -1;
    }
    const std::size_t middle = leaves.size() / 2;
    const int damagedPage = leaves[middle].first;
    const int rowsBefore = leaves[middle - 1].second;

    std::mt19937 random(20240611);
    std::vector<char> noise(kPageSize);
    for (char& byte : noise) {
        byte = static_cast<char>(random());
    }
    std::fstream file(path, std::ios::in | std::ios::out | std::ios::binary);
    file.seekp(static_cast<std::streamoff>(damagedPage - 1) * kPageSize);
    file.write(noise.data(), kPageSize);
    return file ? rowsBefore : -1;
}

}  // namespace lz::test
