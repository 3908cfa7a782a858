#pragma once

#include <iosfwd>
#include <span>
#include <string_view>

namespace lz::query_cli {

// The program the "stock" and "quote" commands are handed to: it reads stock lists with Qt
// Core and writes PDF with Qt Gui, which this program does without. It stands in the same
// directory as this program.
inline constexpr std::string_view kShopToolName = "lingzhou-shop";

// Whether the arguments (those after the program's name) ask for a command of the shop
// program: the first argument that is neither an option nor an option's value is "stock"
// or "quote".
bool asksForShopCommand(std::span<const std::string_view> arguments);

// Runs lingzhou-shop from this program's own directory in place of this process, with the
// same arguments and this program's name as its argv[0]. Returns only when it cannot be
// run, after saying so on `err`: the exit status to end with (3).
int handOverToShopTool(char** argv, std::ostream& err);

}  // namespace lz::query_cli
