#include "shop/tool/quote_arguments.h"

#include <vector>

#include "cli/argument_cursor.h"
#include "cli/output_formats.h"

namespace lz::shop_tool {
namespace {

using query_cli::ArgumentCursor;
using query_cli::readFormatOption;

class Parser {
public:
    explicit Parser(std::span<const std::string_view> arguments) : arguments_(arguments) {}

    QuoteArguments parse() {
        arguments_.walk([this](std::string_view argument) { positional(argument); },
                        [this](std::string_view name, std::optional<std::string_view> attached) {
                            option(name, attached);
                        });
        if (const auto& error = arguments_.error()) {
            return QuoteUsageError{*error};
        }
        if (help_) {
            return QuoteHelp{command_};
        }
        if (version_) {
            return QuoteVersion{};
        }
        if (!command_) {
            return QuoteUsageError{"quote needs list, pdf NUMBER FILE or make ENQUIRY"};
        }
        invocation_.command = *command_;
        if (*command_ == QuoteCommand::Pdf && positionals_.size() < 2) {
            return QuoteUsageError{positionals_.empty() ? "the quote's number is missing"
                                                        : "the PDF file to write is missing"};
        }
        if (*command_ == QuoteCommand::Make && positionals_.empty()) {
            return QuoteUsageError{"the enquiry list to read is missing"};
        }
        if (*command_ == QuoteCommand::Pdf) {
            invocation_.number = positionals_[0];
            invocation_.file = positionals_[1];
        } else if (*command_ == QuoteCommand::Make) {
            invocation_.file = positionals_[0];
        }
        return invocation_;
    }

private:
    void fail(std::string message) { arguments_.fail(std::move(message)); }

    std::size_t positionalsWanted() const {
        switch (*command_) {
            case QuoteCommand::Pdf:
                return 2;
            case QuoteCommand::Make:
                return 1;
            case QuoteCommand::List:
                break;
        }
        return 0;
    }

    void positional(std::string_view argument) {
        if (!quoteSeen_) {
            if (argument != "quote") {
                fail("unknown command '" + std::string(argument) + "'");
            }
            quoteSeen_ = true;
            return;
        }
        if (!command_) {
            if (argument == "list") {
                command_ = QuoteCommand::List;
            } else if (argument == "pdf") {
                command_ = QuoteCommand::Pdf;
            } else if (argument == "make") {
                command_ = QuoteCommand::Make;
            } else {
                fail("unknown quote command '" + std::string(argument) +
                     "': use list, pdf or make");
            }
            return;
        }
        if (positionals_.size() < positionalsWanted()) {
            positionals_.emplace_back(argument);
            return;
        }
        fail("unexpected argument '" + std::string(argument) + "'");
    }

    void option(std::string_view name, std::optional<std::string_view> attached) {
        const bool making = command_ == QuoteCommand::Make;
        if (name == "-h" || name == "--help") {
            help_ = arguments_.flag(name, attached) || help_;
        } else if (name == "-v" || name == "--version") {
            version_ = arguments_.flag(name, attached) || version_;
        } else if (name == "--format") {
            readFormatOption(arguments_, name, attached, invocation_.format);
        } else if (making && name == "--customer") {
            if (auto text = arguments_.value(name, attached)) {
                invocation_.customer = std::move(*text);
            }
        } else if (making && name == "--pdf") {
            if (auto text = arguments_.value(name, attached)) {
                if (text->empty()) {
                    fail("option '--pdf' needs a file name");
                }
                invocation_.pdf = std::move(*text);
            }
        } else if (making && name == "--sheet") {
            if (auto text = arguments_.value(name, attached)) {
                invocation_.sheet = std::move(*text);
            }
        } else {
            fail("unknown option '" + std::string(name) + "'");
        }
    }

    ArgumentCursor arguments_;
    bool quoteSeen_ = false;
    std::optional<QuoteCommand> command_;
    std::vector<std::string> positionals_;
    QuoteInvocation invocation_;
    bool help_ = false;
    bool version_ = false;
};

}  // namespace

QuoteArguments parseQuoteArguments(std::span<const std::string_view> arguments) {
    return Parser(arguments).parse();
}

}  // namespace lz::shop_tool
