#include "shop/tool/stock_arguments.h"

#include "cli/argument_cursor.h"
#include "cli/output_formats.h"

namespace lz::shop_tool {
namespace {

using query_cli::ArgumentCursor;
using query_cli::readFormatOption;

class Parser {
public:
    explicit Parser(std::span<const std::string_view> arguments) : arguments_(arguments) {}

    StockArguments parse() {
        arguments_.walk([this](std::string_view argument) { positional(argument); },
                        [this](std::string_view name, std::optional<std::string_view> attached) {
                            option(name, attached);
                        });
        if (const auto& error = arguments_.error()) {
            return StockUsageError{*error};
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
    void fail(std::string message) { arguments_.fail(std::move(message)); }

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

    void option(std::string_view name, std::optional<std::string_view> attached) {
        if (name == "-h" || name == "--help") {
            help_ = arguments_.flag(name, attached) || help_;
        } else if (name == "-v" || name == "--version") {
            version_ = arguments_.flag(name, attached) || version_;
        } else if (name == "--format") {
            readFormatOption(arguments_, name, attached, invocation_.format);
        } else if (name == "--sheet" && command_ == StockCommand::Check) {
            if (auto text = arguments_.value(name, attached)) {
                invocation_.sheet = std::move(*text);
            }
        } else {
            fail("unknown option '" + std::string(name) + "'");
        }
    }

    ArgumentCursor arguments_;
    bool stockSeen_ = false;
    std::optional<StockCommand> command_;
    StockInvocation invocation_;
    bool fileGiven_ = false;
    bool help_ = false;
    bool version_ = false;
};

}  // namespace

StockArguments parseStockArguments(std::span<const std::string_view> arguments) {
    return Parser(arguments).parse();
}

}  // namespace lz::shop_tool
