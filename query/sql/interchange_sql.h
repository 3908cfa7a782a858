#pragma once

#include <cstdint>
#include <span>

#include "query/sql/bearing_search_sql.h"

namespace lz::query::sql {

// The bearing rows `bh` names, in the order given: "select * from bearing where bh in
// (7,8,9) order by case bh when 7 then 0 when 8 then 1 when 9 then 2 end". The grouped
// lookups ("互换型号", the 型号助手 and the command line's lookup) rank their rows, and a
// list filled by this statement keeps that rank. A number given twice keeps its first
// place. None for no rows.
SearchSql composeBearingRowsInOrder(std::span<const std::int32_t> bh);

}  // namespace lz::query::sql
