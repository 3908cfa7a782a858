#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "cli/invocation.h"

namespace lz::shop_tool {

enum class StockCommand { Check, List };

// One run of a "stock" command as the command line asked for it.
struct StockInvocation {
    StockCommand command = StockCommand::List;
    query_cli::OutputFormat format = query_cli::OutputFormat::Table;
    std::string file;   // check: the stock list to read
    std::string sheet;  // check: the sheet to read; empty: the first
};

struct StockHelp {
    std::optional<StockCommand> command;  // none: the "stock" commands together
};
struct StockVersion {};
struct StockUsageError {
    std::string message;
};

using StockArguments = std::variant<StockInvocation, StockHelp, StockVersion, StockUsageError>;

// Reads the arguments after the program's name, as lingzhou-query reads its own: "stock",
// then "check FILE [--sheet NAME]" or "list"; --format before or after the command;
// options take their value as the next argument or after "="; "--" ends the options.
StockArguments parseStockArguments(std::span<const std::string_view> arguments);

}  // namespace lz::shop_tool
