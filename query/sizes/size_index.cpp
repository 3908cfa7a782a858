#include "query/sizes/size_index.h"

#include <algorithm>
#include <limits>
#include <tuple>
#include <utility>

#include "catalogue/catalogue_database.h"
#include "catalogue/field_value.h"
#include "query/sizes/measurement.h"
#include "query/sizes/size_text.h"

namespace lz::sizes {

struct SizeIndex::Entry {
    NominalSize size;
    std::int32_t bh;
    std::uint16_t type;
};

struct SizeIndex::Candidate {
    std::size_t size;
    SizeDeviation deviation;
    std::size_t rows;
};

namespace {

constexpr std::string_view kRowsSql = "select bh, njin, wjin, gdu, btype from bearing";
// Room for the shipped catalogue's rows from the start; a larger table merely grows.
constexpr std::size_t kExpectedRows = 60000;

}  // namespace

std::optional<SizeIndex> SizeIndex::build(catalogue::CatalogueDatabase& database) {
    const catalogue::RecordSetHandle handle = database.OpenTable(kRowsSql);
    if (handle == 0) {
        return std::nullopt;
    }
    SizeIndex index;
    std::vector<Entry> entries;
    entries.reserve(kExpectedRows);
    for (database.MoveFirst(handle); !database.IsEOF(handle); database.MoveNext(handle)) {
        const std::optional<std::int32_t> bh =
            catalogue::integerValue(database.ReadColByName(handle, "bh"));
        const std::string inner = catalogue::fieldText(database.ReadColByName(handle, "njin"));
        const std::string outer = catalogue::fieldText(database.ReadColByName(handle, "wjin"));
        const std::string width = catalogue::fieldText(database.ReadColByName(handle, "gdu"));
        const std::string type = catalogue::fieldText(database.ReadColByName(handle, "btype"));
        if (!bh) {
            ++index.leftOut_;
            continue;
        }
        index.addRow(*bh, inner, outer, width, type, entries);
    }
    const bool failed = database.HasFailed(handle);
    database.CloseTable(handle);
    if (failed) {
        return std::nullopt;
    }
    index.finish(entries);
    return index;
}

SizeIndex::SizeIndex(std::span<const SizeRow> rows) {
    std::vector<Entry> entries;
    entries.reserve(rows.size());
    for (const SizeRow& row : rows) {
        addRow(row.bh, row.inner, row.outer, row.width, row.type, entries);
    }
    finish(entries);
}

std::uint16_t SizeIndex::typeId(std::string_view type) {
    if (type.empty()) {
        return kNoType;
    }
    const auto known = std::find(types_.begin(), types_.end(), type);
    if (known != types_.end()) {
        return static_cast<std::uint16_t>(known - types_.begin() + 1);
    }
    if (types_.size() + 1 >= std::numeric_limits<std::uint16_t>::max()) {
        return kNoType;  // beyond any catalogue's types: found under "全部" only
    }
    types_.emplace_back(type);
    return static_cast<std::uint16_t>(types_.size());
}

void SizeIndex::addRow(std::int32_t bh, std::string_view inner, std::string_view outer,
                       std::string_view width, std::string_view type, std::vector<Entry>& entries) {
    const std::optional<Length> d = readCatalogueSize(inner);
    const std::optional<Length> D = readCatalogueSize(outer);
    const std::optional<Length> B = readCatalogueSize(width);
    if (!d || !D || !B) {
        ++leftOut_;
        return;
    }
    entries.push_back({{*d, *D, *B}, bh, typeId(type)});
}

void SizeIndex::finish(std::vector<Entry>& entries) {
    std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
        return std::tie(a.size.outer, a.size.inner, a.size.width, a.bh) <
               std::tie(b.size.outer, b.size.inner, b.size.width, b.bh);
    });
    rowBh_.reserve(entries.size());
    rowType_.reserve(entries.size());
    for (const Entry& entry : entries) {
        if (sizes_.empty() || !(sizes_.back() == entry.size)) {
            sizes_.push_back(entry.size);
            firstRow_.push_back(static_cast<std::uint32_t>(rowBh_.size()));
        }
        rowBh_.push_back(entry.bh);
        rowType_.push_back(entry.type);
    }
    firstRow_.push_back(static_cast<std::uint32_t>(rowBh_.size()));
    sizes_.shrink_to_fit();
    firstRow_.shrink_to_fit();
    types_.shrink_to_fit();
    std::vector<Entry>().swap(entries);
}

