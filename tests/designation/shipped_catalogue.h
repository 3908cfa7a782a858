#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "catalogue/catalogue_database.h"
#include "designation/canonical_index.h"
#include "designation/designation_index.h"

namespace lz::designation::test {

// The catalogue the program carries, opened in memory, its rows and both indexes over
// them: built once for all tests of the executable.
struct ShippedCatalogue {
    catalogue::CatalogueDatabase database;
    std::vector<DesignationRow> rows;
    std::unordered_map<std::int32_t, std::size_t> rowOfBh;
    std::optional<CanonicalIndex> index;
    std::optional<DesignationIndex> keys;

    const DesignationRow& row(std::int32_t bh) const { return rows.at(rowOfBh.at(bh)); }
};

const ShippedCatalogue& shippedCatalogue();

}  // namespace lz::designation::test
