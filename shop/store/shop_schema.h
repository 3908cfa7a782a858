#pragma once

#include <cstdint>
#include <span>

namespace lz::shop {

// The number in the SQLite header (PRAGMA application_id) that marks a file as the shop's
// file: "LZSH". A file without it is never written to.
inline constexpr std::int32_t kShopApplicationId = 0x4C5A5348;

// One step of the schema: the statements that take a file from the version before to
// `version` (PRAGMA user_version). Steps run in one transaction with the version change.
struct Migration {
    int version;
    const char* sql;
};

// Every step of the shop file's schema, oldest first; the last one's version is the
// version this program writes. A new table (quotes, say) is one more step at the end.
std::span<const Migration> shopMigrations();

}  // namespace lz::shop
