#include "catalogue/data_directory.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <vector>

namespace lz::catalogue {
namespace {

bool isAbsolute(const char* path) {
    return path != nullptr && path[0] == '/';
}

// The effective user's home directory as the password database records it; empty when the
// user has no entry there.
std::string accountHome() {
    long size = ::sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(size > 0 ? static_cast<std::size_t>(size) : 16384);
    struct passwd entry {};
    struct passwd* found = nullptr;
    while (::getpwuid_r(::geteuid(), &entry, buffer.data(), buffer.size(), &found) == ERANGE &&
           buffer.size() < (1u << 20)) {
        buffer.resize(buffer.size() * 2);
    }
    return found != nullptr && found->pw_dir != nullptr ? found->pw_dir : "";
}

}  // namespace

std::string dataDirectory() {
    const char* xdg = std::getenv("XDG_DATA_HOME");
    std::string base;
    if (isAbsolute(xdg)) {
        base = xdg;
    } else {
        const char* home = std::getenv("HOME");
        std::string absoluteHome = isAbsolute(home) ? home : accountHome();
        if (!isAbsolute(absoluteHome.c_str())) {
            return {};
        }
        while (absoluteHome.size() > 1 && absoluteHome.back() == '/') {
            absoluteHome.pop_back();
        }
        base = (absoluteHome == "/" ? "" : absoluteHome) + "/.local/share";
    }
    while (base.size() > 1 && base.back() == '/') {
        base.pop_back();
    }
    return base + "/lingzhou";
}

bool isUsableDataDirectory(const std::string& directory) {
    return isAbsolute(directory.c_str());
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

}  // namespace lz::catalogue
