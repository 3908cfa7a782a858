#pragma once

#include <sqlite3.h>

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace lz::shop {

// How many backups of the shop file are kept; the oldest go first.
inline constexpr int kBackupsKept = 10;

// Copies the database `db` is connected to into `directory` with VACUUM INTO, as
// "shop-<sequence>-<YYYYMMDD>-<HHMMSS>-<reason>.sqlite" (the sequence counts up, so names
// sort in the order the copies were made whatever the clock says), then removes the
// oldest backups beyond `keep`. The copy is written under a temporary name and renamed
// when whole, so a failure leaves no partial backup. Creates the directory (mode 0700)
// when missing. Must not run inside a transaction. The path of the copy, or an empty path
// when it could not be made.
std::filesystem::path makeBackup(sqlite3* db, const std::filesystem::path& directory,
                                 std::string_view reason, int keep = kBackupsKept);

// The backups in `directory` that makeBackup made, oldest first. Other files are ignored.
std::vector<std::filesystem::path> listBackups(const std::filesystem::path& directory);

}  // namespace lz::shop
