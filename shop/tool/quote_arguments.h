#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "cli/invocation.h"

namespace lz::shop_tool {

enum class QuoteCommand { List, Pdf, Make };

// One run of a "quote" command as the command line asked for it.
struct QuoteInvocation {
    QuoteCommand command = QuoteCommand::List;
    query_cli::OutputFormat format = query_cli::OutputFormat::Table;
    std::string number;    // pdf: the quote's 单号
    std::string file;      // pdf: the PDF to write; make: the enquiry list to read
    std::string customer;  // make: 客户
    std::string pdf;       // make: the PDF to write as well; empty: none
    std::string sheet;     // make: the sheet of a workbook; empty: the first
};

struct QuoteHelp {
    std::optional<QuoteCommand> command;  // none: the "quote" commands together
};
struct QuoteVersion {};
struct QuoteUsageError {
    std::string message;
};

using QuoteArguments = std::variant<QuoteInvocation, QuoteHelp, QuoteVersion, QuoteUsageError>;

// Reads the arguments after the program's name: "quote", then "list", "pdf NUMBER FILE" or
// "make ENQUIRY [--customer NAME] [--pdf FILE] [--sheet NAME]"; --format before or after
// the command; options take their value as the next argument or after "="; "--" ends the
// options.
QuoteArguments parseQuoteArguments(std::span<const std::string_view> arguments);

}  // namespace lz::shop_tool
