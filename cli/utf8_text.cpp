#include "cli/utf8_text.h"

#include <algorithm>
#include <array>
#include <utility>

namespace lz::query_cli {
namespace {

using Range = std::pair<char32_t, char32_t>;

// East Asian Width W and F, joined into runs.
constexpr std::array<Range, 22> kWide = {{
    {0x1100, 0x115F},   {0x231A, 0x231B},   {0x2329, 0x232A},   {0x23E9, 0x23EC},
    {0x2E80, 0x303E},   {0x3041, 0x33FF},   {0x3400, 0x4DBF},   {0x4E00, 0x9FFF},
    {0xA000, 0xA4CF},   {0xA960, 0xA97F},   {0xAC00, 0xD7A3},   {0xF900, 0xFAFF},
    {0xFE10, 0xFE19},   {0xFE30, 0xFE6F},   {0xFF00, 0xFF60},   {0xFFE0, 0xFFE6},
    {0x1F300, 0x1F64F}, {0x1F900, 0x1F9FF}, {0x20000, 0x2FFFD}, {0x30000, 0x3FFFD},
    {0x16FE0, 0x16FE4}, {0x17000, 0x18AFF},
}};

// Combining marks and characters of no width.
constexpr std::array<Range, 9> kZeroWidth = {{
    {0x0300, 0x036F},
    {0x1AB0, 0x1AFF},
    {0x1DC0, 0x1DFF},
    {0x200B, 0x200F},
    {0x202A, 0x202E},
    {0x2060, 0x2064},
    {0x20D0, 0x20FF},
    {0xFE20, 0xFE2F},
    {0xFEFF, 0xFEFF},
}};

template <std::size_t N>
bool within(const std::array<Range, N>& ranges, char32_t point) {
    return std::any_of(ranges.begin(), ranges.end(),
                       [point](const Range& r) { return point >= r.first && point <= r.second; });
}

bool continuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

}  // namespace

DecodedCharacter decodeUtf8(std::string_view text, std::size_t at) {
    const DecodedCharacter invalid{0xFFFD, 1, false};
    const auto lead = static_cast<unsigned char>(text[at]);
    if (lead < 0x80) {
        return {lead, 1, true};
    }
    std::size_t length = 0;
    char32_t point = 0;
    char32_t smallest = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 2, point = lead & 0x1F, smallest = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, point = lead & 0x0F, smallest = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, point = lead & 0x07, smallest = 0x10000;
    } else {
        return invalid;
    }
    if (at + length > text.size()) {
        return invalid;
    }
    for (std::size_t k = 1; k < length; ++k) {
        const auto byte = static_cast<unsigned char>(text[at + k]);
        if (!continuation(byte)) {
            return invalid;
        }
        point = (point << 6) | (byte & 0x3F);
    }
    if (point < smallest || point > 0x10FFFF || (point >= 0xD800 && point <= 0xDFFF)) {
        return invalid;
    }
    return {point, length, true};
}

void appendUtf8(std::string& out, char32_t point) {
    if (point < 0x80) {
        out += static_cast<char>(point);
    } else if (point < 0x800) {
        out += static_cast<char>(0xC0 | (point >> 6));
        out += static_cast<char>(0x80 | (point & 0x3F));
    } else if (point < 0x10000) {
        out += static_cast<char>(0xE0 | (point >> 12));
        out += static_cast<char>(0x80 | ((point >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (point & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (point >> 18));
        out += static_cast<char>(0x80 | ((point >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((point >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (point & 0x3F));
    }
}

int characterWidth(char32_t point) {
    if (point < 0x300) {
        return 1;  // the common case, ASCII and Latin-1, decided at once
    }
    if (within(kZeroWidth, point)) {
        return 0;
    }
    return within(kWide, point) ? 2 : 1;
}

int displayWidth(std::string_view text) {
    int width = 0;
    for (std::size_t i = 0; i < text.size();) {
        const DecodedCharacter c = decodeUtf8(text, i);
        width += c.valid ? characterWidth(c.point) : 1;
        i += c.length;
    }
    return width;
}

}  // namespace lz::query_cli
