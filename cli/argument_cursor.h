#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace lz::query_cli {

// An option as written: "--name=value" carries its value attached, any other option none
// ("-x=1" is the option "-x=1", "--x=" an empty value).
struct WrittenOption {
    std::string_view name;
    std::optional<std::string_view> attached;
};

WrittenOption splitOption(std::string_view argument);

// The arguments after a program's name, walked once, with the first problem found. The
// command-line readers of both programs share it, so that they agree on what an option and
// its value are: "-" is a positional argument, "--" makes every later argument one, and an
// option takes its value after "=" or as the next argument, whatever that looks like.
class ArgumentCursor {
public:
    explicit ArgumentCursor(std::span<const std::string_view> arguments) : arguments_(arguments) {}

    // Hands each argument on until they run out or a problem is reported.
    void walk(const std::function<void(std::string_view)>& positional,
              const std::function<void(std::string_view name,
                                       std::optional<std::string_view> attached)>& option);

    // The value of an option: its attached value, else the next argument; none, after
    // reporting it, when the arguments ran out.
    std::optional<std::string> value(std::string_view name,
                                     std::optional<std::string_view> attached);

    // A switch: false, after reporting it, when a value was attached.
    bool flag(std::string_view name, std::optional<std::string_view> attached);

    // Keeps the first problem only: later ones follow from it.
    void fail(std::string message);

    const std::optional<std::string>& error() const { return error_; }

private:
    std::span<const std::string_view> arguments_;
    std::size_t next_ = 0;
    std::optional<std::string> error_;
};

}  // namespace lz::query_cli
