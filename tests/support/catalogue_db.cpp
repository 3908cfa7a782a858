#include "tests/support/catalogue_db.h"

#include <sqlite3.h>

#include <fstream>
#include <memory>
#include <sstream>
#include <stdexcept>
#include <string>

namespace lz::test {

namespace {

// The schema is read from the source tree, found relative to this file, so the tests
// always run against the schema the build embeds.
std::filesystem::path schemaPath() {
    return std::filesystem::path(__FILE__).parent_path().parent_path().parent_path() /
           "assets" / "catalogue.sql";
}

std::string schemaSql() {
    std::ifstream in(schemaPath(), std::ios::binary);
    if (!in) {
        throw std::runtime_error("cannot read " + schemaPath().string());
    }
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace

void runSql(const std::filesystem::path& path, std::string_view sql) {
    sqlite3* raw = nullptr;
    const int opened = sqlite3_open_v2(path.c_str(), &raw,
                                       SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    std::unique_ptr<sqlite3, decltype(&sqlite3_close)> db(raw, &sqlite3_close);
    if (opened != SQLITE_OK) {
        throw std::runtime_error("cannot create " + path.string());
    }
    char* error = nullptr;
    if (sqlite3_exec(db.get(), std::string(sql).c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
        const std::string message = error ? error : "unknown error";
        sqlite3_free(error);
        throw std::runtime_error("SQL failed on " + path.string() + ": " + message);
    }
}

void createCatalogueDatabase(const std::filesystem::path& path, std::string_view sql) {
    runSql(path, schemaSql() + "\nDELETE FROM bearing; DELETE FROM prgc; DELETE FROM prjk;\n" +
                     std::string(sql));
}

}  // namespace lz::test
