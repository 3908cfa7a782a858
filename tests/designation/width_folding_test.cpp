// Full-width folding of what is typed: full-width ASCII and the ideographic space become
// their half-width twins, and nothing else changes.
#include "designation/width_folding.h"

#include <gtest/gtest.h>

#include <string>

namespace lz::designation {
namespace {

TEST(WidthFolding, FoldsFullWidthAsciiAndTheIdeographicSpaceOnly) {
    const struct {
        std::string typed;
        std::string folded;
    } cases[] = {
        {"６２０５", "6205"},
        {"ＳＫＦ", "SKF"},
        {"ｓｋｆ", "skf"},  // no change of case
        {"６２０５－２ＲＳ／Ｃ３", "6205-2RS/C3"},
        // The ends of the range: U+FF01 "！" and U+FF5E "～", and a quote, doubled later.
        {"！～＇＂％＿", "!~'\"%_"},
        {"（ＮＫ系列）", "(NK系列)"},
        // The ideographic space becomes a space, and spaces at the ends stay.
        {"　６２０５　", " 6205 "},
        {" 6205 ", " 6205 "},
        // Beyond the range, and other characters: as they are.
        {"｟｠￥￣", "｟｠￥￣"},          // U+FF5F, U+FF60, U+FFE5, U+FFE3
        {"\xEF\xBC\x80", "\xEF\xBC\x80"},  // U+FF00, not a character
        {"深沟球轴承 6205·2RS", "深沟球轴承 6205·2RS"},
        {"、。", "、。"},  // U+3001, U+3002: the ideographic space's neighbours
        {"", ""},
        // Broken UTF-8 byte for byte: a cut full-width character, a lone continuation byte,
        // a lead byte followed by ASCII.
        {"62\xEF\xBC", "62\xEF\xBC"},
        {"\x96"
         "6205",
         "\x96"
         "6205"},
        {"\xEF\xBC"
         "A６",
         "\xEF\xBC"
         "A6"},
        {"\xE3\x80", "\xE3\x80"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(foldToHalfWidth(c.typed), c.folded) << c.typed;
    }
}

TEST(WidthFolding, FoldsEveryFullWidthCharacterToTheAsciiItStandsFor) {
    // U+FF01 to U+FF5E stand for "!" to "~", in order.
    for (char32_t point = 0xFF01; point <= 0xFF5E; ++point) {
        const std::string fullWidth = {static_cast<char>(0xE0 | (point >> 12)),
                                       static_cast<char>(0x80 | ((point >> 6) & 0x3F)),
                                       static_cast<char>(0x80 | (point & 0x3F))};
        const char ascii = static_cast<char>('!' + (point - 0xFF01));
        EXPECT_EQ(foldToHalfWidth("a" + fullWidth + "b"), std::string("a") + ascii + "b")
            << std::hex << static_cast<unsigned>(point);
    }
}

}  // namespace
}  // namespace lz::designation
