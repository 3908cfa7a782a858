#pragma once

#include <string>
#include <string_view>

namespace lz::designation {

// The text with every full-width ASCII character (U+FF01 to U+FF5E, such as "６", "Ｓ", "－"
// and "＇") turned into its half-width twin and the ideographic space (U+3000) into a
// space: what a Chinese input method's full-width mode types, read as the keys' own
// characters. Everything else stands as it is, byte for byte: other characters, letter case,
// spaces at either end, and invalid UTF-8.
//
// The searches and price queries of the window and of lingzhou-query fold what is typed so
// before composing their statements, and the designation key folds so before anything else.
std::string foldToHalfWidth(std::string_view text);

}  // namespace lz::designation
