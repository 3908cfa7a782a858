#include "catalogue/fixed_file.h"

#include <cstdio>

namespace lz::catalogue {

std::string fixedFileUri(const std::string& path) {
    std::string uri = !path.empty() && path.front() == '/' ? "file://" : "file:";
    for (const char c : path) {
        if (c == '%' || c == '?' || c == '#') {
            char escaped[4];
            std::snprintf(escaped, sizeof escaped, "%%%02X", static_cast<unsigned char>(c));
            uri += escaped;
        } else {
            uri += c;
        }
    }
    return uri + "?immutable=1";
}

int openFixedDatabaseFile(const std::string& path, sqlite3** db, int extraFlags) {
    return sqlite3_open_v2(fixedFileUri(path).c_str(), db,
                           SQLITE_OPEN_READONLY | SQLITE_OPEN_URI | extraFlags, nullptr);
}

}  // namespace lz::catalogue
