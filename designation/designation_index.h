#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "designation/text_ids.h"

namespace lz::catalogue {
class CatalogueDatabase;
}

namespace lz::designation {

// The designations of one row of the bearing table.
struct DesignationRow {
    std::int32_t bh = 0;  // the row's identity
    std::string newno;    // common (new) designation
    std::string oldno;    // old Chinese designation
    std::string ckxh;     // the maker's own designation
};

// Finds bearings by any of their designations as written on them: every row of the
// bearing table by the keys (designationKey) of its `newno`, `oldno` and `ckxh`. Built
// once, then only read; lookups take microseconds.
class DesignationIndex {
public:
    // Reads bh, newno, oldno and ckxh of every row of `bearing` through the access layer
    // (one record set, closed again). None when the table cannot be read whole: not
    // connected, the statement is rejected, or the record set fails on any row (never a
    // partial index). A row whose bh is no integer cannot be named and is left out.
    static std::optional<DesignationIndex> build(catalogue::CatalogueDatabase& database);
    explicit DesignationIndex(std::span<const DesignationRow> rows);

    // The bh of every row that `typed` names: the rows whose newno, oldno or ckxh has the
    // key of `typed`, and every row whose newno equals (byte for byte, not empty) the
    // newno of one of those. Ascending, each once; empty when the key of `typed` is empty
    // or nothing has it.
    std::vector<std::int32_t> lookup(std::string_view typed) const;
    // The bh of the rows whose own newno, oldno or ckxh has the key of `typed`, without
    // the rows that merely share their newno. Ascending, each once.
    std::vector<std::int32_t> directMatches(std::string_view typed) const;

    std::size_t rowCount() const { return bh_.size(); }

    // The newno of each row by number, for indexes built on top of this one: rows in the
    // order given, their distinct newno numbered 0, 1, 2 … in the order they first come;
    // kNone for a row without newno.
    std::uint32_t newnoOfRow(std::size_t row) const { return groupOfRow_[row]; }

    static constexpr std::uint32_t kNone = TextIds::kNone;

private:
    DesignationIndex() = default;
    void reserve(std::size_t rows);
    void add(std::int32_t bh, std::string_view newno, std::string_view oldno,
             std::string_view ckxh);
    void finish();

    // Per row: its identity, its newno's group (kNone for none) and the next row of that
    // group. Rows are chained in arrays rather than listed per group or per key: building
    // then allocates almost nothing.
    std::vector<std::int32_t> bh_;
    std::vector<std::uint32_t> groupOfRow_;
    std::vector<std::uint32_t> nextInGroup_;
    std::vector<std::uint32_t> firstOfGroup_;  // per newno group
    TextIds newnos_;                           // newno -> group; only while building

    // Per key: its first entry; each entry names a row and the key's next entry.
    TextIds keys_;
    std::vector<std::uint32_t> firstOfKey_;
    std::vector<std::uint32_t> entryRow_;
    std::vector<std::uint32_t> nextEntry_;
    std::string keyBuffer_;  // only while building
};

// The designations of every row of `bearing`, read as DesignationIndex::build reads them;
// none when the table cannot be read whole: not connected, the statement fails, or the
// record set fails part way (rows behind a read error would go missing unseen).
std::optional<std::vector<DesignationRow>> readDesignationRows(
    catalogue::CatalogueDatabase& database);

// The statement that lists the rows `bh` names, for the bearing list's fill:
// "select * from bearing where bh in (3,17,29)". None for no rows.
std::optional<std::string> composeBearingRowsSearch(std::span<const std::int32_t> bh);

}  // namespace lz::designation
