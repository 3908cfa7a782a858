// The program's options, read before anything touches the window system, so that --help
// and --version answer on a terminal without a display and a mistyped option never opens a
// window.
#pragma once

#include <QStringList>
#include <optional>

namespace lz::startup {

inline constexpr int kUsageExitCode = 2;

// `arguments` as the process received them, the program's path first. Prints the help, the
// version or the error with the usage, and returns the exit code when the program should end
// there; nullopt when it should go on and open its window.
std::optional<int> answerCommandLine(const QStringList& arguments);

}  // namespace lz::startup
