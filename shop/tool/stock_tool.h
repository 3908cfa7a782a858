#pragma once

#include <cstddef>
#include <iosfwd>
#include <span>
#include <string>
#include <string_view>

namespace lz::shop_tool {

// Exit statuses of the "stock" commands.
// check: every line matched ("已匹配"); list: lines were listed.
inline constexpr int kExitAllMatched = 0;
// check: some line is "待确认" or "未匹配" (every line is printed all the same); list: the
// shop has no stock list yet, or an empty one.
inline constexpr int kExitNotAllMatched = 1;
inline constexpr int kExitUsage = 2;
// check: the file cannot be read (the reader's message), or the catalogue cannot; list:
// the shop file cannot be read (not ours, damaged, from a newer program).
inline constexpr int kExitCannotRead = 3;
inline constexpr int kExitOutputFailed = 4;

struct StockToolSetting {
    std::string programName = "lingzhou-shop";  // as messages and the help name the program
    std::span<const std::byte> catalogueImage;  // the catalogue, read in memory
    std::string dataDirectory;                  // where the shop file is; empty: nowhere
};

// The program's commands: the "quote" commands go to runQuoteTool (quote_tool.h); for the
// "stock" commands it reads `arguments` (those after the program's name), runs the
// command and writes its rows to `out`, messages to `err`. Nothing is ever written to the
// shop file or beside it: check reads the stock list and the user's earlier answers (when
// there is a shop file), list reads the shop file. Returns the exit status.
int runStockTool(std::span<const std::string_view> arguments, const StockToolSetting& setting,
                 std::ostream& out, std::ostream& err);

}  // namespace lz::shop_tool
