#include "cli/query_plan.h"

#include <algorithm>
#include <array>
#include <utility>

#include "catalogue/result_list_headings.h"
#include "cli/designation_lookup.h"
#include "designation/designation_key.h"
#include "designation/width_folding.h"
#include "query/result_lists.h"
#include "query/search_messages.h"
#include "query/sql/bearing_search_sql.h"
#include "query/sql/price_query_sql.h"
#include "shop/store/shop_stock.h"

namespace lz::query_cli {
namespace {

// The statement, or the window's message when it refuses the inputs as empty.
QueryPlan composed(ListColumns columns, query::sql::SearchSql statement,
                   std::string_view emptyInputMessage) {
    QueryPlan plan{columns, std::move(statement), {}};
    if (!plan.statement) {
        plan.refusal = emptyInputMessage;
    }
    return plan;
}

// The texts as the window's searches read them from its boxes: what a full-width input
// mode typed folded to half-width, the rest as given.
Invocation withHalfWidthTexts(Invocation invocation) {
    for (std::string* text :
         {&invocation.text, &invocation.innerDiameter, &invocation.outerDiameter, &invocation.width,
          &invocation.brand, &invocation.type, &invocation.model, &invocation.maker}) {
        *text = designation::foldToHalfWidth(*text);
    }
    return invocation;
}

constexpr std::array<std::string_view, catalogue::kBearingListHeadings.size() + 3>
    kLookupStockHeadings = [] {
        std::array<std::string_view, catalogue::kBearingListHeadings.size() + 3> headings{};
        auto end = std::copy(catalogue::kBearingListHeadings.begin(),
                             catalogue::kBearingListHeadings.end(), headings.begin());
        *end++ = catalogue::kDifferenceHeading;
        *end++ = shop::kShelfQuantityHeading;
        *end = shop::kShelfPriceHeading;
        return headings;
    }();
// Without the stock, the same less the shop's two.
constexpr std::span<const std::string_view> kLookupHeadings =
    std::span(kLookupStockHeadings).first(catalogue::kBearingListHeadings.size() + 1);

// The window refuses text without letters or digits ("-", blanks) as empty: its key is.
QueryPlan planLookup(const std::string& text, bool withStock,
                     catalogue::CatalogueDatabase& database) {
    if (designation::designationKey(text).empty()) {
        return {lookupListColumns(withStock), std::nullopt, query::kEmptySearchMessage};
    }
    LookupStatement lookup = designationLookupStatement(database, text);
    return {lookupListColumns(withStock),
            std::move(lookup.statement),
            {},
            lookup.readFailed,
            std::move(lookup.differenceById)};
}

}  // namespace

ListColumns lookupListColumns(bool withStock) {
    return {withStock ? std::span<const std::string_view>(kLookupStockHeadings) : kLookupHeadings,
            query::kBearingFields};
}

ListColumns bearingListColumns() {
    return {catalogue::kBearingListHeadings, query::kBearingFields};
}

ListColumns importedPriceListColumns() {
    return {catalogue::kImportedPriceListHeadings, query::kImportedPriceFields};
}

ListColumns domesticPriceListColumns() {
    return {catalogue::kDomesticPriceListHeadings, query::kDomesticPriceFields};
}

QueryPlan planQuery(const Invocation& given, catalogue::CatalogueDatabase& database) {
    namespace sql = query::sql;
    const Invocation invocation = withHalfWidthTexts(given);
    switch (invocation.subcommand) {
        case Subcommand::Bearing:
            return composed(
                bearingListColumns(),
                sql::composeSingleFieldSearch(invocation.text, invocation.field, invocation.exact),
                query::kEmptySearchMessage);
        case Subcommand::Combined:
            return composed(
                bearingListColumns(),
                sql::composeCombinedSearch({invocation.innerDiameter, invocation.outerDiameter,
                                            invocation.width, invocation.brand, invocation.type}),
                query::kEmptySearchMessage);
        case Subcommand::Imported:
            return composed(importedPriceListColumns(),
                            sql::composeImportedPriceQuery(invocation.model, invocation.brand),
                            query::kEmptyPriceQueryMessage);
        case Subcommand::Domestic:
            return composed(domesticPriceListColumns(),
                            sql::composeDomesticPriceQuery(invocation.model, invocation.modelColumn,
                                                           invocation.maker),
                            query::kEmptyPriceQueryMessage);
        case Subcommand::Lookup:
            return planLookup(invocation.text, invocation.withStock, database);
        case Subcommand::Measure:
            break;  // no statement of its own: see runMeasure
        case Subcommand::Decode:
            break;
    }
    return {bearingListColumns(), std::nullopt, {}};
}

}  // namespace lz::query_cli
