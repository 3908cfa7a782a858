#pragma once

#include <cstdint>
#include <filesystem>

namespace lz::shop {

// What the first bytes of a file say, read with plain file reads: a file that is not ours
// is judged without SQLite ever opening it (opening can write, e.g. to roll back a hot
// journal).
struct FileHeader {
    enum class Kind {
        Missing,     // no file at the path
        Empty,       // a regular file of zero bytes
        SQLite,      // a SQLite database; applicationId and userVersion are read
        Other,       // anything else: not a regular file, or not SQLite
        Unreadable,  // a regular file that cannot be read (permissions)
    };
    Kind kind = Kind::Missing;
    std::int32_t applicationId = 0;
    std::int32_t userVersion = 0;
};

FileHeader readFileHeader(const std::filesystem::path& path);

}  // namespace lz::shop
