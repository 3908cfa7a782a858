#include "designation/width_folding.h"

namespace lz::designation {
namespace {

// Both ranges folded are three bytes long in UTF-8: U+3000 is E3 80 80, U+FF01 to U+FF5E
// are EF BC 81 to EF BD 9E.
constexpr char32_t kIdeographicSpace = 0x3000;
constexpr char32_t kFirstFullWidth = 0xFF01;
constexpr char32_t kLastFullWidth = 0xFF5E;
constexpr char32_t kFullWidthOffset = 0xFEE0;  // from U+FF01 down to "!"

bool isContinuation(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

// The code point of the three-byte sequence at `at`, or 0 when there is none.
char32_t threeByteCharacter(std::string_view text, std::size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    if ((lead & 0xF0) != 0xE0 || at + 2 >= text.size() || !isContinuation(text[at + 1]) ||
        !isContinuation(text[at + 2])) {
        return 0;
    }
    return ((lead & 0x0Fu) << 12) | ((static_cast<unsigned char>(text[at + 1]) & 0x3Fu) << 6) |
           (static_cast<unsigned char>(text[at + 2]) & 0x3Fu);
}

}  // namespace

std::string foldToHalfWidth(std::string_view text) {
    std::string folded;
    folded.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        const char32_t point = threeByteCharacter(text, at);
        if (point == kIdeographicSpace) {
            folded += ' ';
            at += 3;
        } else if (point >= kFirstFullWidth && point <= kLastFullWidth) {
            folded += static_cast<char>(point - kFullWidthOffset);
            at += 3;
        } else if (point != 0) {
            folded.append(text.substr(at, 3));
            at += 3;
        } else {
            folded += text[at];
            ++at;
        }
    }
    return folded;
}

}  // namespace lz::designation
