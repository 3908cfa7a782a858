#include "query/sql/interchange_sql.h"

#include <string>

#include "query/sql/sql_literal.h"

namespace lz::query::sql {

SearchSql composeInterchangeSearch(std::string_view newDesignation) {
    if (newDesignation.empty()) {
        return std::nullopt;
    }
    return "select * from bearing where newno = " + quotedLiteral(newDesignation);
}

}  // namespace lz::query::sql
