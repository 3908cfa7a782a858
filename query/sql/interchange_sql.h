#pragma once

#include <string_view>

#include "query/sql/bearing_search_sql.h"

namespace lz::query::sql {

// Every bearing row whose common designation equals `newDesignation`, across all brands:
// "select * from bearing where newno = '6205-2RS'", the value quoted. None when it is
// empty: a row without a common designation has no interchangeable rows.
SearchSql composeInterchangeSearch(std::string_view newDesignation);

}  // namespace lz::query::sql
