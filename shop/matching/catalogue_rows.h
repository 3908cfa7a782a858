#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "designation/designation_index.h"

namespace lz::catalogue {
class CatalogueDatabase;
}

namespace lz::shop {

// What a shop's list needs to know of one row of the bearing table: whose bearing it is
// and its designations, to match lines by brand and to show the user what a line matched.
struct CatalogueRow {
    std::int32_t bh = 0;
    std::string newno;  // common designation
    std::string ckxh;   // the maker's own designation
    std::string brand;  // ppai as the catalogue writes it
};

// The rows of the bearing table by bh.
class CatalogueRows {
public:
    CatalogueRows() = default;
    explicit CatalogueRows(std::vector<CatalogueRow> rows);

    const CatalogueRow* find(std::int32_t bh) const;
    // The brand of a row as compared (brandKey), or empty for an unknown bh.
    std::string_view brandKeyOf(std::int32_t bh) const;

    // Every brand once, in the catalogue's spelling, the brands of most rows first: the
    // spellings the import writes brands in.
    std::vector<std::string> brands() const;

    std::size_t size() const { return rows_.size(); }

private:
    std::vector<CatalogueRow> rows_;          // ascending bh
    std::vector<std::uint32_t> brandOf_;      // per row: index into brandKeys_
    std::vector<std::string> brandKeys_;      // distinct keys
    std::vector<std::string> brandSpelling_;  // per key: the first spelling met
    std::vector<std::uint32_t> brandRows_;    // per key: rows
};

// A brand as brands are compared: spaces at both ends dropped, ASCII letters in lower case
// ("EZO ", "ezo" and "EZO" are one brand). Blanks and "-" are no brand: empty.
std::string brandKey(std::string_view brand);

// Both the designations (as the canonical index reads them) and the rows of the bearing
// table, read in one pass through the access layer. None when the table cannot be read
// whole (not connected, or the record set fails part way).
struct CatalogueTables {
    std::vector<designation::DesignationRow> designations;
    std::vector<CatalogueRow> rows;
};
std::optional<CatalogueTables> readCatalogueTables(catalogue::CatalogueDatabase& database);

}  // namespace lz::shop
