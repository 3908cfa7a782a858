#include "tests/support/small_catalogue.h"

#include <sqlite3.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace lz::test {

std::string catalogueSchemaSql() {
    std::ifstream in(std::string(LZ_SOURCE_DIR) + "/assets/catalogue.sql", std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    const std::string source = text.str();
    // The schema is everything before the first row.
    const auto firstRow = source.find("INSERT INTO");
    if (source.empty()) {
        throw std::runtime_error("catalogue source not found");
    }
    return source.substr(0, firstRow);
}

bool writeSmallCatalogue(const std::string& path, std::string_view rowsSql) {
    sqlite3* db = nullptr;
    bool ok = sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE,
                              nullptr) == SQLITE_OK;
    const std::string script = catalogueSchemaSql() + std::string(rowsSql);
    ok = ok && sqlite3_exec(db, script.c_str(), nullptr, nullptr, nullptr) == SQLITE_OK;
    sqlite3_close(db);
    if (!ok) {
        std::remove(path.c_str());
    }
    return ok;
}

}  // namespace lz::test
