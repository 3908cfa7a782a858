#include "designation/designation_key.h"

#include <cstdint>

namespace lz::designation {
namespace {

// One character of the input: its code point when it is one the key treats specially
// (ASCII after folding, or a separator), and how many bytes it takes.
struct Character {
    char32_t point;
    std::size_t length;
};

constexpr char32_t kNotSpecial = 0xFFFFFFFF;

bool isContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

Character next(std::string_view text, std::size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    if (lead < 0x80) {
        return {lead, 1};
    }
    // The only characters beyond ASCII the key changes take two or three bytes.
    if ((lead & 0xE0) == 0xC0 && at + 1 < text.size() &&
        isContinuation(static_cast<unsigned char>(text[at + 1]))) {
        const char32_t point =
            ((lead & 0x1Fu) << 6) | (static_cast<unsigned char>(text[at + 1]) & 0x3Fu);
        return {point == U'·' ? point : kNotSpecial, 2};
    }
    if ((lead & 0xF0) == 0xE0 && at + 2 < text.size() &&
        isContinuation(static_cast<unsigned char>(text[at + 1])) &&
        isContinuation(static_cast<unsigned char>(text[at + 2]))) {
        const char32_t point = ((lead & 0x0Fu) << 12) |
                               ((static_cast<unsigned char>(text[at + 1]) & 0x3Fu) << 6) |
                               (static_cast<unsigned char>(text[at + 2]) & 0x3Fu);
        if (point >= 0xFF01 && point <= 0xFF5E) {
            return {point - 0xFEE0, 3};  // full-width ASCII
        }
        if (point == 0x3000) {
            return {U' ', 3};  // ideographic space
        }
        return {kNotSpecial, 3};
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

std::string designationKey(std::string_view designation) {
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
