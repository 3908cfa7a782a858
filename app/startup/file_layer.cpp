#include "app/startup/file_layer.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <charconv>
#include <string_view>
#include <utility>

namespace lz::startup {
namespace {

constexpr const char* kAttributesXattr = "user.lingzhou.attributes";
constexpr mode_t kAnyWriteBit = S_IWUSR | S_IWGRP | S_IWOTH;
// mkstemp replaces these six characters with letters and digits.
constexpr std::string_view kTemporarySuffix = "XXXXXX";

WriteCall& writeCall() {
    static WriteCall call;
    return call;
}

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

// ".bearing.mdb." for ".../bearing.mdb": what every temporary file of a replacement of
// that path is named, before its random part.
std::string temporaryPrefixOf(const std::string& path) {
    return "." + fileNameOf(path) + ".";
}

bool isTemporaryName(std::string_view name, std::string_view prefix) {
    if (name.size() != prefix.size() + kTemporarySuffix.size() || !name.starts_with(prefix)) {
        return false;
    }
    return std::all_of(name.begin() + static_cast<std::ptrdiff_t>(prefix.size()), name.end(),
                       [](char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; });
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

ssize_t writeSome(int fd, const void* bytes, std::size_t count) {
    const WriteCall& call = writeCall();
    return call ? call(fd, bytes, count) : ::write(fd, bytes, count);
}

bool writeAll(int fd, std::span<const std::byte> bytes) {
    const std::byte* next = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        const ssize_t written = writeSome(fd, next, left);
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        if (written == 0) {
            return false;  // no progress: a full device that does not say so
        }
        next += written;
        left -= static_cast<std::size_t>(written);
    }
    return true;
}

}  // namespace

bool isRegularFile(const std::string& path) {
    struct stat st {};
    return !path.empty() && lstat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool deleteFile(const std::string& path) {
    struct stat st {};
    if (path.empty() || lstat(path.c_str(), &st) != 0 || S_ISDIR(st.st_mode) ||
        (S_ISREG(st.st_mode) && isReadOnly(st)) || !directoryTakesChanges(directoryOf(path))) {
        return false;
    }
    return ::unlink(path.c_str()) == 0;
}

FileReplacement::FileReplacement(std::string path, std::span<const std::byte> bytes,
                                 std::optional<unsigned> attributes)
    : path_(std::move(path)), bytes_(bytes), attributes_(attributes) {}

FileReplacement::~FileReplacement() {
    if (!finished()) {
        abandon();
    }
}

void FileReplacement::abandon() {
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
    if (!temporary_.empty()) {
        ::unlink(temporary_.c_str());
        temporary_.clear();
    }
    next_ = Step::Finished;
}

void FileReplacement::runStep() {
    switch (next_) {
        case Step::CreateTemporary: {
            struct stat st {};
            const bool blocked = lstat(path_.c_str(), &st) == 0 &&
                                 (S_ISDIR(st.st_mode) || (S_ISREG(st.st_mode) && isReadOnly(st)));
            const std::string directory = directoryOf(path_);
            if (path_.empty() || blocked || !directoryTakesChanges(directory)) {
                abandon();
                return;
            }
            // mkstemp opens with O_EXCL and mode 0600: nobody else can have the file open
            // while it is being written.
            std::string name =
                directory + "/" + temporaryPrefixOf(path_) + std::string(kTemporarySuffix);
            fd_ = mkstemp(name.data());
            if (fd_ < 0) {
                abandon();
                return;
            }
            temporary_ = std::move(name);
            next_ = Step::Write;
            return;
        }
        case Step::Write:
            if (!writeAll(fd_, bytes_)) {
                abandon();
                return;
            }
            next_ = attributes_ ? Step::SetAttributes : Step::Flush;
            return;
        case Step::SetAttributes:
            // On the new file only, by its descriptor: the replacement may yet be refused,
            // and whatever stands at the path meanwhile is not ours to change. An attribute
            // the file system does not keep is no reason to give the copy up.
            setFileAttributes(fd_, *attributes_);
            next_ = Step::Flush;
            return;
        case Step::Flush: {
            const bool synced = ::fdatasync(fd_) == 0;
            const bool closed = ::close(fd_) == 0;
            fd_ = -1;
            if (!synced || !closed) {
                abandon();
                return;
            }
            next_ = Step::Rename;
            return;
        }
        case Step::Rename:
            // rename replaces the entry at the path itself, a link included, never what a
            // link points to.
            if (::rename(temporary_.c_str(), path_.c_str()) != 0) {
                abandon();
                return;
            }
            temporary_.clear();
            succeeded_ = true;
            next_ = Step::Finished;
            return;
        case Step::Finished:
            return;
    }
}

void FileReplacement::runAll() {
    while (!finished()) {
        runStep();
    }
}

bool writeFileExclusive(const std::string& path, std::span<const std::byte> bytes,
                        std::optional<unsigned> attributes) {
    FileReplacement replacement(path, bytes, attributes);
    replacement.runAll();
    return replacement.succeeded();
}

int removeStaleTemporaryFiles(const std::string& path, std::chrono::seconds minimumAge) {
    if (path.empty()) {
        return 0;
    }
    const std::string prefix = temporaryPrefixOf(path);
    DIR* directory = ::opendir(directoryOf(path).c_str());
    if (directory == nullptr) {
        return 0;
    }
    struct timespec now {};
    ::clock_gettime(CLOCK_REALTIME, &now);
    const int fd = ::dirfd(directory);
    int removed = 0;
    while (const struct dirent* entry = ::readdir(directory)) {
        if (!isTemporaryName(entry->d_name, prefix)) {
            continue;
        }
        struct stat st {};
        if (::fstatat(fd, entry->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(st.st_mode) ||
            st.st_uid != ::geteuid() || now.tv_sec - st.st_mtim.tv_sec < minimumAge.count()) {
            continue;
        }
        // Should the entry have turned into a link meanwhile, unlinkat removes the link
        // itself and nothing it points to.
        if (::unlinkat(fd, entry->d_name, 0) == 0) {
            ++removed;
        }
    }
    ::closedir(directory);
    return removed;
}

int removeJournalFiles(const std::string& path) {
    if (path.empty()) {
        return 0;
    }
    int removed = 0;
    for (const char* suffix : {"-journal", "-wal", "-shm"}) {
        // unlink removes a link itself and refuses a directory; the file's own mode does
        // not matter, only the directory's.
        if (::unlink((path + suffix).c_str()) == 0) {
            ++removed;
        }
    }
    return removed;
}

bool setFileAttributes(int fd, unsigned attributes) {
    const unsigned masked = attributes & kAttributeMask;
    struct stat st {};
    if (fd < 0 || ::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        return false;
    }
    const mode_t mode =
        (masked & kAttributeReadOnly) ? (st.st_mode & ~kAnyWriteBit) : (st.st_mode | S_IWUSR);
    if (::fchmod(fd, mode & 07777) != 0) {
        return false;
    }
    // Hidden, system and archive have no POSIX meaning; keeping them beside the file is a
    // courtesy that some file systems refuse, which changes nothing for the caller.
    const std::string value = std::to_string(masked);
    ::fsetxattr(fd, kAttributesXattr, value.data(), value.size(), 0);
    return true;
}

std::optional<unsigned> fileAttributes(const std::string& path) {
    struct stat st {};
    if (path.empty() || lstat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) {
        return std::nullopt;
    }
    unsigned attributes = 0;
    char buffer[16] = {};
    const ssize_t size = ::lgetxattr(path.c_str(), kAttributesXattr, buffer, sizeof buffer - 1);
    unsigned stored = 0;
    if (size > 0 && std::from_chars(buffer, buffer + size, stored).ec == std::errc()) {
        attributes = stored & kAttributeMask & ~kAttributeReadOnly;
    }
    if (isReadOnly(st)) {
        attributes |= kAttributeReadOnly;
    }
    return attributes;
}

void setWriteCallForTesting(WriteCall call) {
    writeCall() = std::move(call);
}

}  // namespace lz::startup
