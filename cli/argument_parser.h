#pragma once

#include <span>
#include <string_view>

#include "cli/invocation.h"

namespace lz::query_cli {

// Reads the arguments after the program's name. Options take their value as the next
// argument or after "=" ("--by new", "--by=new"); "--" ends the options, so that a text
// beginning with "-" can be searched for. --format and --print-sql may stand before or after
// the command; a repeated option keeps its last value.
ParsedArguments parseArguments(std::span<const std::string_view> arguments);

}  // namespace lz::query_cli
