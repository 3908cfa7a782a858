// The order and filter of the 本店库存 window, on lines written here.
#include "shop/actions/stock_list_order.h"

#include <gtest/gtest.h>

namespace lz::shop::actions {
namespace {

StockLine line(const char* designation, const char* brand, std::optional<std::int64_t> quantity,
               std::optional<std::int64_t> price, const char* location = "",
               MatchState state = MatchState::Matched) {
    StockLine stock;
    stock.designation = designation;
    stock.brand = brand;
    stock.quantity = quantity;
    stock.priceFen = price;
    stock.location = location;
    stock.match = state;
    return stock;
}

const std::vector<StockLine> kLines = {
    line("6205-2RS", "NSK", 10, 3250, "A-01"),
    line("6206", "", {}, 1200, "", MatchState::Pending),
    line("6204ZZ", "skf", 3, {}, "b-02"),
    line("NU205E", "FAG", 0, 9900, "A-03", MatchState::Unmatched),
    line("6205", "NSK", 10, 2000),
};

std::vector<std::string> designations(const std::vector<std::size_t>& shown) {
    std::vector<std::string> texts;
    for (const std::size_t k : shown) {
        texts.push_back(kLines[k].designation);
    }
    return texts;
}

TEST(StockListOrder, SortsByAnyColumnWithEmptyCellsLastAndTiesAsImported) {
    using Texts = std::vector<std::string>;
    const struct {
        StockListOrder order;
        Texts expected;
    } cases[] = {
        {{-1, true}, {"6205-2RS", "6206", "6204ZZ", "NU205E", "6205"}},
        {{0, true}, {"6204ZZ", "6205", "6205-2RS", "6206", "NU205E"}},
        {{0, false}, {"NU205E", "6206", "6205-2RS", "6205", "6204ZZ"}},
        {{1, true}, {"NU205E", "6205-2RS", "6205", "6204ZZ", "6206"}},  // "" last
        {{2, true}, {"NU205E", "6204ZZ", "6205-2RS", "6205", "6206"}},  // 0 < 3 < 10 = 10
        {{2, false}, {"6205-2RS", "6205", "6204ZZ", "NU205E", "6206"}},
        {{3, true}, {"6206", "6205", "6205-2RS", "NU205E", "6204ZZ"}},
        {{3, false}, {"NU205E", "6205-2RS", "6205", "6206", "6204ZZ"}},
        {{4, true}, {"6205-2RS", "NU205E", "6204ZZ", "6206", "6205"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(designations(shownLines(kLines, "", c.order)), c.expected)
            << c.order.column << (c.order.ascending ? " up" : " down");
    }
}

TEST(StockListOrder, AHeadingClickedTwiceTurnsTheOrder) {
    const StockListOrder none;
    EXPECT_EQ(none.clicked(3).column, 3);
    EXPECT_TRUE(none.clicked(3).ascending);
    EXPECT_FALSE(none.clicked(3).clicked(3).ascending);
    EXPECT_TRUE(none.clicked(3).clicked(3).clicked(3).ascending);
    EXPECT_TRUE(none.clicked(3).clicked(3).clicked(1).ascending);
}

TEST(StockListOrder, TheFilterWantsEveryWordInAnyField) {
    using Texts = std::vector<std::string>;
    EXPECT_EQ(designations(shownLines(kLines, "nsk", {})), (Texts{"6205-2RS", "6205"}));
    EXPECT_EQ(designations(shownLines(kLines, "NSK 2rs", {})), (Texts{"6205-2RS"}));
    EXPECT_EQ(designations(shownLines(kLines, "SKF", {})), (Texts{"6204ZZ"}));
    EXPECT_EQ(designations(shownLines(kLines, "B-02", {})), (Texts{"6204ZZ"}));
    EXPECT_EQ(designations(shownLines(kLines, "待确认", {})), (Texts{"6206"}));
    EXPECT_EQ(designations(shownLines(kLines, "  a-0  ", {2, true})),
              (Texts{"NU205E", "6205-2RS"}));
    EXPECT_EQ(shownLines(kLines, "7205", {}).size(), 0u);
    EXPECT_EQ(shownLines(kLines, "   ", {}).size(), 5u);
}

}  // namespace
}  // namespace lz::shop::actions
