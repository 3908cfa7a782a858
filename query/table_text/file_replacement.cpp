#include "query/table_text/file_replacement.h"

#include <cerrno>
#include <fstream>
#include <random>
#include <string>

namespace lz::query::text {
namespace {

std::error_code lastError() {
    const int number = errno;
    return number != 0 ? std::error_code(number, std::generic_category())
                       : std::make_error_code(std::errc::io_error);
}

// A name beside `target` that no file has yet: hidden, and telling what it is for.
std::filesystem::path temporaryBeside(const std::filesystem::path& target) {
    static std::mt19937_64 random{std::random_device{}()};
    std::error_code ignored;
    for (;;) {
        std::filesystem::path name = ".";
        name += target.filename();
        name += "." + std::to_string(random() % 1000000000) + ".part";
        std::filesystem::path candidate = target;
        candidate.replace_filename(name);
        if (!std::filesystem::exists(candidate, ignored)) {
            return candidate;
        }
    }
}

std::error_code writeWhole(const std::filesystem::path& path, std::string_view bytes) {
    errno = 0;
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (!file) {
        return lastError();
    }
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    file.flush();
    if (!file) {
        return lastError();
    }
    file.close();
    if (!file) {
        return lastError();
    }
    return {};
}

}  // namespace

std::error_code writeFileReplacing(const std::filesystem::path& target, std::string_view bytes) {
    if (target.filename().empty()) {
        return std::make_error_code(std::errc::is_a_directory);
    }
    std::error_code error;
    const std::filesystem::file_status existing = std::filesystem::status(target, error);
    if (std::filesystem::is_directory(existing)) {
        return std::make_error_code(std::errc::is_a_directory);
    }
    // Renaming would replace a read-only file as well; its owner made it so on purpose.
    if (std::filesystem::exists(existing) &&
        (existing.permissions() & std::filesystem::perms::owner_write) ==
            std::filesystem::perms::none) {
        return std::make_error_code(std::errc::permission_denied);
    }

    const std::filesystem::path temporary = temporaryBeside(target);
    error = writeWhole(temporary, bytes);
    if (!error) {
        std::filesystem::rename(temporary, target, error);
    }
    if (error) {
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
    }
    return error;
}

std::filesystem::path pathFromUtf8(std::string_view utf8) {
    return std::filesystem::path(
        std::u8string(reinterpret_cast<const char8_t*>(utf8.data()), utf8.size()));
}

}  // namespace lz::query::text
