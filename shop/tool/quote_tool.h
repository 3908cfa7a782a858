#pragma once

#include <iosfwd>
#include <span>
#include <string_view>

#include "shop/tool/stock_tool.h"

namespace lz::shop_tool {

// Exit statuses of the "quote" commands: those of the stock commands, read so.
// 0: list: quotes were listed; pdf: the PDF is written; make: the quote is kept (and its
//    PDF written), even when some of its lines are still to settle (said on standard error).
// 1: list: no quote is kept yet; pdf: no quote of that number.
// 2: bad usage.
// 3: a file cannot be read or written: the shop file (not ours, damaged, newer, or not
//    writable for make), the enquiry list (the reader's message), the catalogue, or the PDF.
// 4: the output cannot be written.

// The "quote" commands: reads `arguments` (those after the program's name, the first
// command word being "quote"), runs the command, writes its rows to `out` and messages to
// `err`. list and pdf only read the shop file; make keeps the new quote in it (creating the
// file, or upgrading it after a backup, as the window would). Writing PDF starts a
// QGuiApplication on the offscreen platform when none runs. Returns the exit status.
int runQuoteTool(std::span<const std::string_view> arguments, const StockToolSetting& setting,
                 std::ostream& out, std::ostream& err);

// Whether the arguments ask for a "quote" command: the first argument that is neither an
// option nor an option's value (--format's) is "quote".
bool asksForQuote(std::span<const std::string_view> arguments);

}  // namespace lz::shop_tool
