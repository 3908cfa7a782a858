#include "app/startup/file_layer.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <string_view>

namespace lz::startup {
namespace {

constexpr const char* kAttributesXattr = "user.lingzhou.attributes";
constexpr mode_t kAnyWriteBit = S_IWUSR | S_IWGRP | S_IWOTH;

std::string directoryOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string fileNameOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool isReadOnly(const struct stat& st) {
    return (st.st_mode & kAnyWriteBit) == 0;
}

bool directoryTakesChanges(const std::string& directory) {
    struct stat st {};
    if (stat(directory.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) {
        return false;
    }
    return !isReadOnly(st) && access(directory.c_str(), W_OK | X_OK) == 0;
}

bool writeAll(int fd, std::span<const std::byte> bytes) {
    const std::byte* next = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, next, left);
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        next += written;
        left -= static_cast<std::size_t>(written);
    }
    return true;
}

}  // namespace

bool deleteFile(const std::string& path) {
    struct stat st {};
    if (path.empty() || lstat(path.c_str(), &st) != 0 || S_ISDIR(st.st_mode) || isReadOnly(st) ||
        !directoryTakesChanges(directoryOf(path))) {
        return false;
    }
    return ::unlink(path.c_str()) == 0;
}

bool writeFileExclusive(const std::string& path, std::span<const std::byte> bytes) {
    if (path.empty()) {
        return false;
    }
    struct stat st {};
    if (lstat(path.c_str(), &st) == 0 && (S_ISDIR(st.st_mode) || isReadOnly(st))) {
        return false;
    }
    const std::string directory = directoryOf(path);
    if (!directoryTakesChanges(directory)) {
        return false;
    }

    // mkstemp opens with O_EXCL and mode 0600: nobody else can have the file open while
    // it is being written.
    std::string temporary = directory + "/." + fileNameOf(path) + ".XXXXXX";
    const int fd = mkstemp(temporary.data());
    if (fd < 0) {
        return false;
    }
    const bool complete = writeAll(fd, bytes) && ::fdatasync(fd) == 0;
    const bool closed = ::close(fd) == 0;
    if (!complete || !closed || ::rename(temporary.c_str(), path.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return false;
    }
    return true;
}

bool setFileAttributes(const std::string& path, unsigned attributes) {
    const unsigned masked = attributes & kAttributeMask;
    struct stat st {};
    if (path.empty() || stat(path.c_str(), &st) != 0) {
        return false;
    }
    const mode_t mode =
        (masked & kAttributeReadOnly) ? (st.st_mode & ~kAnyWriteBit) : (st.st_mode | S_IWUSR);
    if (::chmod(path.c_str(), mode & 07777) != 0) {
        return false;
    }
    // Hidden, system and archive have no POSIX meaning; keeping them beside the file is a
    // courtesy that some file systems refuse, which changes nothing for the caller.
    const std::string value = std::to_string(masked);
    ::setxattr(path.c_str(), kAttributesXattr, value.data(), value.size(), 0);
    return true;
}

std::optional<unsigned> fileAttributes(const std::string& path) {
    struct stat st {};
    if (path.empty() || stat(path.c_str(), &st) != 0) {
        return std::nullopt;
    }
    unsigned attributes = 0;
    char buffer[16] = {};
    const ssize_t size = ::getxattr(path.c_str(), kAttributesXattr, buffer, sizeof buffer - 1);
    unsigned stored = 0;
    if (size > 0 && std::from_chars(buffer, buffer + size, stored).ec == std::errc()) {
        attributes = stored & kAttributeMask & ~kAttributeReadOnly;
    }
    if (isReadOnly(st)) {
        attributes |= kAttributeReadOnly;
    }
    return attributes;
}

}  // namespace lz::startup
