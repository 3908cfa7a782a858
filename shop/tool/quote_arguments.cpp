#include "shop/tool/quote_arguments.h"

#include <vector>

#include "shop/tool/tool_output.h"

namespace lz::shop_tool {
namespace {

using query_cli::OutputFormat;

class Parser {
public:
    explicit Parser(std::span<const std::string_view> arguments) : arguments_(arguments) {}

    QuoteArguments parse() {
        while (next_ < arguments_.size() && !error_) {
            const std::string_view argument = arguments_[next_++];
            if (optionsEnded_ || argument == "-" || !argument.starts_with('-')) {
                positional(argument);
            } else if (argument == "--") {
                optionsEnded_ = true;
            } else {
                option(argument);
            }
        }
        if (error_) {
            return QuoteUsageError{*error_};
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
    void fail(std::string message) {
        if (!error_) {
            error_ = std::move(message);
        }
    }

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

    std::optional<std::string> value(std::string_view name,
                                     std::optional<std::string_view> attached) {
        if (attached) {
            return std::string(*attached);
        }
        if (next_ >= arguments_.size()) {
            fail("option '" + std::string(name) + "' needs a value");
            return std::nullopt;
        }
        return std::string(arguments_[next_++]);
    }

    void option(std::string_view argument) {
        std::string_view name = argument;
        std::optional<std::string_view> attached;
        const auto equals = argument.find('=');
        if (argument.starts_with("--") && equals != std::string_view::npos) {
            name = argument.substr(0, equals);
            attached = argument.substr(equals + 1);
        }
        const bool making = command_ == QuoteCommand::Make;
        if (name == "-h" || name == "--help") {
            if (attached) {
                fail("option '" + std::string(name) + "' takes no value");
            }
            help_ = true;
        } else if (name == "-v" || name == "--version") {
            if (attached) {
                fail("option '" + std::string(name) + "' takes no value");
            }
            version_ = true;
        } else if (name == "--format") {
            if (const auto text = value(name, attached)) {
                if (const auto format = outputFormatNamed(*text)) {
                    invocation_.format = *format;
                } else {
                    fail("unknown format '" + *text + "': use table, csv or json");
                }
            }
        } else if (making && name == "--customer") {
            if (auto text = value(name, attached)) {
                invocation_.customer = std::move(*text);
            }
        } else if (making && name == "--pdf") {
            if (auto text = value(name, attached)) {
                if (text->empty()) {
                    fail("option '--pdf' needs a file name");
                }
                invocation_.pdf = std::move(*text);
            }
        } else if (making && name == "--sheet") {
            if (auto text = value(name, attached)) {
                invocation_.sheet = std::move(*text);
            }
        } else {
            fail("unknown option '" + std::string(name) + "'");
        }
    }

    std::span<const std::string_view> arguments_;
    std::size_t next_ = 0;
    bool optionsEnded_ = false;
    bool quoteSeen_ = false;
    std::optional<QuoteCommand> command_;
    std::vector<std::string> positionals_;
    QuoteInvocation invocation_;
    bool help_ = false;
    bool version_ = false;
    std::optional<std::string> error_;
};

}  // namespace

QuoteArguments parseQuoteArguments(std::span<const std::string_view> arguments) {
    return Parser(arguments).parse();
}

}  // namespace lz::shop_tool
