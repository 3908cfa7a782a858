#include "shop/store/file_header.h"

#include <cstring>
#include <fstream>
#include <system_error>

namespace lz::shop {

namespace {

// The SQLite file format: a 100-byte header opening with this text; user_version is the
// big-endian integer at offset 60, application_id the one at offset 68.
constexpr char kMagic[] = "SQLite format 3";  // with its terminating zero: 16 bytes
constexpr std::size_t kHeaderSize = 100;

std::int32_t bigEndian(const unsigned char* bytes) {
    const std::uint32_t value = (std::uint32_t{bytes[0]} << 24) | (std::uint32_t{bytes[1]} << 16) |
                                (std::uint32_t{bytes[2]} << 8) | std::uint32_t{bytes[3]};
    return static_cast<std::int32_t>(value);
}

}  // namespace

FileHeader readFileHeader(const std::filesystem::path& path) {
    FileHeader header;
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    if (status.type() == std::filesystem::file_type::not_found) {
        return header;
    }
    header.kind = FileHeader::Kind::Other;
    if (error || status.type() != std::filesystem::file_type::regular) {
        return header;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        header.kind = FileHeader::Kind::Unreadable;
        return header;
    }
    unsigned char bytes[kHeaderSize];
    in.read(reinterpret_cast<char*>(bytes), kHeaderSize);
    const auto got = in.gcount();
    if (got == 0 && in.eof()) {
        header.kind = FileHeader::Kind::Empty;
        return header;
    }
    if (got != static_cast<std::streamsize>(kHeaderSize) ||
        std::memcmp(bytes, kMagic, sizeof kMagic) != 0) {
        return header;
    }
    header.kind = FileHeader::Kind::SQLite;
    header.userVersion = bigEndian(bytes + 60);
    header.applicationId = bigEndian(bytes + 68);
    return header;
}

}  // namespace lz::shop
