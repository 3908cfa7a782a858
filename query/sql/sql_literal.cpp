#include "query/sql/sql_literal.h"

namespace lz::query::sql {

std::string quoteDoubled(std::string_view value) {
    std::string doubled;
    doubled.reserve(value.size() + 2);
    for (const char c : value) {
        doubled += c;
        if (c == '\'') {
            doubled += '\'';
        }
    }
    return doubled;
}

std::string quotedLiteral(std::string_view value) {
    return "'" + quoteDoubled(value) + "'";
}

}  // namespace lz::query::sql
