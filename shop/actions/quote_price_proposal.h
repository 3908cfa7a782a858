#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "shop/quote/quote.h"
#include "shop/store/stock_line.h"

namespace lz::catalogue {
class CatalogueDatabase;
}

namespace lz::shop::actions {

// What a list row offers: the catalogue row when it names one, and its texts.
struct OfferedBearing {
    std::optional<std::int64_t> bh;
    std::string designation;  // empty: the catalogue row's new designation
    std::string brand;        // empty: the catalogue row's brand
    // A row of a price list carries its own price, excluding and including tax.
    std::optional<Fen> listPriceWithoutTax;
    std::optional<Fen> listPriceWithTax;
};

// The line "加入报价单" makes of it, priced for a quote on `basis`: the shop's price if the
// shop stocks the bearing ("本店价"), else the price list's reference price ("参考价": the
// row's own, or the imported price list's for the bearing's designation and brand), else
// none. The customer's model is the designation offered, to be changed as asked.
QuoteLine proposedLine(catalogue::CatalogueDatabase& database, const OfferedBearing& offered,
                       TaxBasis basis);

// The line of a line of the shop's stock: its designation as the shop writes it, its
// brand, its price as the shop's.
QuoteLine stockQuoteLine(const StockLine& line);

}  // namespace lz::shop::actions
