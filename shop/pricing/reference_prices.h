#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

#include "shop/quote/quote.h"

namespace lz::catalogue {
class CatalogueDatabase;
}

namespace lz::shop {

class StockMatcher;

// One row of a price list: the price without tax (nonprice) and with it (price), in fen,
// as the list gives them; a price the list lacks, or gives as 0, is empty.
struct ListPrice {
    std::optional<Fen> excludingTax;
    std::optional<Fen> includingTax;

    bool operator==(const ListPrice&) const = default;
};

// The catalogue's price lists, the imported (prjk) and the domestic (prgc), as reference
// prices for quotes:
// - by catalogue row: each imported price row is matched to a row of the bearing table of
//   its brand through the designation model, as a shop's stock line is ("6205-2RS1" of
//   SKF is SKF's 6205-2RSH row). A row whose own designation (ckxh) is written as the
//   price row's model takes that price before one met through the model; among equals,
//   the first in the list.
// - by brand and model as written (designation keys compared, designation_key.h), for
//   makers the bearing table lacks: the domestic makers ("洛阳", "瓦房店") by their new
//   or old designation. The first row of the list wins.
class ReferencePrices {
public:
    ReferencePrices() = default;

    // Reads both lists through the access layer; none when one cannot be read whole.
    static std::optional<ReferencePrices> build(catalogue::CatalogueDatabase& database,
                                                const StockMatcher& matcher);

    const ListPrice* ofRow(std::int32_t bh) const;
    const ListPrice* ofModel(std::string_view brand, std::string_view model) const;

    std::size_t rowCount() const { return byRow_.size(); }

    // Adds one price row (in list order); `bh` when it matched a catalogue row, `exact`
    // when that row's own designation is written as the price row's model.
    void add(std::string_view brand, std::string_view model, const ListPrice& price,
             std::optional<std::int32_t> bh, bool exact);

private:
    struct RowPrice {
        ListPrice price;
        bool exact = false;
    };
    std::unordered_map<std::int32_t, RowPrice> byRow_;
    std::unordered_map<std::string, ListPrice> byModel_;
};

}  // namespace lz::shop
