#include "query/sql/price_query_sql.h"

#include <string>

#include "query/sql/sql_literal.h"

namespace lz::query::sql {
namespace {

// The two spellings of one maker: the list's item and the catalogue's stored value.
constexpr std::string_view kMakerAsListed = "菏泽湖西";
constexpr std::string_view kMakerAsStored = "荷泽湖西";

std::string modelContains(std::string_view column, std::string_view model) {
    return std::string(column) + " like '%" + quoteDoubled(model) + "%'";
}

std::string makerCondition(std::string_view maker) {
    if (maker == kMakerAsListed || maker == kMakerAsStored) {
        return "ppai in (" + quotedLiteral(kMakerAsListed) + "," + quotedLiteral(kMakerAsStored) +
               ")";
    }
    return "ppai=" + quotedLiteral(maker);
}

}  // namespace

SearchSql composeImportedPriceQuery(std::string_view model, std::string_view brand) {
    if (model.empty() && brand == kAll) {
        return std::nullopt;
    }
    std::string sql;
    if (!model.empty()) {
        sql = "select * from prjk where " + modelContains("newno", model);
    }
    if (brand != kAll) {
        const std::string condition = "ppai=" + quotedLiteral(brand);
        sql += sql.empty() ? "select * from prjk where " + condition : " and  " + condition;
    }
    return sql;
}

SearchSql composeDomesticPriceQuery(std::string_view model, DomesticModelColumn column,
                                    std::string_view maker) {
    if (model.empty() && maker == kAll) {
        return std::nullopt;
    }
    std::string sql;
    if (!model.empty() && column != DomesticModelColumn::Neither) {
        sql = "select * from prgc where " +
              modelContains(column == DomesticModelColumn::New ? "newno" : "oldno", model);
    }
    if (maker != kAll) {
        // Two spaces before "where" here, and after "and": how these statements read.
        const std::string condition = makerCondition(maker);
        sql += sql.empty() ? "select * from prgc  where " + condition : " and  " + condition;
    }
    if (sql.empty()) {
        return "select * from prgc";
    }
    return sql;
}

}  // namespace lz::query::sql
