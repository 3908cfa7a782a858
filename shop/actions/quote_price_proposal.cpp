#include "shop/actions/quote_price_proposal.h"

#include "shop/actions/price_proposer_cache.h"
#include "shop/actions/stock_matcher_cache.h"
#include "shop/matching/stock_matcher.h"
#include "shop/pricing/proposed_price.h"

namespace lz::shop::actions {

QuoteLine proposedLine(const OfferedBearing& offered, TaxBasis basis) {
    QuoteLine line;
    line.offeredModel = offered.designation;
    line.brand = offered.brand;
    const StockMatcher* matcher = mainCatalogueMatcher();
    if (offered.bh && matcher != nullptr) {
        if (const CatalogueRow* row = matcher->rows().find(*offered.bh)) {
            line.offeredModel = row->ckxh.empty() ? row->newno : row->ckxh;
            line.brand = row->brand;
            line.bh = *offered.bh;
        }
    }
    line.askedModel = line.offeredModel;

    ProposedPrice proposal;
    if (const PriceProposer* proposer = mainPriceProposer()) {
        proposal = line.bh ? proposer->forRow(static_cast<std::int32_t>(*line.bh), basis)
                           : proposer->forDesignation(line.offeredModel, line.brand, basis);
    }
    // A price list's row chosen by the counter is the reference, unless the shop has its own.
    if (proposal.source != PriceSource::Shop &&
        (offered.listPriceWithTax || offered.listPriceWithoutTax)) {
        proposal =
            referenceProposal({offered.listPriceWithoutTax, offered.listPriceWithTax}, basis);
    }
    line.unitPrice = proposal.unitPrice;
    line.priceSource = proposal.unitPrice ? proposal.source : PriceSource::None;
    return line;
}

QuoteLine stockQuoteLine(const StockLine& stock) {
    QuoteLine line;
    line.askedModel = stock.designation;
    line.offeredModel = stock.designation;
    line.brand = stock.brand;
    line.bh = stock.bh;
    if (stock.priceFen) {
        line.unitPrice = stock.priceFen;
        line.priceSource = PriceSource::Shop;
    }
    return line;
}

}  // namespace lz::shop::actions
