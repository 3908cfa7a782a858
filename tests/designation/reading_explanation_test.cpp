// The explanation of a reading, part by part, in the words the decoding panel shows; the
// old designation and the bore beside the catalogue's.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "designation/read_designation.h"
#include "designation/reading_explanation.h"

namespace lz::designation {
namespace {

std::vector<std::string> linesOf(const ReadingExplanation& explanation) {
    std::vector<std::string> lines;
    for (const ExplanationLine& line : explanation.parts) {
        lines.push_back(line.part + " — " + line.meaning);
    }
    return lines;
}

ReadingExplanation explainFirst(const char* text) {
    const DesignationReadings read = readDesignation(text);
    EXPECT_TRUE(read.recognized()) << text;
    return read.recognized() ? explainReading(read.readings.front(), nullptr)
                             : ReadingExplanation();
}

TEST(Explanation, TellsEachPartOfAStampedDesignation) {
    const ReadingExplanation explanation = explainFirst("6205-2RS1/C3");
    EXPECT_EQ(explanation.canonical, "6205-2RS/C3");
    EXPECT_EQ(explanation.kind, "深沟球轴承");
    EXPECT_EQ(linesOf(explanation),
              (std::vector<std::string>{
                  "62 — 尺寸系列 02（轻系列）",
                  "05 — 内径代号：05×5 = 25 mm",
                  "2RS1 — 两面接触式密封圈（SKF 写法）；通用写法 -2RS，NSK 写 DDU，NTN 写 LLU，"
                  "FAG 写 2RSR",
                  "C3 — 径向游隙大于普通组",
              }));
    ASSERT_TRUE(explanation.boreMm.has_value());
    EXPECT_DOUBLE_EQ(*explanation.boreMm, 25);
}

TEST(Explanation, BoreCodesOfEveryForm) {
    EXPECT_EQ(
        linesOf(explainFirst("6200")),
        (std::vector<std::string>{"62 — 尺寸系列 02（轻系列）", "00 — 内径代号：00 = 10 mm"}));
    EXPECT_EQ(linesOf(explainFirst("62/22")).back(), "/22 — 内径代号：/22 = 22 mm");
    EXPECT_EQ(linesOf(explainFirst("608")).back(), "8 — 内径 8 mm");
    EXPECT_EQ(linesOf(explainFirst("NU 2205 E")).front(), "NU — 内圈无挡边的圆柱滚子轴承");
}

TEST(Explanation, OtherMakersSpellingsOfTheSameSeals) {
    const std::vector<std::string> nsk = linesOf(explainFirst("6205DDU"));
    EXPECT_EQ(
        nsk.back(),
        "DDU — 两面接触式密封圈（NSK 写法）；通用写法 -2RS，SKF 写 2RS1，NTN 写 LLU，FAG 写 2RSR");
    const std::vector<std::string> common = linesOf(explainFirst("6205-2RZ"));
    EXPECT_EQ(common.back(),
              "2RZ — 两面非接触式密封圈（通用写法）；NSK 写 VV，NTN 写 LLB，FAG 写 2BRS");
}

TEST(Explanation, OldDesignation) {
    // By the rules without the catalogue: 6205-2RS is 180205.
    const ReadingExplanation sealed = explainFirst("6205-2RS1");
    EXPECT_EQ(sealed.oldCode, "180205");
    EXPECT_EQ(sealed.oldCodeSource, "按规则推算");
    // Read from an old code, the code itself.
    const ReadingExplanation old = explainFirst("180207");
    EXPECT_EQ(old.canonical, "6207-2RS");
    EXPECT_EQ(old.oldCode, "180207");
    ASSERT_FALSE(old.parts.empty());
    EXPECT_EQ(old.parts.front().part, "180207");
    EXPECT_NE(old.parts.front().meaning.find("按规则推算"), std::string::npos);
    EXPECT_TRUE(explainFirst("LM11949").oldCode.empty());
}

TEST(Explanation, BoreBesideTheCatalogues) {
    const Reading reading = readDesignation("6205-2RS").readings.front();
    const BoreComparison same = compareBore(reading, "25");
    EXPECT_FALSE(same.mismatch);
    EXPECT_NE(same.text.find("相符"), std::string::npos) << same.text;
    const BoreComparison other = compareBore(reading, "30");
    EXPECT_TRUE(other.mismatch);
    EXPECT_NE(other.text.find("不符"), std::string::npos) << other.text;
    EXPECT_FALSE(compareBore(reading, "").mismatch);
    const BoreComparison inch = compareBore(readDesignation("LM11949").readings.front(), "19.05");
    EXPECT_FALSE(inch.mismatch);
    EXPECT_NE(inch.text.find("没有内径代号"), std::string::npos) << inch.text;
}

}  // namespace
}  // namespace lz::designation
