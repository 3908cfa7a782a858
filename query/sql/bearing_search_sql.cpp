#include "query/sql/bearing_search_sql.h"

#include "query/sql/sql_literal.h"

namespace lz::query::sql {
namespace {

constexpr std::string_view kSelect = "select * from bearing where ";

std::string equals(std::string_view column, std::string_view value) {
    return std::string(column) + "=" + quotedLiteral(value);
}

std::string contains(std::string_view column, std::string_view value) {
    return std::string(column) + " like '%" + quoteDoubled(value) + "%'";
}

std::string_view columnOf(SingleField field) {
    switch (field) {
        case SingleField::NewDesignation:
            return "newno";
        case SingleField::OldDesignation:
            return "oldno";
        case SingleField::InnerDiameter:
            return "njin";
        case SingleField::OuterDiameter:
            return "wjin";
        case SingleField::Width:
            return "gdu";
    }
    return "newno";
}

bool isDesignation(SingleField field) {
    return field == SingleField::NewDesignation || field == SingleField::OldDesignation;
}

bool setsCondition(std::string_view combo, std::string_view prompt) {
    return combo != prompt && combo != kAll;
}

// The brand and type searches: the key first, then the filled dimensions in the order
// inner diameter, outer diameter, width.
SearchSql keyedSearch(std::string_view keyColumn, std::string_view key,
                      const BearingSearchValues& values) {
    if (key.empty()) {
        return std::nullopt;
    }
    std::string sql = std::string(kSelect) + equals(keyColumn, key);
    for (const auto& [column, value] :
         {std::pair{"njin", values.innerDiameter}, std::pair{"wjin", values.outerDiameter},
          std::pair{"gdu", values.width}}) {
        if (!value.empty()) {
            sql += " and " + equals(column, value);
        }
    }
    return sql;
}

}  // namespace

SearchSql composeSingleFieldSearch(std::string_view text, SingleField field, bool exact) {
    if (text.empty()) {
        return std::nullopt;
    }
    const std::string_view column = columnOf(field);
    if (exact && !isDesignation(field)) {
        return std::string(kSelect) + equals(column, text);
    }
    return std::string(kSelect) + contains(column, text);
}

SearchSql composeCombinedSearch(const BearingSearchValues& values) {
    if (values.innerDiameter.empty() && values.width.empty() && values.outerDiameter.empty() &&
        values.type == kAll && values.brand == kAll) {
        return std::nullopt;
    }
    // The joints carry no space before "and", and two after it before "btype": the
    // statements have always read so, and nothing gains from changing them.
    std::string sql(kSelect);
    const auto append = [&sql](std::string_view joint, std::string condition) {
        if (sql.size() != kSelect.size()) {
            sql += joint;
        }
        sql += condition;
    };
    if (!values.innerDiameter.empty()) {
        append("", equals("njin", values.innerDiameter));
    }
    if (!values.outerDiameter.empty()) {
        append("and ", equals("wjin", values.outerDiameter));
    }
    if (!values.width.empty()) {
        append("and ", equals("gdu", values.width));
    }
    if (setsCondition(values.brand, kBrandPrompt)) {
        append("and ", equals("ppai", values.brand));
    }
    if (setsCondition(values.type, kTypePrompt)) {
        append("and  ", equals("btype", values.type));
    }
    if (sql.size() == kSelect.size()) {
        return "select * from bearing ";
    }
    return sql;
}

SearchSql composeBrandSearch(const BearingSearchValues& values) {
    return keyedSearch("ppai", values.brand, values);
}

SearchSql composeTypeSearch(const BearingSearchValues& values) {
    return keyedSearch("btype", values.type, values);
}

SearchSql composeDimensionSearch(const BearingSearchValues& values) {
    const bool inner = !values.innerDiameter.empty();
    const bool outer = !values.outerDiameter.empty();
    const bool width = !values.width.empty();
    if (inner && outer && width) {
        // Width first, inner diameter last: the order in which this search always wrote it.
        return std::string(kSelect) + equals("gdu", values.width) + " and " +
               equals("wjin", values.outerDiameter) + " and " +
               equals("njin", values.innerDiameter);
    }
    if (inner + outer + width != 1) {
        return std::nullopt;
    }
    if (inner) {
        return std::string(kSelect) + equals("njin", values.innerDiameter);
    }
    if (outer) {
        return std::string(kSelect) + equals("wjin", values.outerDiameter);
    }
    return std::string(kSelect) + equals("gdu", values.width);
}

}  // namespace lz::query::sql
