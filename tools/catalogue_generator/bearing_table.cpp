#include "bearing_table.h"

#include <iostream>
#include <map>

#include "allocation.h"
#include "brands.h"
#include "selection.h"

namespace catgen {

namespace {

// Candidate lists depend only on type and dialect; build each once.
class CandidateCache {
public:
    explicit CandidateCache(const SizeLibrary& sizes) : sizes_(sizes) {}
    const std::vector<Candidate>& get(Kind kind, Dialect dialect) {
        auto key = std::make_pair(static_cast<int>(kind), static_cast<int>(dialect));
        auto found = cache_.find(key);
        if (found == cache_.end()) {
            found = cache_.emplace(key, candidatesFor(kind, dialect, sizes_)).first;
        }
        return found->second;
    }

private:
    const SizeLibrary& sizes_;
    std::map<std::pair<int, int>, std::vector<Candidate>> cache_;
};

std::vector<std::vector<int>> brandTypeCounts() {
    const auto& brands = bearingBrands();
    std::vector<std::vector<double>> weights;
    std::vector<int> rowTargets, columnTargets;
    for (const auto& brand : brands) {
        weights.emplace_back(brand.weights.begin(), brand.weights.end());
        rowTargets.push_back(brand.rows);
    }
    for (int k = 0; k < kKindCount; ++k) {
        columnTargets.push_back(kindInfo(kindAt(k)).rows);
    }
    return allocate(weights, rowTargets, columnTargets);
}

Text oldDesignation(const Candidate& c, const BearingBrand& brand, Prng& rng) {
    if (!c.oldno.empty() && rng.chance(0.85)) {
        return c.oldno;
    }
    const double u = rng.unit();
    if (u < brand.oldNullShare) {
        return std::nullopt;
    }
    return u < brand.oldNullShare + brand.oldSameShare ? c.newno : c.ckxh;
}

}  // namespace

std::vector<BearingRow> buildBearingTable(const SizeLibrary& sizes, Prng rng) {
    const auto& brands = bearingBrands();
    const auto counts = brandTypeCounts();
    CandidateCache cache(sizes);
    std::vector<BearingRow> rows;
    for (std::size_t b = 0; b < brands.size(); ++b) {
        const BearingBrand& brand = brands[b];
        // Seeded by name, so that moving a brand in the list does not change its rows.
        std::uint64_t salt = 1469598103934665603ULL;
        for (char ch : brand.name.value_or("(null)")) {
            salt = (salt ^ static_cast<unsigned char>(ch)) * 1099511628211ULL;
        }
        Prng brandRng = rng.fork(salt);
        for (int k = 0; k < kKindCount; ++k) {
            const int count = counts[b][static_cast<std::size_t>(k)];
            if (count == 0) {
                continue;
            }
            const Kind kind = kindAt(k);
            const auto& candidates = cache.get(kind, brand.dialect);
            if (static_cast<std::size_t>(count) > candidates.size()) {
                std::cerr << "catalogue_generator: note: " << (brand.name ? *brand.name : "NULL")
                          << " lists " << count << " of " << candidates.size() << " "
                          << (kindInfo(kind).btype ? kindInfo(kind).btype : "untyped")
                          << " models; some repeat\n";
            }
            for (const Candidate* c : pickCandidates(candidates, count, brandRng)) {
                BearingRow row;
                row.brand = static_cast<int>(b);
                row.kind = kind;
                row.source = c;
                row.subtype = c->subtype;
                row.ppai = brand.name;
                row.btype = kindInfo(kind).btype ? Text(kindInfo(kind).btype) : std::nullopt;
                row.newno = c->newno;
                row.ckxh = c->ckxh;
                row.oldno = oldDesignation(*c, brand, brandRng);
                row.njin = c->size->d;
                row.wjin = c->size->D;
                row.gdu = c->size->B;
                row.titleStyle = brandRng.chance(0.25) ? brand.altTitleStyle : brand.titleStyle;
                if (brand.titleSeries && brandRng.chance(0.5)) {
                    row.titleSeries = c->series;
                }
                rows.push_back(std::move(row));
            }
        }
    }
    placeFixedRows(rows);
    addOddDimensions(rows, rng);
    writeBearingNames(rows, rng);
    writeTitles(rows, rng);
    return rows;
}

}  // namespace catgen
