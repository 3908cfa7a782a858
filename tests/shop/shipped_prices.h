#pragma once

#include <memory>

#include "catalogue/catalogue_database.h"
#include "catalogue/image/catalogue_image.h"
#include "shop/matching/stock_matcher.h"
#include "shop/pricing/reference_prices.h"

namespace lz::shop::test {

// The matcher and the price lists of the catalogue the program carries, built once per
// test program; empty pointers when the catalogue cannot be read.
struct ShippedPrices {
    std::unique_ptr<StockMatcher> matcher;
    std::unique_ptr<ReferencePrices> prices;
};

inline const ShippedPrices& shippedPrices() {
    static const ShippedPrices* const built = [] {
        auto* result = new ShippedPrices;
        catalogue::CatalogueDatabase database;
        if (!database.openImage(catalogue::catalogueImage())) {
            return result;
        }
        auto matcher = StockMatcher::build(database);
        if (!matcher) {
            return result;
        }
        result->matcher = std::make_unique<StockMatcher>(std::move(*matcher));
        if (auto prices = ReferencePrices::build(database, *result->matcher)) {
            result->prices = std::make_unique<ReferencePrices>(std::move(*prices));
        }
        return result;
    }();
    return *built;
}

}  // namespace lz::shop::test
