#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace lz::query_cli {

struct DecodedCharacter {
    char32_t point;      // U+FFFD where the bytes are no well-formed UTF-8
    std::size_t length;  // bytes taken, at least 1
    bool valid;
};

// The character whose encoding starts at `at` (< text.size()). A byte that starts no
// well-formed sequence (overlong forms and surrogates included) is taken alone, as invalid.
DecodedCharacter decodeUtf8(std::string_view text, std::size_t at);

void appendUtf8(std::string& out, char32_t point);

// Columns a character takes on a terminal: 2 for East Asian wide and full-width characters
// (CJK ideographs, kana, hangul, full-width forms such as "（"), 0 for combining marks and
// zero-width characters, 1 for the rest, characters of ambiguous width included.
int characterWidth(char32_t point);

// The columns of a whole text; each invalid byte counts as one.
int displayWidth(std::string_view text);

}  // namespace lz::query_cli
