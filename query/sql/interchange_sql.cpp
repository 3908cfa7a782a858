#include "query/sql/interchange_sql.h"

#include <string>
#include <unordered_set>

namespace lz::query::sql {

SearchSql composeBearingRowsInOrder(std::span<const std::int32_t> bh) {
    if (bh.empty()) {
        return std::nullopt;
    }
    std::string listed;
    std::string order;
    std::unordered_set<std::int32_t> seen;
    int place = 0;
    for (const std::int32_t row : bh) {
        if (!seen.insert(row).second) {
            continue;
        }
        const std::string number = std::to_string(row);
        listed += (listed.empty() ? "" : ",") + number;
        order += " when " + number + " then " + std::to_string(place++);
    }
    if (place == 1) {
        return "select * from bearing where bh in (" + listed + ")";
    }
    return "select * from bearing where bh in (" + listed + ") order by case bh" + order + " end";
}

}  // namespace lz::query::sql
