// The shop's stock by catalogue row, as the lists beside interchangeable bearings and the
// quotes ask for it; and the session that keeps the shop file open for the window program.
#include <gtest/gtest.h>

#include "shop/store/shop_session.h"
#include "shop/store/shop_stock.h"
#include "tests/shop/fixture_files.h"
#include "tests/support/temp_dir.h"

namespace lz::shop {
namespace {

StockLine matched(std::optional<std::int64_t> bh, const char* newno,
                  std::optional<std::int64_t> quantity, std::optional<std::int64_t> priceFen,
                  MatchState state = MatchState::Matched) {
    StockLine line;
    line.sourceLine = 2;
    line.designation = "x";
    line.match = state;
    line.bh = bh;
    line.newno = newno;
    line.quantity = quantity;
    line.priceFen = priceFen;
    return line;
}

TEST(ShopStock, MatchedLinesAddUpByRowAndCommonDesignation) {
    const std::vector<StockLine> lines = {
        matched(466, "6205-2RS", 10, 3250),
        matched(466, "6205-2RS", 4, 2990),  // a second shelf of the same bearing
        matched(466, "6205-2RS", {}, {}),   // neither quantity nor price
        matched(8925, "6205-2RS", 2, 4100),
        matched({}, "6206", 7, 1500),  // any brand's 6206
        matched({}, "6205-2RS", 99, 1, MatchState::Pending),
        matched({}, "", 5, 100, MatchState::Unmatched),
    };
    const ShopStock stock(lines);
    EXPECT_EQ(stock.matchedLines(), 5);

    const auto nsk = stock.ofRow(466, "6205-2RS");
    ASSERT_TRUE(nsk);
    EXPECT_EQ(nsk->quantity, 14);
    EXPECT_TRUE(nsk->quantityKnown);
    EXPECT_EQ(nsk->lowestPriceFen, 2990);
    EXPECT_EQ(nsk->highestPriceFen, 3250);
    EXPECT_EQ(nsk->lineCount, 3);
    EXPECT_FALSE(nsk->byDesignationOnly);
    EXPECT_EQ(priceRangeText(*nsk), "29.90–32.50");

    const auto ntn = stock.ofRow(8925);
    ASSERT_TRUE(ntn);
    EXPECT_EQ(ntn->quantity, 2);
    EXPECT_EQ(priceRangeText(*ntn), "41.00");

    // A row of another brand of 6205-2RS: the pending line does not count for it.
    EXPECT_FALSE(stock.ofRow(22468, "6205-2RS"));
    // Every row of 6206 shows the line matched to the designation alone.
    for (const std::int32_t bh : {475, 8931}) {
        const auto any = stock.ofRow(bh, "6206");
        ASSERT_TRUE(any) << bh;
        EXPECT_EQ(any->quantity, 7);
        EXPECT_TRUE(any->byDesignationOnly);
    }
    EXPECT_FALSE(stock.ofRow(475));  // asked without its newno: only lines of the row

    const std::vector<StockLine> bare = {matched(5, "", {}, {})};
    const auto unknown = ShopStock(bare).ofRow(5);
    ASSERT_TRUE(unknown);
    EXPECT_FALSE(unknown->quantityKnown);
    EXPECT_EQ(priceRangeText(*unknown), "");
    EXPECT_TRUE(ShopStock().empty());
}

// The 型号助手's columns 本店库存 and 本店价, and which rows are marked as on the shelf.
TEST(ShopStock, ShelfCellsShowQuantityAndPriceAndMarkWhatIsOnTheShelf) {
    const std::vector<StockLine> lines = {
        matched(466, "6205-2RS", 10, 3250),
        matched(466, "6205-2RS", 2, 3500),
        matched(22467, "6205-2RS/C3", 0, 4000),  // sold out
        matched(8924, "6205-2Z", 3, {}),         // no price given
        matched(8925, "6205-2RS", {}, 4100),     // no quantity given: held all the same
        matched({}, "6206", 7, 1505),            // any brand's 6206
        matched(463, "6205", 5, 2000, MatchState::Pending),
    };
    const ShopStock stock(lines);
    struct Case {
        std::int32_t bh;
        const char* newno;
        const char *quantity, *price;
        bool stocked;
    };
    const Case cases[] = {
        {466, "6205-2RS", "12", "32.50–35.00", true},
        {22467, "6205-2RS/C3", "0", "40.00", false},
        {8924, "6205-2Z", "3", "", true},
        {8925, "6205-2RS", "", "41.00", true},
        {475, "6206", "7", "15.05", true},
        {463, "6205", "", "", false},        // only a line that waits for the user
        {22468, "6205-2RS", "", "", false},  // another brand of a row the shop holds
    };
    for (const Case& each : cases) {
        const ShelfCells cells = shelfCellsOf(stock, each.bh, each.newno);
        EXPECT_EQ(cells.quantity, each.quantity) << each.bh;
        EXPECT_EQ(cells.price, each.price) << each.bh;
        EXPECT_EQ(cells.stocked, each.stocked) << each.bh;
    }
    // No shop data: every cell empty, nothing marked.
    const ShelfCells none = shelfCellsOf(ShopStock(), 466, "6205-2RS");
    EXPECT_EQ(none.quantity, "");
    EXPECT_EQ(none.price, "");
    EXPECT_FALSE(none.stocked);
}

TEST(ShopSession, KeepsTheFileOpenAndRebuildsTheStockAfterAChange) {
    lz::test::TempDir dir;
    ShopSession& session = ShopSession::instance();
    EXPECT_EQ(shopFilePath(dir.path().string()), dir.path() / "shop.sqlite");
    ASSERT_EQ(session.open(shopFilePath(dir.path().string())), ShopFileStatus::Ready);
    ASSERT_NE(session.file(), nullptr);
    EXPECT_EQ(session.unavailableMessage(), "");
    EXPECT_TRUE(session.stock().empty());

    const std::uint64_t before = session.generation();
    ASSERT_TRUE(session.file()->importLines({matched(466, "6205-2RS", 3, 100)}, "a.csv").ok);
    EXPECT_TRUE(session.stock().empty()) << "built once, until told of the change";
    session.changed();
    EXPECT_GT(session.generation(), before);
    EXPECT_EQ(session.stock().ofRow(466)->quantity, 3);

    // Built from the file as from the lines themselves: matched lines by row and by common
    // designation, the others left out.
    const std::vector<StockLine> lines = {
        matched(466, "6205-2RS", 10, 3250),
        matched(466, "6205-2RS", {}, 3500),
        matched({}, "6206", 7, {}),
        matched(475, "6206", 1, 900, MatchState::Pending),
        matched({}, "", 5, 100, MatchState::Unmatched),
    };
    ASSERT_TRUE(session.file()->importLines(lines, "b.csv").ok);
    session.changed();
    EXPECT_EQ(session.stock().matchedLines(), 3);
    const auto nsk = session.stock().ofRow(466);
    ASSERT_TRUE(nsk);
    EXPECT_EQ(nsk->quantity, 10);
    EXPECT_EQ(priceRangeText(*nsk), "32.50–35.00");
    const auto any = session.stock().ofRow(475, "6206");
    ASSERT_TRUE(any) << "the pending line for 475 does not hide the designation's";
    EXPECT_EQ(any->quantity, 7);
    EXPECT_TRUE(any->byDesignationOnly);

    // A file that is not ours: no shop data, and the reason.
    test::writeBytes(dir.path() / "other.sqlite", "not a database at all, but long enough....");
    EXPECT_EQ(session.open(dir.path() / "other.sqlite"), ShopFileStatus::NotOurs);
    EXPECT_EQ(session.file(), nullptr);
    EXPECT_EQ(session.unavailableMessage(),
              "本店数据文件不是本程序的文件，未作任何改动；本次不使用本店数据");
    EXPECT_TRUE(session.stock().empty());
    session.close();
    EXPECT_EQ(session.unavailableMessage(), "");
}

}  // namespace
}  // namespace lz::shop
