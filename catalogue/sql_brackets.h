#pragma once

#include <string>
#include <string_view>

namespace lz::catalogue {

// Replaces every '[' and ']' outside single-quoted literals with the store's identifier
// quote character. "[[" and "]]" stand for one bracket; inside a literal, two single
// quotes stand for one quote and brackets are left alone.
std::string replaceIdentifierBrackets(std::string_view sql, char quote);

}  // namespace lz::catalogue
