// The cell texts of a list, kept in fixed blocks with runs of equal texts shared.
#include "ui/list_texts.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lz::ui {
namespace {

// A text of varying length, so that rows end anywhere in a block.
std::string textFor(int row, int column) {
    return std::to_string(row) + "/" + std::to_string(column) + std::string(row % 97, 'x') +
           (row % 3 == 0 ? "深沟球轴承" : "");
}

TEST(ListTexts, ManyRowsReadBackAsAppendedAcrossBlocks) {
    ListTexts texts(3);
    for (int row = 0; row < 20000; ++row) {  // some megabytes, thousands of cell records
        const std::vector<std::string> cells = {textFor(row, 0), textFor(row, 1),
                                                row % 5 == 0 ? "" : textFor(row, 2)};
        ASSERT_EQ(texts.appendRow(cells), row);
    }
    ASSERT_EQ(texts.rows(), 20000);
    for (int row = 0; row < 20000; ++row) {
        ASSERT_EQ(texts.get(row, 0), textFor(row, 0)) << row;
        ASSERT_EQ(texts.get(row, 1), textFor(row, 1)) << row;
        ASSERT_EQ(texts.get(row, 2), row % 5 == 0 ? "" : textFor(row, 2)) << row;
    }
}

TEST(ListTexts, MissingExtraAndOutOfRangeCells) {
    ListTexts texts(2);
    const std::vector<std::string> one = {"a"};
    const std::vector<std::string> three = {"a", "b", "c"};
    texts.appendRow(one);
    texts.appendRow(three);
    texts.appendRow();
    EXPECT_EQ(texts.get(0, 1), "");
    EXPECT_EQ(texts.get(1, 1), "b");
    EXPECT_EQ(texts.get(2, 0), "");
    EXPECT_EQ(texts.get(1, 2), "");
    EXPECT_EQ(texts.get(3, 0), "");
    EXPECT_EQ(texts.get(-1, 0), "");
    EXPECT_FALSE(texts.set(3, 0, "x"));
    EXPECT_FALSE(texts.set(0, 2, "x"));
    EXPECT_FALSE(texts.set(0, -1, "x"));
}

TEST(ListTexts, EditingOneOfEqualTextsLeavesTheOthers) {
    ListTexts texts(2);
    const std::vector<std::string> row = {"SKF", "深沟球轴承"};
    for (int i = 0; i < 4; ++i) {
        texts.appendRow(row);
    }
    EXPECT_TRUE(texts.set(1, 1, "推力"));               // shorter
    EXPECT_TRUE(texts.set(2, 0, "TORRINGTON FAFNIR"));  // longer
    EXPECT_TRUE(texts.set(3, 1, ""));
    EXPECT_EQ(texts.get(0, 0), "SKF");
    EXPECT_EQ(texts.get(0, 1), "深沟球轴承");
    EXPECT_EQ(texts.get(1, 1), "推力");
    EXPECT_EQ(texts.get(2, 0), "TORRINGTON FAFNIR");
    EXPECT_EQ(texts.get(2, 1), "深沟球轴承");
    EXPECT_EQ(texts.get(3, 0), "SKF");
    EXPECT_EQ(texts.get(3, 1), "");
}

TEST(ListTexts, TextsOfABlockAndLongerStayWhole) {
    ListTexts texts(1);
    const std::string block(64 * 1024, 'b');
    const std::string longer = std::string(200 * 1024, 'l') + "end";
    for (const std::string* text : {&block, &longer, &block}) {
        const std::vector<std::string> cells = {"short", *text, "after"};
        for (const std::string& cell : cells) {
            texts.appendRow(std::vector<std::string>{cell});
        }
    }
    EXPECT_EQ(texts.get(1, 0), block);
    EXPECT_EQ(texts.get(4, 0), longer);
    EXPECT_EQ(texts.get(7, 0), block);
    EXPECT_EQ(texts.get(8, 0), "after");
    EXPECT_TRUE(texts.set(0, 0, longer));
    EXPECT_EQ(texts.get(0, 0), longer);
    EXPECT_EQ(texts.get(3, 0), "short");
}

TEST(ListTexts, ClearedListStartsOver) {
    ListTexts texts(1);
    texts.appendRow(std::vector<std::string>{"6205"});
    texts.clear();
    EXPECT_EQ(texts.rows(), 0);
    EXPECT_EQ(texts.get(0, 0), "");
    EXPECT_EQ(texts.appendRow(std::vector<std::string>{"6206"}), 0);
    EXPECT_EQ(texts.get(0, 0), "6206");
}

}  // namespace
}  // namespace lz::ui
