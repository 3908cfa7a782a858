#pragma once

#include <optional>
#include <string_view>

#include "cli/invocation.h"

namespace lz::query_cli {

inline constexpr std::string_view kProgramName = "lingzhou-query";

// The help of the program (no command) or of one command, ending in a line break.
std::string_view usageText(std::optional<Subcommand> subcommand);

}  // namespace lz::query_cli
