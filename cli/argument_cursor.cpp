#include "cli/argument_cursor.h"

#include <utility>

namespace lz::query_cli {

WrittenOption splitOption(std::string_view argument) {
    const auto equals = argument.find('=');
    if (argument.starts_with("--") && equals != std::string_view::npos) {
        return {argument.substr(0, equals), argument.substr(equals + 1)};
    }
    return {argument, std::nullopt};
}

void ArgumentCursor::walk(
    const std::function<void(std::string_view)>& positional,
    const std::function<void(std::string_view, std::optional<std::string_view>)>& option) {
    bool optionsEnded = false;
    while (next_ < arguments_.size() && !error_) {
        const std::string_view argument = arguments_[next_++];
        if (optionsEnded || argument == "-" || !argument.starts_with('-')) {
            positional(argument);
        } else if (argument == "--") {
            optionsEnded = true;
        } else {
            const WrittenOption written = splitOption(argument);
            option(written.name, written.attached);
        }
    }
}

std::optional<std::string> ArgumentCursor::value(std::string_view name,
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

bool ArgumentCursor::flag(std::string_view name, std::optional<std::string_view> attached) {
    if (attached) {
        fail("option '" + std::string(name) + "' takes no value");
        return false;
    }
    return true;
}

void ArgumentCursor::fail(std::string message) {
    if (!error_) {
        error_ = std::move(message);
    }
}

}  // namespace lz::query_cli
