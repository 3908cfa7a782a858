#include "query/table_text/file_replacement.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <optional>
#include <random>
#include <string>

namespace lz::query::text {
namespace {

constexpr mode_t kPermissionBits = 0777;

std::error_code lastError() {
    const int number = errno;
    return number != 0 ? std::error_code(number, std::generic_category())
                       : std::make_error_code(std::errc::io_error);
}

// A name beside `target` for a new file: hidden, and telling what it is for.
std::filesystem::path temporaryBeside(const std::filesystem::path& target) {
    static std::mt19937_64 random{std::random_device{}()};
    std::filesystem::path name = ".";
    name += target.filename();
    name += "." + std::to_string(random() % 1000000000) + ".part";
    std::filesystem::path candidate = target;
    candidate.replace_filename(name);
    return candidate;
}

// Creates a file that did not exist (never opening one that does, nor following a link),
// trying other names while the chosen one is taken. A file that is to replace another is
// private while it is written (0600), and gets the other's permission bits once complete;
// a new one is created with 0666 less the umask, as any new file.
int createTemporary(const std::filesystem::path& target, bool replacing,
                    std::filesystem::path& temporary) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = temporaryBeside(target);
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC,
                              replacing ? 0600 : 0666);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    errno = EEXIST;
    return -1;
}

std::error_code writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return lastError();
        }
        if (written == 0) {
            return std::make_error_code(std::errc::no_space_on_device);
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return {};
}

// Gives the new file the replaced file's owner, group and permission bits. The owner and
// group are kept where the program may (root, or a group of the user's); a group that
// cannot be kept gets none of the group's rights, which were meant for another group.
std::error_code takeOver(int fd, const struct stat& replaced) {
    mode_t mode = replaced.st_mode & kPermissionBits;
    if (::fchown(fd, replaced.st_uid, replaced.st_gid) != 0 &&
        ::fchown(fd, static_cast<uid_t>(-1), replaced.st_gid) != 0) {
        struct stat mine {};
        if (::fstat(fd, &mine) != 0) {
            return lastError();
        }
        if (mine.st_gid != replaced.st_gid) {
            mode &= ~static_cast<mode_t>(S_IRWXG);
        }
    }
    return ::fchmod(fd, mode) == 0 ? std::error_code() : lastError();
}

std::error_code writeWhole(int fd, std::string_view bytes,
                           const std::optional<struct stat>& replaced) {
    if (std::error_code error = writeAll(fd, bytes)) {
        return error;
    }
    if (replaced) {
        if (std::error_code error = takeOver(fd, *replaced)) {
            return error;
        }
    }
    return ::fsync(fd) == 0 ? std::error_code() : lastError();
}

}  // namespace

std::error_code writeFileReplacing(const std::filesystem::path& target, std::string_view bytes) {
    if (target.filename().empty()) {
        return std::make_error_code(std::errc::is_a_directory);
    }
    std::optional<struct stat> replaced;
    struct stat existing {};
    if (::stat(target.c_str(), &existing) == 0) {
        if (S_ISDIR(existing.st_mode)) {
            return std::make_error_code(std::errc::is_a_directory);
        }
        // Renaming would replace a read-only file as well; its owner made it so on purpose.
        if ((existing.st_mode & S_IWUSR) == 0) {
            return std::make_error_code(std::errc::permission_denied);
        }
        if (S_ISREG(existing.st_mode)) {
            replaced = existing;
        }
    }

    std::filesystem::path temporary;
    const int fd = createTemporary(target, replaced.has_value(), temporary);
    if (fd < 0) {
        return lastError();
    }
    std::error_code error = writeWhole(fd, bytes, replaced);
    if (::close(fd) != 0 && !error) {
        error = lastError();
    }
    if (!error && ::rename(temporary.c_str(), target.c_str()) != 0) {
        error = lastError();
    }
    if (error) {
        ::unlink(temporary.c_str());
    }
    return error;
}

std::filesystem::path pathFromUtf8(std::string_view utf8) {
    return std::filesystem::path(
        std::u8string(reinterpret_cast<const char8_t*>(utf8.data()), utf8.size()));
}

std::string writeFailureReason(const std::error_code& error) {
    using std::errc;
    const std::error_condition cause = error.default_error_condition();
    if (cause == errc::no_such_file_or_directory) {
        return "文件夹不存在";
    }
    if (cause == errc::not_a_directory) {
        return "路径中有不是文件夹的部分";
    }
    if (cause == errc::permission_denied || cause == errc::operation_not_permitted) {
        return "没有写入权限";
    }
    if (cause == errc::read_only_file_system) {
        return "该位置只读";
    }
    if (cause == errc::no_space_on_device) {
        return "磁盘空间不足";
    }
    if (cause == errc::file_too_large) {
        return "文件超出允许的大小";
    }
    if (cause == errc::is_a_directory) {
        return "这是一个文件夹";
    }
    if (cause == errc::filename_too_long) {
        return "文件名太长";
    }
    return error.message();
}

}  // namespace lz::query::text
