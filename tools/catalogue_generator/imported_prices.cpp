// The imported price list: brand blocks, each split into sections by type and series with
// a heading row, as the list was kept in a spreadsheet.
#include <algorithm>
#include <cstdlib>
#include <iostream>
#include <map>

#include "brands.h"
#include "decimal_text.h"
#include "price_model.h"
#include "price_tables.h"
#include "selection.h"

namespace catgen {

namespace {

struct ImportBrand {
    const char* name;
    int rows;
    Dialect dialect;
    KindWeights weights;
    double priceFactor;
};

const std::vector<ImportBrand>& importBrands() {
    using K = Kind;
    using D = Dialect;
    static const std::vector<ImportBrand> brands = [] {
        const KindWeights general = generalRange();
        const KindWeights simple = only({{K::DeepGroove, 60},
                                         {K::Tapered, 15},
                                         {K::Cylindrical, 10},
                                         {K::ThrustBall, 10},
                                         {K::SelfAligning, 5}});
        const KindWeights needles = only({{K::Needle, 40},
                                          {K::NeedleCage, 18},
                                          {K::NeedleCombined, 6},
                                          {K::TrackRoller, 10},
                                          {K::PlainSpherical, 6},
                                          {K::Linear, 6}});
        // Listed in this order; SKF closes the list with its cylindrical roller bearings.
        return std::vector<ImportBrand>{
            {"NACHI", 2266, D::Nachi, general, 1.1},
            {"IKO", 4787, D::Iko, needles, 1.3},
            {"FAG", 3254, D::Fag, general, 1.5},
            {"NSK", 1275, D::Nsk, general, 1.4},
            {"ASAHI", 754, D::Housed, only({{K::HousedUnit, 90}, {K::Insert, 10}}), 0.8},
            {"NTN", 447, D::Ntn, general, 1.2},
            {"NB", 326, D::Nb, only({{K::Linear, 1}}), 1.0},
            {"IJK", 273, D::Generic, simple, 0.7},
            {"EZO", 271, D::Ezo, only({{K::ThinSection, 40}, {K::Miniature, 60}}), 1.0},
            {"HIC", 189, D::Generic, simple, 0.6},
            {"CS", 143, D::Generic, simple, 0.5},
            {"EASE", 134, D::Generic, only({{K::DeepGroove, 60}, {K::HousedUnit, 40}}), 0.6},
            {"JAF", 121, D::Generic, simple, 0.6},
            {"IKS", 93, D::Iko, needles, 0.8},
            {"KSM", 62, D::Generic, simple, 0.6},
            {"KSK", 59, D::Generic, simple, 0.6},
            {"RHP", 50, D::Generic, general, 1.1},
            {"KOYO", 42, D::Koyo, general, 1.15},
            {"THK", 41, D::Linear, only({{K::Linear, 70}, {K::TrackRoller, 30}}), 1.8},
            {"INA", 40, D::Ina, needles, 1.4},
            {"MTR", 36, D::Generic, simple, 0.6},
            {"KYK", 35, D::Generic, simple, 0.6},
            {"STIEBER", 30, D::Generic, only({{K::DeepGroove, 1}}), 2.5},
            {"MRK", 28, D::Generic, simple, 0.6},
            {"IBI", 23, D::Generic, simple, 0.6},
            {"WTW", 21, D::Generic, simple, 0.5},
            {"SAMICK", 16, D::Linear, only({{K::Linear, 1}}), 0.9},
            {"NMB", 10, D::Nmb, only({{K::Miniature, 1}}), 1.0},
            {"ZKL", 7, D::Generic, simple, 0.9},
            {"IIKO", 7, D::Iko, needles, 1.3},
            {"TPI", 4, D::Generic, simple, 0.6},
            {"JBS", 3, D::Generic, simple, 0.6},
            {"KBC", 3, D::Generic, simple, 0.7},
            {"URB", 2, D::Generic, simple, 0.8},
            {"NT", 1, D::Ntn, simple, 1.2},
            {"FN", 1, D::Generic, simple, 0.6},
            {"FLT", 1, D::Generic, simple, 0.8},
            {"EXK", 1, D::Generic, simple, 0.6},
            {"NMT", 1, D::Generic, simple, 0.6},
            {"KTO", 1, D::Generic, simple, 0.6},
            {"TORR", 1, D::Timken, only({{K::Needle, 1}}), 1.2},
            {"DKF", 1, D::Generic, simple, 0.9},
            {"MCGLL", 1, D::Generic, only({{K::TrackRoller, 1}}), 1.5},
            {"SKF", 1301, D::Skf, general, 1.6},
        };
    }();
    return brands;
}

// Types in list order; cylindrical roller bearings come last in every block.
constexpr Kind kListOrder[] = {Kind::DeepGroove,        Kind::Miniature,      Kind::ThinSection,
                               Kind::AngularContact,    Kind::SelfAligning,   Kind::SphericalRoller,
                               Kind::Tapered,           Kind::ThrustBall,     Kind::ThrustAngular,
                               Kind::ThrustCylindrical, Kind::ThrustRoller,   Kind::Needle,
                               Kind::NeedleCage,        Kind::NeedleCombined, Kind::TrackRoller,
                               Kind::PlainSpherical,    Kind::Linear,         Kind::Insert,
                               Kind::HousedUnit,        Kind::Cylindrical};

std::string sectionHeading(Kind kind, const std::string& series) {
    std::string pattern = series == "inch" ? "英制" : series;
    if (!pattern.empty() && pattern.back() >= '0' && pattern.back() <= '9') {
        pattern += "XX";
    }
    return std::string(kindInfo(kind).btype) + "（" + pattern + "系列）";
}

struct Section {
    std::string heading;
    std::vector<ImportedPriceRow> rows;
    bool headed = true;
};

}  // namespace

std::vector<ImportedPriceRow> buildImportedPrices(const SizeLibrary& sizes, Prng rng) {
    const auto& brands = importBrands();
    // How many of each type a brand lists: its own proportions, no column targets.
    std::vector<Section> sections;
    for (std::size_t b = 0; b < brands.size(); ++b) {
        const ImportBrand& brand = brands[b];
        Prng brandRng = rng.fork(1000 + b);
        KindWeights weights{};
        for (Kind kind : kListOrder) {
            weights[static_cast<int>(kind)] = brand.weights[static_cast<int>(kind)];
        }
        double sum = 0;
        for (double w : weights)
            sum += w;
        // Rounded shares that add up exactly to the brand's row count.
        std::vector<int> counts(kKindCount, 0);
        int given = 0;
        for (int k = 0; k < kKindCount; ++k) {
            counts[k] = static_cast<int>(brand.rows * weights[k] / sum);
            given += counts[k];
        }
        for (std::size_t n = 0; given < brand.rows; ++n) {
            const int kind = static_cast<int>(kListOrder[n % std::size(kListOrder)]);
            if (weights[kind] > 0) {
                counts[kind]++;
                given++;
            }
        }
        for (Kind kind : kListOrder) {
            const int count = counts[static_cast<int>(kind)];
            if (count == 0)
                continue;
            std::vector<Candidate> candidates = candidatesFor(kind, brand.dialect, sizes);
            if (kind == Kind::DeepGroove) {
                // Miniatures are priced in their own lists.
                std::erase_if(candidates, [](const Candidate& c) { return c.size->dmm < 10; });
            }
            for (const Candidate* c : pickCandidates(candidates, count, brandRng)) {
                const std::string heading = sectionHeading(kind, c->series);
                if (sections.empty() || sections.back().heading != heading ||
                    sections.back().rows.front().ppai != Text(brand.name)) {
                    sections.push_back({heading, {}, true});
                }
                ImportedPriceRow row;
                row.ppai = brand.name;
                row.newno = c->ckxh;
                row.nonprice = priceText(
                    listPrice(*c->size, c->priceFactor, brand.priceFactor, brandRng), brandRng);
                row.price = taxInclusive(*row.nonprice);
                sections.back().rows.push_back(std::move(row));
            }
        }
    }
    // 320 headings: the smallest sections lose theirs (their rows run on under the previous
    // heading), except the list's first.
    constexpr std::size_t kHeadings = 320;
    if (sections.size() < kHeadings) {
        std::cerr << "catalogue_generator: only " << sections.size() << " price sections\n";
        std::exit(1);
    }
    std::vector<std::size_t> bySize;
    for (std::size_t i = 1; i < sections.size(); ++i)
        bySize.push_back(i);
    std::stable_sort(bySize.begin(), bySize.end(), [&](std::size_t a, std::size_t b) {
        return sections[a].rows.size() < sections[b].rows.size();
    });
    for (std::size_t n = 0; n < sections.size() - kHeadings; ++n) {
        sections[bySize[n]].headed = false;
    }
    std::vector<ImportedPriceRow> rows;
    for (const Section& section : sections) {
        if (section.headed) {
            rows.push_back({std::nullopt, std::nullopt, section.heading, "0", "0"});
        }
        rows.insert(rows.end(), section.rows.begin(), section.rows.end());
    }
    if (rows.size() != 16482) {
        std::cerr << "catalogue_generator: imported list has " << rows.size() << " rows\n";
        std::exit(1);
    }
    // Fixed rows.
    auto& first = rows[1];
    auto& late = rows[rows.size() - 4];
    if (first.ppai != Text("NACHI") || late.ppai != Text("SKF")) {
        std::cerr << "catalogue_generator: fixed imported rows fall on the wrong brand\n";
        std::exit(1);
    }
    first.newno = "6000 C3";
    first.nonprice = "5.3";
    first.price = "6.201";
    late.newno = "N326ECP";
    late.nonprice = "5489.51";
    late.price = "6422.7267";

    // Candidate rows for the odd values: brand rows away from the fixed ones.
    std::vector<std::size_t> plain;
    for (std::size_t i = 2; i + 4 < rows.size(); ++i) {
        if (rows[i].ppai)
            plain.push_back(i);
    }
    for (std::size_t i = plain.size(); i > 1; --i)
        std::swap(plain[i - 1], plain[rng.below(i)]);
    std::size_t next = 0;
    for (int n = 0; n < 49; ++n)
        rows[plain[next++]].newno = "#NAME";  // a spreadsheet formula error
    for (int n = 0; n < 2; ++n)
        rows[plain[next++]].price = std::nullopt;
    for (int n = 0; n < 2; ++n)
        rows[plain[next++]].price = "0";
    for (int n = 0; n < 2;) {
        auto& row = rows[plain[next++]];
        const std::string rounded = roundedText(std::stod(*row.price), 2);
        if (rounded != *row.price) {
            row.price = rounded;
            ++n;
        }
    }
    const std::size_t nullId = plain[next++];

    // IDs 3 to 16,503 in stored order with 20 numbers unused and one row without an ID.
    std::vector<long> ids;
    std::vector<long> unused;
    while (unused.size() < 20) {
        const long id = 5 + static_cast<long>(rng.below(16499 - 5));
        if (std::find(unused.begin(), unused.end(), id) == unused.end())
            unused.push_back(id);
    }
    for (long id = 3; id <= 16503; ++id) {
        if (std::find(unused.begin(), unused.end(), id) == unused.end())
            ids.push_back(id);
    }
    std::size_t nextId = 0;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (i != nullId)
            rows[i].id = ids[nextId++];
    }
    return rows;
}

}  // namespace catgen
