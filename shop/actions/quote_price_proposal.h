#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "shop/quote/quote.h"
#include "shop/store/stock_line.h"

namespace lz::shop::actions {

// What a list row offers: a row of the bearing table, or a designation and brand with the
// price list's own prices (a row of a price list).
struct OfferedBearing {
    std::optional<std::int32_t> bh;
    std::string designation;
    std::string brand;
    std::optional<Fen> listPriceWithoutTax;
    std::optional<Fen> listPriceWithTax;
};

// The line "加入报价单" makes of it, priced for a quote on `basis` (shop/pricing): the shop's
// price if the shop stocks the bearing ("本店价"), else the price list's reference price
// ("参考价"; a price list's row its own), else none. A catalogue row is offered in its
// maker's writing (NSK's 6205-2RS as "6205DDU"), as a quote from an enquiry offers it; the
// 询价型号 starts as the designation offered, for the counter to change to the customer's
// words. Without the catalogue's price lists (not readable whole) the line has no price.
QuoteLine proposedLine(const OfferedBearing& offered, TaxBasis basis);

// The line of a line of the shop's stock: its designation as the shop writes it, its
// brand, its price as the shop's.
QuoteLine stockQuoteLine(const StockLine& line);

}  // namespace lz::shop::actions
