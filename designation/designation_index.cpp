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

std::optional<std::int32_t> integerOf(const catalogue::FieldValue& value) {
    return std::visit(
        [](const auto& v) -> std::optional<std::int32_t> {
            using T = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<T, std::uint8_t> || std::is_same_v<T, std::int16_t> ||
                          std::is_same_v<T, std::int32_t>) {
                return static_cast<std::int32_t>(v);
            } else {
                return std::nullopt;
            }
        },
        value);
}

// Text columns read as text; NULL reads as the empty text. Anything else has no
// designation to offer.
std::string textOf(catalogue::FieldValue&& value) {
    if (auto* text = std::get_if<std::string>(&value)) {
        return std::move(*text);
    }
    return {};
}

}  // namespace

std::optional<DesignationIndex> DesignationIndex::build(catalogue::CatalogueDatabase& database) {
    const catalogue::RecordSetHandle handle = database.OpenTable(kRowsSql);
    if (handle == 0) {
        return std::nullopt;
    }
    std::vector<DesignationRow> rows;
    for (database.MoveFirst(handle); !database.IsEOF(handle); database.MoveNext(handle)) {
        const std::optional<std::int32_t> bh = integerOf(database.ReadColByName(handle, "bh"));
        if (!bh) {
            continue;
        }
        rows.push_back({*bh, textOf(database.ReadColByName(handle, "newno")),
                        textOf(database.ReadColByName(handle, "oldno")),
                        textOf(database.ReadColByName(handle, "ckxh"))});
    }
    database.CloseTable(handle);
    return DesignationIndex(rows);
}

DesignationIndex::DesignationIndex(std::span<const DesignationRow> rows) {
    bh_.reserve(rows.size());
    group_.reserve(rows.size());
    rowsByKey_.reserve(rows.size());
    std::unordered_map<std::string, std::uint32_t> groups;
    groups.reserve(rows.size() / 2);
    for (const DesignationRow& row : rows) {
        add(row, groups);
    }
}

void DesignationIndex::add(const DesignationRow& row,
                           std::unordered_map<std::string, std::uint32_t>& groups) {
    const auto index = static_cast<std::uint32_t>(bh_.size());
    bh_.push_back(row.bh);

    std::uint32_t group = kNoGroup;
    if (!row.newno.empty()) {
        const auto [found, added] =
            groups.try_emplace(row.newno, static_cast<std::uint32_t>(groupRows_.size()));
        if (added) {
            groupRows_.emplace_back();
        }
        group = found->second;
        groupRows_[group].push_back(index);
    }
    group_.push_back(group);

    // A row is listed once under each of its keys, however many of its designations
    // share that key (oldno is often newno again).
    std::string keys[3];
    int keyCount = 0;
    for (const std::string* designation : {&row.newno, &row.oldno, &row.ckxh}) {
        std::string key = designationKey(*designation);
        if (key.empty() || std::find(keys, keys + keyCount, key) != keys + keyCount) {
            continue;
        }
        keys[keyCount++] = std::move(key);
    }
    for (int k = 0; k < keyCount; ++k) {
        rowsByKey_[std::move(keys[k])].push_back(index);
    }
}

std::vector<std::int32_t> DesignationIndex::lookup(std::string_view typed) const {
    const std::string key = designationKey(typed);
    if (key.empty()) {
        return {};
    }
    const auto found = rowsByKey_.find(key);
    if (found == rowsByKey_.end()) {
        return {};
    }
    std::vector<std::uint32_t> groups;
    std::vector<std::int32_t> bh;
    for (const std::uint32_t row : found->second) {
        if (group_[row] == kNoGroup) {
            bh.push_back(bh_[row]);
        } else if (std::find(groups.begin(), groups.end(), group_[row]) == groups.end()) {
            groups.push_back(group_[row]);
        }
    }
    for (const std::uint32_t group : groups) {
        for (const std::uint32_t row : groupRows_[group]) {
            bh.push_back(bh_[row]);
        }
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
