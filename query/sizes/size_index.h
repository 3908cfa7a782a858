#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "query/sizes/size_match.h"

namespace lz::catalogue {
class CatalogueDatabase;
}

namespace lz::sizes {

struct Measurement;

// One row of the bearing table as the index reads it: its identity, its sizes as the
// catalogue writes them, and its bearing type.
struct SizeRow {
    std::int32_t bh = 0;
    std::string_view inner;  // njin
    std::string_view outer;  // wjin
    std::string_view width;  // gdu
    std::string_view type;   // btype
};

// The sizes of the bearing table as numbers, for searches by measured size. Each row's
// njin, wjin and gdu are read once (readCatalogueSize); a row with any of them no positive
// number stays out and is counted. The rows are kept by nominal size: the catalogue's
// 59,188 rows have about 2,500 distinct sizes, kept sorted by outer diameter, so a search
// looks only at the sizes whose D lies within tolerance, and never at the rows of others.
// Built once, then only read.
class SizeIndex {
public:
    // Reads bh, njin, wjin, gdu and btype of every row of `bearing` through the access
    // layer (one record set, closed again). None when the table cannot be read: not
    // connected, the statement fails, or the record set fails part way; nothing partial
    // is ever kept. A row whose bh is no integer cannot be named and is left out too.
    static std::optional<SizeIndex> build(catalogue::CatalogueDatabase& database);
    explicit SizeIndex(std::span<const SizeRow> rows);

    std::size_t rowCount() const { return rowBh_.size(); }  // the rows indexed
    std::size_t leftOutCount() const { return leftOut_; }   // the rows left out
    std::size_t sizeCount() const { return sizes_.size(); }

    // The bearing types of the indexed rows, each once, in the order the table first
    // names them; rows without a type are found only under "全部".
    const std::vector<std::string>& types() const { return types_; }
    bool hasType(std::string_view type) const;

    // The nominal sizes within tolerance of `measurement`, with their rows of its type,
    // nearest first (nearerThan); when there are none, the nearest sizes instead, cut
    // after kNearestRows rows. Empty only when no row has the type asked for.
    SizeSearch search(const Measurement& measurement) const;

    // The heap bytes the index holds.
    std::size_t memoryBytes() const;

private:
    static constexpr std::uint16_t kNoType = 0;

    struct Entry;
    struct Candidate;

    SizeIndex() = default;
    void addRow(std::int32_t bh, std::string_view inner, std::string_view outer,
                std::string_view width, std::string_view type, std::vector<Entry>& entries);
    void finish(std::vector<Entry>& entries);
    std::uint16_t typeId(std::string_view type);  // kNoType for the empty text
    // How many rows size `size` has of type `type` (none: of every type).
    std::size_t rowsOfType(std::size_t size, std::optional<std::uint16_t> type) const;
    SizeGroup groupOf(const Candidate& candidate, std::optional<std::uint16_t> type,
                      std::size_t mostRows) const;

    std::vector<NominalSize> sizes_;       // by outer diameter, then bore, then width
    std::vector<std::uint32_t> firstRow_;  // per size, and one past the last
    std::vector<std::int32_t> rowBh_;      // rows by size, then bh
    std::vector<std::uint16_t> rowType_;   // per row: 1 + its index in types_, or kNoType
    std::vector<std::string> types_;
    std::size_t leftOut_ = 0;
};

}  // namespace lz::sizes
