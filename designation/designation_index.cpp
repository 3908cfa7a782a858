#include "designation/designation_index.h"

#include <algorithm>
#include <type_traits>
#include <utility>
#include <variant>

#include "catalogue/catalogue_database.h"
#include "designation/designation_key.h"

namespace lz::designation {
namespace {

constexpr std::string_view kRowsSql = "select bh, newno, oldno, ckxh from bearing";
// Room for the shipped catalogue's rows from the start; a larger table merely grows.
constexpr std::size_t kExpectedRows = 60000;

}  // namespace

std::optional<DesignationIndex> DesignationIndex::build(catalogue::CatalogueDatabase& database) {
    // Rows lost to a read error would go missing from every lookup, unseen: no rows, no index.
    const std::optional<std::vector<DesignationRow>> rows = readDesignationRows(database);
    if (!rows) {
        return std::nullopt;
    }
    return DesignationIndex(*rows);
}

std::optional<std::vector<DesignationRow>> readDesignationRows(
    catalogue::CatalogueDatabase& database) {
    const catalogue::RecordSetHandle handle = database.OpenTable(kRowsSql);
    if (handle == 0) {
        return std::nullopt;
    }
    std::vector<DesignationRow> rows;
    rows.reserve(kExpectedRows);
    for (database.MoveFirst(handle); !database.IsEOF(handle); database.MoveNext(handle)) {
        const std::optional<std::int32_t> bh =
            catalogue::integerValue(database.ReadColByName(handle, "bh"));
        if (!bh) {
            continue;
        }
        rows.push_back({*bh, catalogue::textValue(database.ReadColByName(handle, "newno")),
                        catalogue::textValue(database.ReadColByName(handle, "oldno")),
                        catalogue::textValue(database.ReadColByName(handle, "ckxh"))});
    }
    const bool failed = database.HasFailed(handle);
    database.CloseTable(handle);
    if (failed) {
        return std::nullopt;
    }
    return rows;
}

DesignationIndex::DesignationIndex(std::span<const DesignationRow> rows) {
    reserve(rows.size());
    for (const DesignationRow& row : rows) {
        add(row.bh, row.newno, row.oldno, row.ckxh);
    }
    finish();
}

void DesignationIndex::reserve(std::size_t rows) {
    bh_.reserve(rows);
    groupOfRow_.reserve(rows);
    nextInGroup_.reserve(rows);
    firstOfGroup_.reserve(rows / 2);
    newnos_.reserve(rows / 2, rows * 8);
    keys_.reserve(rows, rows * 16);
    firstOfKey_.reserve(rows);
    entryRow_.reserve(rows * 2);
    nextEntry_.reserve(rows * 2);
}

void DesignationIndex::finish() {
    newnos_ = TextIds();
    keyBuffer_ = std::string();
}

void DesignationIndex::add(std::int32_t bh, std::string_view newno, std::string_view oldno,
                           std::string_view ckxh) {
    const auto row = static_cast<std::uint32_t>(bh_.size());
    bh_.push_back(bh);
    std::uint32_t group = kNone;
    std::uint32_t next = kNone;
    if (!newno.empty()) {
        group = newnos_.idOf(newno);
        if (group == firstOfGroup_.size()) {
            firstOfGroup_.push_back(kNone);
        }
        next = firstOfGroup_[group];
        firstOfGroup_[group] = row;
    }
    groupOfRow_.push_back(group);
    nextInGroup_.push_back(next);

    // A row is listed once under each of its keys, however many of its designations
    // share that key (oldno is often newno again).
    std::uint32_t keys[3];
    int keyCount = 0;
    std::string& text = keyBuffer_;
    for (const std::string_view designation : {newno, oldno, ckxh}) {
        designationKeyInto(designation, text);
        if (text.empty()) {
            continue;
        }
        const std::uint32_t key = keys_.idOf(text);
        if (std::find(keys, keys + keyCount, key) != keys + keyCount) {
            continue;
        }
        keys[keyCount++] = key;
        if (key == firstOfKey_.size()) {
            firstOfKey_.push_back(kNone);
        }
        entryRow_.push_back(row);
        nextEntry_.push_back(firstOfKey_[key]);
        firstOfKey_[key] = static_cast<std::uint32_t>(entryRow_.size() - 1);
    }
}

std::vector<std::int32_t> DesignationIndex::lookup(std::string_view typed) const {
    const std::string text = designationKey(typed);
    const std::uint32_t key = text.empty() ? kNone : keys_.find(text);
    if (key == kNone) {
        return {};
    }
    std::vector<std::uint32_t> groups;
    std::vector<std::int32_t> bh;
    for (std::uint32_t entry = firstOfKey_[key]; entry != kNone; entry = nextEntry_[entry]) {
        const std::uint32_t row = entryRow_[entry];
        const std::uint32_t group = groupOfRow_[row];
        if (group == kNone) {
            bh.push_back(bh_[row]);
        } else if (std::find(groups.begin(), groups.end(), group) == groups.end()) {
            groups.push_back(group);
        }
    }
    for (const std::uint32_t group : groups) {
        for (std::uint32_t row = firstOfGroup_[group]; row != kNone; row = nextInGroup_[row]) {
            bh.push_back(bh_[row]);
        }
    }
    std::sort(bh.begin(), bh.end());
    bh.erase(std::unique(bh.begin(), bh.end()), bh.end());
    return bh;
}

std::vector<std::int32_t> DesignationIndex::directMatches(std::string_view typed) const {
    const std::string text = designationKey(typed);
    const std::uint32_t key = text.empty() ? kNone : keys_.find(text);
    std::vector<std::int32_t> bh;
    if (key == kNone) {
        return bh;
    }
    for (std::uint32_t entry = firstOfKey_[key]; entry != kNone; entry = nextEntry_[entry]) {
        bh.push_back(bh_[entryRow_[entry]]);
    }
    std::sort(bh.begin(), bh.end());
    bh.erase(std::unique(bh.begin(), bh.end()), bh.end());
    return bh;
}

std::optional<std::string> composeBearingRowsSearch(std::span<const std::int32_t> bh) {
    if (bh.empty()) {
        return std::nullopt;
    }
    std::string sql = "select * from bearing where bh in (";
    for (std::size_t i = 0; i < bh.size(); ++i) {
        if (i > 0) {
            sql += ',';
        }
        sql += std::to_string(bh[i]);
    }
    sql += ')';
    return sql;
}

}  // namespace lz::designation
