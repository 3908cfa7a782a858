#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

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
    // (one record set, closed again). None when the table cannot be read: not connected,
    // or the statement fails. A row whose bh is no integer cannot be named and is left out.
    static std::optional<DesignationIndex> build(catalogue::CatalogueDatabase& database);
    explicit DesignationIndex(std::span<const DesignationRow> rows);

    // The bh of every row that `typed` names: the rows whose newno, oldno or ckxh has the
    // key of `typed`, and every row whose newno equals (byte for byte, not empty) the
    // newno of one of those. Ascending, each once; empty when the key of `typed` is empty
    // or nothing has it.
    std::vector<std::int32_t> lookup(std::string_view typed) const;

    std::size_t rowCount() const { return bh_.size(); }

private:
    static constexpr std::uint32_t kNoGroup = 0xFFFFFFFF;

    void add(const DesignationRow& row, std::unordered_map<std::string, std::uint32_t>& groups);

    std::vector<std::int32_t> bh_;                       // per row
    std::vector<std::uint32_t> group_;                   // per row: its newno's group, or kNoGroup
    std::vector<std::vector<std::uint32_t>> groupRows_;  // per newno: its rows
    std::unordered_map<std::string, std::vector<std::uint32_t>> rowsByKey_;
};

// The statement that lists the rows `bh` names, for the bearing list's fill:
// "select * from bearing where bh in (3,17,29)". None for no rows.
std::optional<std::string> composeBearingRowsSearch(std::span<const std::int32_t> bh);

}  // namespace lz::designation
