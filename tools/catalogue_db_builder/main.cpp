// Turns the catalogue's SQL source into the SQLite database file that the program embeds.
// Usage: catalogue_db_builder SOURCE.sql OUTPUT.db
#include <sqlite3.h>

#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

namespace {

bool exec(sqlite3* db, const std::string& sql) {
    char* error = nullptr;
    if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
        std::cerr << "catalogue_db_builder: " << (error ? error : "unknown error") << "\n";
        sqlite3_free(error);
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: catalogue_db_builder SOURCE.sql OUTPUT.db\n";
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
        std::cerr << "catalogue_db_builder: cannot read " << argv[1] << "\n";
        return 1;
    }
    std::ostringstream source;
    source << in.rdbuf();

    // Build beside the output and rename at the end, so a failed build never leaves a
    // half-written image that the next build would take as up to date.
    const std::string output = argv[2];
    const std::string partial = output + ".partial";
    std::remove(partial.c_str());

    sqlite3* db = nullptr;
    if (sqlite3_open_v2(partial.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE,
                        nullptr) != SQLITE_OK) {
        std::cerr << "catalogue_db_builder: cannot create " << partial << "\n";
        sqlite3_close(db);
        return 1;
    }
    const bool ok = exec(db,
                         "PRAGMA page_size=4096; PRAGMA journal_mode=OFF; "
                         "PRAGMA synchronous=OFF; BEGIN;") &&
                    exec(db, source.str()) && exec(db, "COMMIT;") && exec(db, "VACUUM;");
    sqlite3_close(db);
    if (!ok || std::rename(partial.c_str(), output.c_str()) != 0) {
        std::remove(partial.c_str());
        return 1;
    }
    return 0;
}
