// The unit price a quote proposes, on the catalogue the program carries: the shop's own
// price first, then the price lists' reference price for the quote's tax basis, else none.
#include "shop/pricing/proposed_price.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/shop/shipped_prices.h"

namespace lz::shop {
namespace {

const test::ShippedPrices& shipped() {
    return test::shippedPrices();
}

StockLine stocked(const char* designation, const char* brand, std::optional<std::int64_t> bh,
                  std::optional<std::int64_t> priceFen) {
    StockLine line;
    line.designation = designation;
    line.brand = brand;
    line.quantity = 5;
    line.priceFen = priceFen;
    line.bh = bh;
    line.match = bh ? MatchState::Matched : MatchState::Unmatched;
    return line;
}

// The shop's shelf in these cases: NSK 6205 (row 463) twice, at 30.00 and 28.00; NSK 6205VV
// (row 470) without a price; and a domestic 6205-2RS of 洛阳 the catalogue has no row for.
const std::vector<StockLine> kShelf = {
    stocked("6205", "NSK", 463, 3000),
    stocked("6205", "NSK", 463, 2800),
    stocked("6205VV", "NSK", 470, std::nullopt),
    stocked("6205-2RS", "洛阳", std::nullopt, 1500),
};

constexpr auto In = TaxBasis::IncludingTax;
constexpr auto Net = TaxBasis::ExcludingTax;
constexpr auto Shop = PriceSource::Shop;
constexpr auto Ref = PriceSource::Reference;
constexpr auto None = PriceSource::None;

TEST(ProposedPrice, ShopFirstThenThePriceListsThenNothing) {
    ASSERT_TRUE(shipped().prices) << "the catalogue's price lists cannot be read";
    const PriceProposer proposer(*shipped().matcher, *shipped().prices, kShelf);

    struct RowCase {
        std::int32_t bh;
        TaxBasis basis;
        std::optional<Fen> price;
        PriceSource source;
        const char* why;
    };
    const RowCase rows[] = {
        {463, In, 2800, Shop, "stocked twice: the lower of the shop's prices"},
        {463, Net, 2800, Shop, "the shop's price whatever the basis"},
        {470, In, std::nullopt, None, "stocked without a price, and in no price list"},
        {466, In, std::nullopt, None, "NSK 6205DDU: in no price list"},
        {22468, In, 4315, Ref, "SKF 6205-2RSH: the list's \"6205-2RS1\", 43.1496 with tax"},
        {22468, Net, 3688, Ref, "SKF 6205-2RSH: 36.88 without tax"},
        {14851, In, 1140, Ref, "NACHI 60002NKE: 11.3958 with tax, half up"},
        {14851, Net, 974, Ref, "NACHI 60002NKE: 9.74 without tax"},
        {0, In, std::nullopt, None, "no such row"},
    };
    for (const RowCase& c : rows) {
        EXPECT_EQ(proposer.forRow(c.bh, c.basis), (ProposedPrice{c.price, c.source}))
            << c.bh << ": " << c.why;
    }

    struct TextCase {
        const char* designation;
        const char* brand;
        TaxBasis basis;
        std::optional<Fen> price;
        PriceSource source;
        const char* why;
    };
    const TextCase texts[] = {
        {"6205 2RS", "洛阳", In, 1500, Shop, "the shop's own line, written another way"},
        {"6205-2Z", "洛阳", In, 1404, Ref, "domestic list, 14.04 with tax"},
        {"6205-2Z", "洛阳", Net, 1200, Ref, "domestic list, 12 without tax"},
        {"80205", "洛阳", In, 1404, Ref, "the same row by its old designation"},
        {"6205-2RS", "哈尔滨", In, 1416, Ref, "14.157 with tax, half up"},
        {"6205", "nsk", Net, 2800, Shop, "matches row 463, which the shop stocks"},
        {"6205", "NSK", In, 2800, Shop, "the same"},
        {"6000 C3", "NACHI", Net, 530, Ref, "listed twice (5.3, 7.39): the first"},
        {"6205-2RS", "", In, std::nullopt, None, "no brand: several makers have it"},
        {"6205-2RS", "天津", In, std::nullopt, None, "a maker no list has"},
        {"XYZ-123", "NSK", In, std::nullopt, None, "no such bearing"},
    };
    for (const TextCase& c : texts) {
        EXPECT_EQ(proposer.forDesignation(c.designation, c.brand, c.basis),
                  (ProposedPrice{c.price, c.source}))
            << c.designation << " " << c.brand << ": " << c.why;
    }
}

TEST(ProposedPrice, WithoutTheShopsStockOnlyThePriceListsPropose) {
    ASSERT_TRUE(shipped().prices);
    const PriceProposer proposer(*shipped().matcher, *shipped().prices, {});
    // NSK 6205: 27.71 without tax, 32.4207 with.
    EXPECT_EQ(proposer.forRow(463, In), (ProposedPrice{3242, Ref}));
    EXPECT_EQ(proposer.forRow(463, Net), (ProposedPrice{2771, Ref}));
    EXPECT_EQ(proposer.forDesignation("6205-2RS", "洛阳", In), (ProposedPrice{}));
}

}  // namespace
}  // namespace lz::shop
