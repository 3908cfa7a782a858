#pragma once

#include <string_view>

#include "query/sql/bearing_search_sql.h"

namespace lz::query::sql {

// The imported price list: models containing `model`, of brand `brand`, or both; "全部"
// sets no brand. None when the model is empty and the brand is "全部".
SearchSql composeImportedPriceQuery(std::string_view model, std::string_view brand);

// Which model column the domestic query matches (the page's two radio buttons; the new
// one is asked first).
enum class DomesticModelColumn { New, Old, Neither };

// The domestic price list: models containing `model` in the chosen column, of maker
// `maker`, or both; "全部" sets no maker. With a model but neither column chosen and no
// maker, the whole list. None when the model is empty and the maker is "全部".
//
// The maker "菏泽湖西" offered by the maker list is stored as "荷泽湖西": either spelling
// finds the rows stored under either one.
SearchSql composeDomesticPriceQuery(std::string_view model, DomesticModelColumn column,
                                    std::string_view maker);

}  // namespace lz::query::sql
