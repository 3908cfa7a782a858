#include "bench/support/synthetic_catalogue.h"

#include <sqlite3.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

namespace lz::bench {

std::string writeSyntheticCatalogue(int rows) {
    std::string path = "/tmp/lz-bench-XXXXXX";
    const int fd = mkstemp(path.data());
    close(fd);
    std::remove(path.c_str());
    sqlite3* db = nullptr;
    sqlite3_open(path.c_str(), &db);
    sqlite3_exec(db,
                 "CREATE TABLE bearing (bh INTEGER PRIMARY KEY NOT NULL, zhch VARCHAR(255) COLLATE "
                 "NOCASE, newno VARCHAR(255) COLLATE NOCASE, oldno VARCHAR(255) COLLATE NOCASE, "
                 "njin VARCHAR(255) COLLATE NOCASE, wjin VARCHAR(255) COLLATE NOCASE, gdu "
                 "VARCHAR(255) COLLATE NOCASE, ckxh VARCHAR(255) COLLATE NOCASE, ppai VARCHAR(255) "
                 "COLLATE NOCASE, btype VARCHAR(255) COLLATE NOCASE, tt VARCHAR(255) COLLATE "
                 "NOCASE, zhch1 VARCHAR(255) COLLATE NOCASE);"
                 "CREATE TABLE prgc (id SMALLINT, oldno VARCHAR(255), newno VARCHAR(255), "
                 "nonprice VARCHAR(50), price VARCHAR(50), ppai VARCHAR(255));"
                 "CREATE TABLE prjk (ID DOUBLE, ppai VARCHAR(255), newno VARCHAR(255), nonprice "
                 "VARCHAR(255), price VARCHAR(255));"
                 "BEGIN;",
                 nullptr, nullptr, nullptr);
    sqlite3_stmt* insert = nullptr;
    sqlite3_prepare_v2(
        db,
        "INSERT INTO bearing VALUES (?1, 'SKF  ' || ?2 || ' 轴承', ?2, '8' || ?2, "
        "'25', '52', '15', ?2, 'SKF', '深沟球轴承', '深沟球轴承 （60000 型）', NULL)",
        -1, &insert, nullptr);
    for (int bh = 1; bh <= rows; ++bh) {
        const std::string model = "62" + std::to_string(bh % 100) + "-2RS";
        sqlite3_bind_int(insert, 1, bh);
        sqlite3_bind_text(insert, 2, model.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_step(insert);
        sqlite3_reset(insert);
    }
    sqlite3_finalize(insert);
    sqlite3_exec(db, "COMMIT;", nullptr, nullptr, nullptr);
    sqlite3_close(db);
    return path;
}

}  // namespace lz::bench
