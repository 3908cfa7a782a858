#include "app/startup/data_directory.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdlib>

namespace lz::startup {

std::string dataDirectory() {
    const char* xdg = std::getenv("XDG_DATA_HOME");
    std::string base;
    if (xdg != nullptr && xdg[0] == '/') {
        base = xdg;
    } else {
        const char* home = std::getenv("HOME");
        base = std::string(home != nullptr ? home : "") + "/.local/share";
    }
    while (base.size() > 1 && base.back() == '/') {
        base.pop_back();
    }
    return base + "/lingzhou";
}

bool ensureDirectory(const std::string& directory) {
    if (directory.empty()) {
        return false;
    }
    for (std::size_t next = directory.find('/', 1);; next = directory.find('/', next + 1)) {
        const std::string prefix = directory.substr(0, next);
        if (::mkdir(prefix.c_str(), 0700) != 0 && errno != EEXIST) {
            return false;
        }
        if (next == std::string::npos) {
            break;
        }
    }
    struct stat st {};
    return ::stat(directory.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::string deployedCataloguePath(const std::string& directory) {
    std::string path = directory;
    if (path.empty() || path.back() != '/') {
        path += '/';
    }
    return path + "/bearing.mdb";
}

}  // namespace lz::startup
