#pragma once

#include <cstddef>
#include <iosfwd>
#include <span>
#include <string>
#include <string_view>

namespace lz::query_cli {

inline constexpr int kExitRowsFound = 0;
inline constexpr int kExitNoMatch = 1;
inline constexpr int kExitUsage = 2;
// The catalogue cannot be opened, or its rows stop coming, at the first or part way: never
// reported as no match.
inline constexpr int kExitCatalogueFailed = 3;
inline constexpr int kExitOutputFailed = 4;  // a full disk or a closed pipe, say

// The whole command-line look-up: reads `arguments` (those after the program's name), opens
// the catalogue held by `catalogueImage` read-only in memory when a search needs it, runs
// the search and writes the rows to `out`, messages to `err`. Returns the exit status.
int runQueryTool(std::span<const std::string_view> arguments,
                 std::span<const std::byte> catalogueImage, std::ostream& out, std::ostream& err);
// The same, with the program's data directory, where `lookup --stock` reads the shop file
// (read-only); empty: no shop data, so the shop's columns stay empty.
int runQueryTool(std::span<const std::string_view> arguments,
                 std::span<const std::byte> catalogueImage, const std::string& dataDirectory,
                 std::ostream& out, std::ostream& err);

}  // namespace lz::query_cli