bool SizeIndex::hasType(std::string_view type) const {
    return std::find(types_.begin(), types_.end(), type) != types_.end();
}

std::size_t SizeIndex::rowsOfType(std::size_t size, std::optional<std::uint16_t> type) const {
    if (!type) {
        return firstRow_[size + 1] - firstRow_[size];
    }
    return static_cast<std::size_t>(std::count(rowType_.begin() + firstRow_[size],
                                               rowType_.begin() + firstRow_[size + 1], *type));
}

SizeGroup SizeIndex::groupOf(const Candidate& candidate, std::optional<std::uint16_t> type,
                             std::size_t mostRows) const {
    SizeGroup group{
        sizes_[candidate.size], candidate.deviation, isInchNominal(sizes_[candidate.size]), {}};
    group.bh.reserve(std::min(candidate.rows, mostRows));
    for (std::uint32_t row = firstRow_[candidate.size];
         row < firstRow_[candidate.size + 1] && group.bh.size() < mostRows; ++row) {
        if (!type || rowType_[row] == *type) {
            group.bh.push_back(rowBh_[row]);
        }
    }
    return group;
}

SizeSearch SizeIndex::search(const Measurement& measurement) const {
    std::optional<std::uint16_t> type;
    if (!measurement.type.empty()) {
        const auto known = std::find(types_.begin(), types_.end(), measurement.type);
        if (known == types_.end()) {
            return {};
        }
        type = static_cast<std::uint16_t>(known - types_.begin() + 1);
    }
    const auto nearer = [&](const Candidate& a, const Candidate& b) {
        return nearerThan(measurement, sizes_[a.size], a.deviation, a.rows, sizes_[b.size],
                          b.deviation, b.rows);
    };

    // The sizes whose outer diameter lies within tolerance, then the rest of the test.
    std::vector<Candidate> found;
    const Length lowest = measurement.outer.length - measurement.tolerance;
    const Length highest = measurement.outer.length + measurement.tolerance;
    const auto first =
        std::lower_bound(sizes_.begin(), sizes_.end(), lowest,
                         [](const NominalSize& size, Length outer) { return size.outer < outer; });
    for (auto it = first; it != sizes_.end() && it->outer <= highest; ++it) {
        const auto size = static_cast<std::size_t>(it - sizes_.begin());
        const SizeDeviation deviation = deviationFrom(measurement, *it);
        if (!withinTolerance(measurement, deviation)) {
            continue;
        }
        if (const std::size_t rows = rowsOfType(size, type); rows > 0) {
            found.push_back({size, deviation, rows});
        }
    }
    SizeSearch result;
    if (!found.empty()) {
        std::sort(found.begin(), found.end(), nearer);
        result.withinTolerance = true;
        result.groups.reserve(found.size());
        for (const Candidate& candidate : found) {
            result.groups.push_back(groupOf(candidate, type, candidate.rows));
        }
        return result;
    }

    // Nothing within tolerance: the nearest sizes. Each holds a row at least, so the
    // nearest kNearestRows of them are enough.
    for (std::size_t size = 0; size < sizes_.size(); ++size) {
        if (const std::size_t rows = rowsOfType(size, type); rows > 0) {
            found.push_back({size, deviationFrom(measurement, sizes_[size]), rows});
        }
    }
    const auto enough =
        found.begin() + static_cast<std::ptrdiff_t>(std::min(found.size(), kNearestRows));
    std::partial_sort(found.begin(), enough, found.end(), nearer);
    std::size_t rowsLeft = kNearestRows;
    for (auto it = found.begin(); it != enough && rowsLeft > 0; ++it) {
        result.groups.push_back(groupOf(*it, type, rowsLeft));
        rowsLeft -= result.groups.back().bh.size();
    }
    return result;
}

std::size_t SizeIndex::memoryBytes() const {
    std::size_t bytes =
        sizes_.capacity() * sizeof(NominalSize) + firstRow_.capacity() * sizeof(std::uint32_t) +
        rowBh_.capacity() * sizeof(std::int32_t) + rowType_.capacity() * sizeof(std::uint16_t) +
        types_.capacity() * sizeof(std::string);
    for (const std::string& type : types_) {
        bytes += type.capacity() + 1;
    }
    return bytes;
}

}  // namespace lz::sizes
