#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>

namespace lz::startup {

// File operations with the meaning the deployment relies on, kept on POSIX: a read-only
// file (no write bits) can be neither deleted nor overwritten, and a directory without
// write bits takes no new file (also for root, who would otherwise ignore the bits).

constexpr unsigned kAttributeReadOnly = 0x01;
constexpr unsigned kAttributeHidden = 0x02;
constexpr unsigned kAttributeSystem = 0x04;
constexpr unsigned kAttributeArchive = 0x20;
constexpr unsigned kAttributeMask = 0x27;  // the only bits that reach the file

// Removes a file; false when it is missing, read-only, a directory, or its directory
// takes no changes.
bool deleteFile(const std::string& path);

// Creates or replaces the file with `bytes`. The bytes go to a private temporary file in
// the same directory, which is renamed over `path` only once complete and flushed, so an
// interrupted or failed write never leaves a truncated file at `path`. An empty path
// writes nothing. False when anything fails, also when `path` is a read-only file.
bool writeFileExclusive(const std::string& path, std::span<const std::byte> bytes);

// Sets the attributes to `attributes & kAttributeMask`, replacing all others: read-only
// takes the write bits away (clearing it gives the owner write access back); the full
// value is kept with the file as an extended attribute where the file system allows.
bool setFileAttributes(const std::string& path, unsigned attributes);

// The attributes as setFileAttributes left them (read-only from the mode bits); nothing
// when the file is missing.
std::optional<unsigned> fileAttributes(const std::string& path);

}  // namespace lz::startup
