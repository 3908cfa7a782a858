#include "shop/tool/stock_arguments.h"

#include "shop/tool/tool_output.h"

namespace lz::shop_tool {
namespace {

using query_cli::OutputFormat;

class Parser {
public:
    explicit Parser(std::span<const std::string_view> arguments) : arguments_(arguments) {}

    StockArguments parse() {
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
            return StockUsageError{*error_};
        }
        if (help_) {
            return StockHelp{command_};
        }
        if (version_) {
            return StockVersion{};
        }
        if (!stockSeen_) {
            return StockUsageError{"no command given: use stock check FILE or stock list"};
        }
        if (!command_) {
            return StockUsageError{"stock needs check FILE or list"};
        }
        if (*command_ == StockCommand::Check && !fileGiven_) {
            return StockUsageError{"the file to check is missing"};
        }
        invocation_.command = *command_;
        return invocation_;
    }

private:
    void fail(std::string message) {
        if (!error_) {
            error_ = std::move(message);
        }
    }

    void positional(std::string_view argument) {
        if (!stockSeen_) {
            if (argument != "stock") {
                fail("unknown command '" + std::string(argument) + "'");
            }
            stockSeen_ = true;
            return;
        }
        if (!command_) {
            if (argument == "check") {
                command_ = StockCommand::Check;
            } else if (argument == "list") {
                command_ = StockCommand::List;
            } else {
                fail("unknown stock command '" + std::string(argument) + "': use check or list");
            }
            return;
        }
        if (*command_ == StockCommand::Check && !fileGiven_) {
            invocation_.file = std::string(argument);
            fileGiven_ = true;
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

    bool flag(std::string_view name, std::optional<std::string_view> attached) {
        if (attached) {
            fail("option '" + std::string(name) + "' takes no value");
            return false;
        }
        return true;
    }

    void option(std::string_view argument) {
        std::string_view name = argument;
        std::optional<std::string_view> attached;
        const auto equals = argument.find('=');
        if (argument.starts_with("--") && equals != std::string_view::npos) {
            name = argument.substr(0, equals);
            attached = argument.substr(equals + 1);
        }
        if (name == "-h" || name == "--help") {
            help_ = flag(name, attached) || help_;
        } else if (name == "-v" || name == "--version") {
            version_ = flag(name, attached) || version_;
        } else if (name == "--format") {
            if (const auto text = value(name, attached)) {
                if (const auto format = outputFormatNamed(*text)) {
                    invocation_.format = *format;
                } else {
                    fail("unknown format '" + *text + "': use table, csv or json");
                }
            }
        } else if (name == "--sheet" && command_ == StockCommand::Check) {
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
    bool stockSeen_ = false;
    std::optional<StockCommand> command_;
    StockInvocation invocation_;
    bool fileGiven_ = false;
    bool help_ = false;
    bool version_ = false;
    std::optional<std::string> error_;
};

}  // namespace

StockArguments parseStockArguments(std::span<const std::string_view> arguments) {
    return Parser(arguments).parse();
}

}  // namespace lz::shop_tool
