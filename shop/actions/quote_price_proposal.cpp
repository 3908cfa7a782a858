#include "shop/actions/quote_price_proposal.h"

#include "catalogue/catalogue_database.h"
#include "shop/quote/quote_text.h"
#include "shop/store/shop_session.h"

namespace lz::shop::actions {
namespace {

// A text as an SQL string literal.
std::string sqlText(std::string_view text) {
    std::string literal = "'";
    for (const char c : text) {
        literal += c;
        if (c == '\'') {
            literal += '\'';
        }
    }
    return literal + "'";
}

std::optional<Fen> priceField(catalogue::CatalogueDatabase& database,
                              catalogue::RecordSetHandle handle, std::string_view column) {
    const Entry<Fen> price =
        parseUnitPrice(catalogue::fieldText(database.ReadColByName(handle, column)));
    return price.ok() && price.value && *price.value > 0 ? price.value : std::nullopt;
}

// The bearing's designation and brand, when the row gives none of its own, and its
// maker's writing (the price list names most bearings so).
std::string readBearing(catalogue::CatalogueDatabase& database, OfferedBearing& offered) {
    const catalogue::RecordSetHandle handle = database.OpenTable(
        "SELECT newno, ppai, ckxh FROM bearing WHERE bh = " + std::to_string(*offered.bh));
    std::string makersWriting;
    if (handle != 0 && !database.IsEOF(handle)) {
        makersWriting = catalogue::fieldText(database.ReadColByName(handle, "ckxh"));
        if (offered.designation.empty()) {
            offered.designation = catalogue::fieldText(database.ReadColByName(handle, "newno"));
        }
        if (offered.brand.empty()) {
            offered.brand = catalogue::fieldText(database.ReadColByName(handle, "ppai"));
        }
    }
    database.CloseTable(handle);
    return makersWriting;
}

// The imported price list's prices of the bearing and brand, by the maker's writing first
// (most of its rows name bearings so), else by the common designation.
void readListPrices(catalogue::CatalogueDatabase& database, OfferedBearing& offered,
                    const std::string& makersWriting) {
    const catalogue::RecordSetHandle handle = database.OpenTable(
        "SELECT nonprice, price FROM prjk WHERE ppai = " + sqlText(offered.brand) +
        " AND newno IN (" + sqlText(makersWriting) + ", " + sqlText(offered.designation) +
        ") ORDER BY newno = " + sqlText(makersWriting) + " DESC, ID LIMIT 1");
    if (handle != 0 && !database.IsEOF(handle)) {
        offered.listPriceWithoutTax = priceField(database, handle, "nonprice");
        offered.listPriceWithTax = priceField(database, handle, "price");
    }
    database.CloseTable(handle);
}

}  // namespace

QuoteLine proposedLine(catalogue::CatalogueDatabase& database, const OfferedBearing& given,
                       TaxBasis basis) {
    OfferedBearing offered = given;
    std::string makersWriting;
    if (offered.bh) {
        makersWriting = readBearing(database, offered);
    }
    QuoteLine line;
    line.askedModel = offered.designation;
    line.offeredModel = offered.designation;
    line.brand = offered.brand;
    line.bh = offered.bh;
    if (offered.bh) {
        if (const auto stock = ShopSession::instance().stock().ofRow(
                static_cast<std::int32_t>(*offered.bh), offered.designation);
            stock && stock->lowestPriceFen) {
            line.unitPrice = stock->lowestPriceFen;
            line.priceSource = PriceSource::Shop;
            return line;
        }
        if (!offered.listPriceWithTax && !offered.listPriceWithoutTax) {
            readListPrices(database, offered, makersWriting);
        }
    }
    const std::optional<Fen> reference =
        basis == TaxBasis::IncludingTax ? offered.listPriceWithTax : offered.listPriceWithoutTax;
    if (reference) {
        line.unitPrice = reference;
        line.priceSource = PriceSource::Reference;
    }
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
