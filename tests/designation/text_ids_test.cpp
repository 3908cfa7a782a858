// Numbering distinct texts: dense, stable while the table grows.
#include "designation/text_ids.h"

#include <gtest/gtest.h>

#include <string>

namespace lz::designation {
namespace {

TEST(TextIds, NumbersEachDistinctTextOnceInOrderOfComing) {
    TextIds ids;
    EXPECT_EQ(ids.find("6205"), TextIds::kNone);
    // Far beyond any first table size, so the table grows several times meanwhile.
    for (int i = 0; i < 20000; ++i) {
        ASSERT_EQ(ids.idOf("K" + std::to_string(i)), static_cast<std::uint32_t>(i));
    }
    for (int i = 0; i < 20000; i += 7) {
        EXPECT_EQ(ids.idOf("K" + std::to_string(i)), static_cast<std::uint32_t>(i));
        EXPECT_EQ(ids.find("K" + std::to_string(i)), static_cast<std::uint32_t>(i));
    }
    EXPECT_EQ(ids.size(), 20000u);
    EXPECT_EQ(ids.find("K20000"), TextIds::kNone);
    EXPECT_EQ(ids.find(""), TextIds::kNone);
    EXPECT_EQ(ids.idOf(""), 20000u);
    EXPECT_EQ(ids.find(std::string("K1\0", 3)), TextIds::kNone);
}

}  // namespace
}  // namespace lz::designation
