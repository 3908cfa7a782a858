#include "shop/pricing/reference_prices.h"

#include "catalogue/catalogue_database.h"
#include "catalogue/field_value.h"
#include "designation/designation_key.h"
#include "shop/matching/stock_matcher.h"
#include "shop/pricing/price_keys.h"
#include "shop/store/money.h"

namespace lz::shop {

namespace {

constexpr const char* kImportedSql = "select ppai, newno, nonprice, price from prjk order by ID";
constexpr const char* kDomesticSql =
    "select ppai, newno, oldno, nonprice, price from prgc order by id";

std::optional<Fen> listFen(std::string text) {
    const auto fen = parseFen(text);
    if (!fen || *fen <= 0) {
        return std::nullopt;
    }
    return fen;
}

// Runs `sql` and hands every row's record set to `row`; false when the list cannot be read
// whole.
template <class RowFunction>
bool readList(catalogue::CatalogueDatabase& database, const char* sql, RowFunction row) {
    const catalogue::RecordSetHandle handle = database.OpenTable(sql);
    if (handle == 0) {
        return false;
    }
    for (database.MoveFirst(handle); !database.IsEOF(handle); database.MoveNext(handle)) {
        row(handle);
    }
    const bool failed = database.HasFailed(handle);
    database.CloseTable(handle);
    return !failed;
}

}  // namespace

std::optional<ReferencePrices> ReferencePrices::build(catalogue::CatalogueDatabase& database,
                                                      const StockMatcher& matcher) {
    ReferencePrices prices;
    auto text = [&](catalogue::RecordSetHandle handle, const char* column) {
        return catalogue::textValue(database.ReadColByName(handle, column));
    };
    const bool imported = readList(database, kImportedSql, [&](catalogue::RecordSetHandle h) {
        const std::string brand = text(h, "ppai");
        const std::string model = text(h, "newno");
        const ListPrice price{listFen(text(h, "nonprice")), listFen(text(h, "price"))};
        if (model.empty() || (!price.excludingTax && !price.includingTax)) {
            return;
        }
        std::optional<std::int32_t> bh;
        bool exact = false;
        if (!brandKey(brand).empty()) {
            const LineMatch match = matcher.match(model, brand);
            if (match.state == MatchState::Matched && match.bh) {
                bh = match.bh;
                const CatalogueRow* row = matcher.rows().find(*match.bh);
                exact = row != nullptr && designation::designationKey(row->ckxh) ==
                                              designation::designationKey(model);
            }
        }
        prices.add(brand, model, price, bh, exact);
    });
    if (!imported) {
        return std::nullopt;
    }
    const bool domestic = readList(database, kDomesticSql, [&](catalogue::RecordSetHandle h) {
        const std::string brand = text(h, "ppai");
        const ListPrice price{listFen(text(h, "nonprice")), listFen(text(h, "price"))};
        if (!price.excludingTax && !price.includingTax) {
            return;
        }
        for (const char* column : {"newno", "oldno"}) {
            const std::string model = text(h, column);
            if (!model.empty()) {
                prices.add(brand, model, price, std::nullopt, false);
            }
        }
    });
    if (!domestic) {
        return std::nullopt;
    }
    return prices;
}

void ReferencePrices::add(std::string_view brand, std::string_view model, const ListPrice& price,
                          std::optional<std::int32_t> bh, bool exact) {
    if (brandKey(brand).empty() || designation::designationKey(model).empty()) {
        return;
    }
    byModel_.try_emplace(brandModelKey(brand, model), price);
    if (bh) {
        auto [found, added] = byRow_.try_emplace(*bh, RowPrice{price, exact});
        if (!added && exact && !found->second.exact) {
            found->second = RowPrice{price, exact};
        }
    }
}

const ListPrice* ReferencePrices::ofRow(std::int32_t bh) const {
    const auto found = byRow_.find(bh);
    return found == byRow_.end() ? nullptr : &found->second.price;
}

const ListPrice* ReferencePrices::ofModel(std::string_view brand, std::string_view model) const {
    if (brandKey(brand).empty()) {
        return nullptr;
    }
    const auto found = byModel_.find(brandModelKey(brand, model));
    return found == byModel_.end() ? nullptr : &found->second;
}

}  // namespace lz::shop
