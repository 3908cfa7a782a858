#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace lz::catalogue {

// The connection string handed to the store's driver, composed piece by piece in the
// fixed order DBQ, DefaultDir (only when the path has a directory part), Driver/FIL,
// UID (only when given and not empty), PWD (only when given and not empty), then ";".
// Both '\\' and '/' count as directory separators.
std::string composeConnectionString(std::string_view path, std::string_view user,
                                    std::string_view password);

// The value of one piece ("DBQ", "PWD", ...) of a composed string; nothing when absent.
// Key names compare without regard to letter case, as drivers do.
std::optional<std::string> connectionStringValue(std::string_view connection, std::string_view key);

}  // namespace lz::catalogue
