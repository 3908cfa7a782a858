#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace lz::fixtures {

// One file of a zip: its name and bytes, and whether it is deflated or stored.
struct ZipEntry {
    std::string name;
    std::string bytes;
    bool deflate = true;
};

// Writes a zip with minizip: entries in the given order, every date 1980-01-01 00:00, no
// extra fields, so the same entries always give the same bytes. False when the file
// cannot be written.
bool writeZip(const std::filesystem::path& path, const std::vector<ZipEntry>& entries);

}  // namespace lz::fixtures
