#pragma once

#include <filesystem>
#include <vector>

#include "bearing_table.h"
#include "price_tables.h"

namespace catgen {

// The catalogue source: the schema block, then every row as multi-row INSERT statements
// (a few hundred rows each, so that building the database stays quick).
bool writeCatalogueSql(const std::filesystem::path& file, const std::vector<BearingRow>& bearing,
                       const std::vector<DomesticPriceRow>& prgc,
                       const std::vector<ImportedPriceRow>& prjk);

}  // namespace catgen
