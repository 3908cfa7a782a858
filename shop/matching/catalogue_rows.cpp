#include "shop/matching/catalogue_rows.h"

#include <algorithm>
#include <numeric>
#include <type_traits>
#include <unordered_map>
#include <variant>

#include "catalogue/catalogue_database.h"

namespace lz::shop {
namespace {

constexpr std::string_view kRowsSql = "select bh, newno, oldno, ckxh, ppai from bearing";
constexpr std::size_t kExpectedRows = 60000;

}  // namespace

std::string brandKey(std::string_view brand) {
    while (!brand.empty() && (brand.front() == ' ' || brand.front() == '\t')) {
        brand.remove_prefix(1);
    }
    while (!brand.empty() && (brand.back() == ' ' || brand.back() == '\t')) {
        brand.remove_suffix(1);
    }
    if (brand == "-") {
        return {};
    }
    std::string key(brand);
    for (char& c : key) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return key;
}

CatalogueRows::CatalogueRows(std::vector<CatalogueRow> rows) : rows_(std::move(rows)) {
    if (!std::is_sorted(rows_.begin(), rows_.end(),
                        [](const auto& a, const auto& b) { return a.bh < b.bh; })) {
        std::stable_sort(rows_.begin(), rows_.end(),
                         [](const auto& a, const auto& b) { return a.bh < b.bh; });
    }
    std::unordered_map<std::string, std::uint32_t> ids;
    brandOf_.reserve(rows_.size());
    for (const CatalogueRow& row : rows_) {
        std::string key = brandKey(row.brand);
        auto [at, added] = ids.try_emplace(key, static_cast<std::uint32_t>(brandKeys_.size()));
        if (added) {
            brandKeys_.push_back(std::move(key));
            brandSpelling_.push_back(row.brand);
            brandRows_.push_back(0);
        }
        brandOf_.push_back(at->second);
        ++brandRows_[at->second];
    }
}

const CatalogueRow* CatalogueRows::find(std::int32_t bh) const {
    const auto found = std::lower_bound(
        rows_.begin(), rows_.end(), bh,
        [](const CatalogueRow& row, std::int32_t value) { return row.bh < value; });
    return found != rows_.end() && found->bh == bh ? &*found : nullptr;
}

std::string_view CatalogueRows::brandKeyOf(std::int32_t bh) const {
    const CatalogueRow* row = find(bh);
    if (row == nullptr) {
        return {};
    }
    return brandKeys_[brandOf_[static_cast<std::size_t>(row - rows_.data())]];
}

std::vector<std::string> CatalogueRows::brands() const {
    std::vector<std::size_t> order(brandKeys_.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return brandRows_[a] > brandRows_[b]; });
    std::vector<std::string> brands;
    for (const std::size_t id : order) {
        if (!brandKeys_[id].empty()) {
            brands.push_back(brandSpelling_[id]);
        }
    }
    return brands;
}

std::optional<CatalogueTables> readCatalogueTables(catalogue::CatalogueDatabase& database) {
    const catalogue::RecordSetHandle handle = database.OpenTable(kRowsSql);
    if (handle == 0) {
        return std::nullopt;
    }
    CatalogueTables tables;
    tables.designations.reserve(kExpectedRows);
    tables.rows.reserve(kExpectedRows);
    for (database.MoveFirst(handle); !database.IsEOF(handle); database.MoveNext(handle)) {
        const std::optional<std::int32_t> bh =
            catalogue::integerValue(database.ReadColByName(handle, "bh"));
        if (!bh) {
            continue;
        }
        std::string newno = catalogue::textValue(database.ReadColByName(handle, "newno"));
        std::string ckxh = catalogue::textValue(database.ReadColByName(handle, "ckxh"));
        tables.rows.push_back(
            {*bh, newno, ckxh, catalogue::textValue(database.ReadColByName(handle, "ppai"))});
        tables.designations.push_back(
            {*bh, std::move(newno), catalogue::textValue(database.ReadColByName(handle, "oldno")),
             std::move(ckxh)});
    }
    const bool failed = database.HasFailed(handle);
    database.CloseTable(handle);
    if (failed) {
        return std::nullopt;
    }
    return tables;
}

}  // namespace lz::shop
