#pragma once

#include <string>
#include <string_view>

namespace lz::query::sql {

// The text to put between single quotes so that the literal stands for `value` exactly:
// every ' doubled, nothing else changed (no trimming, no case change; "%" and "_" keep
// their meaning inside a LIKE pattern). A typed quote is then searched for instead of
// ending the literal and letting the rest of the text run as SQL.
std::string quoteDoubled(std::string_view value);

// `value` as a complete quoted literal: "'" + quoteDoubled(value) + "'".
std::string quotedLiteral(std::string_view value);

}  // namespace lz::query::sql
