#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>

#include "shop/pricing/reference_prices.h"
#include "shop/quote/quote.h"
#include "shop/store/shop_stock.h"
#include "shop/store/stock_line.h"

namespace lz::shop {

class StockMatcher;

// The unit price a quote line proposes, and where it came from.
struct ProposedPrice {
    std::optional<Fen> unitPrice;
    PriceSource source = PriceSource::None;

    bool operator==(const ProposedPrice&) const = default;
};

// Proposes unit prices for quote lines:
// 1. the shop's own price when the shop stocks the bearing (its stock line matched to the
//    row, or written with the same designation and brand): PriceSource::Shop. Of several
//    lines at different prices, the lowest, as the "本店价" column starts with it. A line
//    without a price proposes nothing, and the next source is asked;
// 2. otherwise the price lists' reference price (reference_prices.h), "参考价": the price
//    with tax for a quote whose prices include tax, the one without for a net quote;
// 3. otherwise nothing.
// Holds the matcher and the price lists by reference: they must outlive it.
class PriceProposer {
public:
    PriceProposer(const StockMatcher& matcher, const ReferencePrices& prices,
                  std::span<const StockLine> stock);

    // For a row of the bearing table.
    ProposedPrice forRow(std::int32_t bh, TaxBasis basis) const;
    // For a designation and brand as written: the shop's line of that text and brand; the
    // row they match (StockMatcher, "已匹配" only: a maker's own spelling names its
    // maker without a brand); the price lists' row of that brand and model.
    ProposedPrice forDesignation(std::string_view designation, std::string_view brand,
                                 TaxBasis basis) const;

private:
    std::optional<Fen> shopPriceOfText(std::string_view designation, std::string_view brand) const;

    const StockMatcher& matcher_;
    const ReferencePrices& prices_;
    ShopStock stock_;
    // The lowest price of the shop's lines by brand key and designation key.
    std::unordered_map<std::string, Fen> byText_;
};

// The proposal of a reference price row for the quote's tax basis.
ProposedPrice referenceProposal(const ListPrice& price, TaxBasis basis);

}  // namespace lz::shop
