#include "shop/pricing/proposed_price.h"

#include <algorithm>

#include "shop/matching/stock_matcher.h"
#include "shop/pricing/price_keys.h"

namespace lz::shop {

ProposedPrice referenceProposal(const ListPrice& price, TaxBasis basis) {
    const std::optional<Fen> fen =
        basis == TaxBasis::IncludingTax ? price.includingTax : price.excludingTax;
    if (!fen) {
        return {};
    }
    return ProposedPrice{fen, PriceSource::Reference};
}

PriceProposer::PriceProposer(const StockMatcher& matcher, const ReferencePrices& prices,
                             std::span<const StockLine> stock)
    : matcher_(matcher), prices_(prices), stock_(stock) {
    for (const StockLine& line : stock) {
        if (!line.priceFen) {
            continue;
        }
        const auto [found, added] =
            byText_.try_emplace(brandModelKey(line.brand, line.designation), *line.priceFen);
        if (!added) {
            found->second = std::min(found->second, *line.priceFen);
        }
    }
}

std::optional<Fen> PriceProposer::shopPriceOfText(std::string_view designation,
                                                  std::string_view brand) const {
    const auto found = byText_.find(brandModelKey(brand, designation));
    if (found == byText_.end()) {
        return std::nullopt;
    }
    return found->second;
}

ProposedPrice PriceProposer::forRow(std::int32_t bh, TaxBasis basis) const {
    const CatalogueRow* row = matcher_.rows().find(bh);
    if (row == nullptr) {
        return {};
    }
    if (const auto stock = stock_.ofRow(bh, row->newno); stock && stock->lowestPriceFen) {
        return ProposedPrice{stock->lowestPriceFen, PriceSource::Shop};
    }
    if (const auto own = shopPriceOfText(row->ckxh, row->brand)) {
        return ProposedPrice{own, PriceSource::Shop};
    }
    if (const ListPrice* price = prices_.ofRow(bh)) {
        if (ProposedPrice proposal = referenceProposal(*price, basis); proposal.unitPrice) {
            return proposal;
        }
    }
    if (const ListPrice* price = prices_.ofModel(row->brand, row->ckxh)) {
        return referenceProposal(*price, basis);
    }
    return {};
}

ProposedPrice PriceProposer::forDesignation(std::string_view designation, std::string_view brand,
                                            TaxBasis basis) const {
    if (const auto own = shopPriceOfText(designation, brand)) {
        return ProposedPrice{own, PriceSource::Shop};
    }
    // Without a brand the text may still name one row: a maker's own spelling ("6205DDU").
    const LineMatch match = matcher_.match(designation, brand);
    if (match.state == MatchState::Matched && match.bh) {
        if (ProposedPrice proposal = forRow(*match.bh, basis); proposal.unitPrice) {
            return proposal;
        }
    }
    if (const ListPrice* price = prices_.ofModel(brand, designation)) {
        return referenceProposal(*price, basis);
    }
    return {};
}

}  // namespace lz::shop
