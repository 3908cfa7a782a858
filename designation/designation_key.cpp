#include "designation/designation_key.h"

#include <cstdint>

#include "designation/width_folding.h"

namespace lz::designation {
namespace {

// One character of the folded text: its code point when the key treats it specially (ASCII,
// or the middle dot, the one separator beyond ASCII), and how many bytes it takes. Other
// bytes are kept as they are, one at a time.
struct Character {
    char32_t point;
    std::size_t length;
};

constexpr char32_t kNotSpecial = 0xFFFFFFFF;

Character next(std::string_view text, std::size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    if (lead < 0x80) {
        return {lead, 1};
    }
    // "·" is C2 B7; C2 is never a continuation byte, so the pair is always that character.
    if (lead == 0xC2 && at + 1 < text.size() && static_cast<unsigned char>(text[at + 1]) == 0xB7) {
        return {U'·', 2};
    }
    return {kNotSpecial, 1};
}

bool isSeparator(char32_t c) {
    switch (c) {
        case U' ':
        case U'\t':
        case U'\n':
        case U'\r':
        case U'\v':
        case U'\f':
        case U'-':
        case U'/':
        case U'.':
        case U'·':
            return true;
        default:
            return false;
    }
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

std::string designationKey(std::string_view written) {
    // Full-width characters first, so that "６２０５－２ＲＳ" meets "6205-2RS" below.
    const std::string folded = foldToHalfWidth(written);
    const std::string_view designation = folded;
    std::string key;
    designationKeyInto(designation, key);
    return key;
}

void designationKeyInto(std::string_view designation, std::string& key) {
    key.clear();
    key.reserve(designation.size());
    bool separated = false;  // separators seen since the last character kept
    for (std::size_t at = 0; at < designation.size();) {
        const Character c = next(designation, at);
        if (isSeparator(c.point)) {
            separated = true;
            at += c.length;
            continue;
        }
        if (c.point == kNotSpecial) {
            separated = false;
            key.append(designation.substr(at, c.length));
            at += c.length;
            continue;
        }
        char ascii = static_cast<char>(c.point);
        if (ascii >= 'a' && ascii <= 'z') {
            ascii = static_cast<char>(ascii - 'a' + 'A');
        }
        if (separated && isDigit(ascii) && !key.empty() && isDigit(key.back())) {
            key += '-';
        }
        separated = false;
        key += ascii;
        at += c.length;
    }
}

}  // namespace lz::designation
