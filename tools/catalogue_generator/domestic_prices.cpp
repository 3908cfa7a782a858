// The domestic price list: one run of rows per maker, numbered by hand over the years, so the
// numbers have gaps, some repeat, and a few runs stand out of order.
#include <algorithm>
#include <cstdlib>
#include <iostream>
#include <set>

#include "brands.h"
#include "decimal_text.h"
#include "price_model.h"
#include "price_tables.h"
#include "selection.h"

namespace catgen {

namespace {

struct Maker {
    const char* name;
    int rows;
    KindWeights weights;
    double priceFactor;
};

// In numbering order. 哈尔滨 opens the list; 洛阳 holds number 12,047.
const std::vector<Maker>& makers() {
    using K = Kind;
    static const std::vector<Maker> list = [] {
        const KindWeights full = only({{K::DeepGroove, 30},
                                       {K::AngularContact, 10},
                                       {K::SelfAligning, 5},
                                       {K::Cylindrical, 18},
                                       {K::SphericalRoller, 8},
                                       {K::Tapered, 15},
                                       {K::ThrustBall, 10},
                                       {K::ThrustRoller, 2},
                                       {K::Needle, 2}});
        const KindWeights small = only(
            {{K::DeepGroove, 70}, {K::SelfAligning, 5}, {K::ThrustBall, 15}, {K::Tapered, 10}});
        const KindWeights rollers = only({{K::Cylindrical, 35},
                                          {K::Tapered, 35},
                                          {K::SphericalRoller, 20},
                                          {K::ThrustRoller, 5},
                                          {K::DeepGroove, 5}});
        return std::vector<Maker>{
            {"哈尔滨", 4730, full, 0.42},
            {"瓦房店", 3149, rollers, 0.40},
            {"浙江滚动", 1933, small, 0.30},
            {"西北", 1439, rollers, 0.36},
            {"洛阳", 5012, plus(rollers, {{K::AngularContact, 10}, {K::DeepGroove, 15}}), 0.45},
            {"上海嘉庆", 1206, small, 0.32},
            {"瓦光阳", 1144, rollers, 0.33},
            {"瓦远东", 1143, rollers, 0.32},
            {"张家港", 1017, small, 0.28},
            {"合肥金工", 798, full, 0.30},
            {"飞亚", 738, only({{K::Needle, 70}, {K::DeepGroove, 30}}), 0.32},
            {"无锡滚动", 666, small, 0.29},
            {"江苏响水", 420, small, 0.27},
            {"黄石", 386, rollers, 0.30},
            {"锡微", 239, only({{K::DeepGroove, 1}}), 0.35},
            {"竹箦", 232, small, 0.26},
            {"荷泽湖西", 229, small, 0.25},
            {"梁山", 159, small, 0.25},
            {"四川东方", 144, rollers, 0.30},
            {"社渚", 143, small, 0.24},
            {"扬州", 65, small, 0.26},
        };
    }();
    return list;
}

constexpr Kind kListOrder[] = {Kind::DeepGroove,  Kind::AngularContact,  Kind::SelfAligning,
                               Kind::Cylindrical, Kind::SphericalRoller, Kind::Tapered,
                               Kind::ThrustBall,  Kind::ThrustRoller,    Kind::Needle};

std::vector<DomesticPriceRow> makerRows(const Maker& maker, const SizeLibrary& sizes, Prng& rng) {
    double sum = 0;
    for (double w : maker.weights)
        sum += w;
    std::vector<int> counts(kKindCount, 0);
    int given = 0;
    for (int k = 0; k < kKindCount; ++k) {
        counts[k] = static_cast<int>(maker.rows * maker.weights[k] / sum);
        given += counts[k];
    }
    for (std::size_t n = 0; given < maker.rows; ++n) {
        const int kind = static_cast<int>(kListOrder[n % std::size(kListOrder)]);
        if (maker.weights[kind] > 0) {
            counts[kind]++;
            given++;
        }
    }
    std::vector<DomesticPriceRow> rows;
    for (Kind kind : kListOrder) {
        const int count = counts[static_cast<int>(kind)];
        if (count == 0)
            continue;
        const auto candidates = candidatesFor(kind, Dialect::Domestic, sizes);
        for (const Candidate* c : pickCandidates(candidates, count, rng)) {
            DomesticPriceRow row;
            row.ppai = maker.name;
            row.newno = c->newno;
            if (!c->oldno.empty()) {
                row.oldno = c->oldno;
            } else if (rng.chance(0.7)) {
                row.oldno = c->newno;
            }
            row.nonprice =
                priceText(listPrice(*c->size, c->priceFactor, maker.priceFactor, rng), rng);
            row.price = taxInclusive(*row.nonprice);
            rows.push_back(std::move(row));
        }
    }
    return rows;
}

// Numbers 1 to 25,453: 938 never used, 480 used twice and six three times.
std::vector<int> numbering(Prng& rng) {
    constexpr int kLast = 25453;
    const std::set<int> kept = {1, 12047, 13691, kLast};
    std::set<int> unused, twice, thrice = {13691};
    while (unused.size() < 938) {
        const int id = 2 + static_cast<int>(rng.below(kLast - 2));
        if (!kept.count(id))
            unused.insert(id);
    }
    while (thrice.size() < 6) {
        const int id = 2 + static_cast<int>(rng.below(kLast - 2));
        if (!kept.count(id) && !unused.count(id))
            thrice.insert(id);
    }
    while (twice.size() < 480) {
        const int id = 2 + static_cast<int>(rng.below(kLast - 2));
        if (!kept.count(id) && !unused.count(id) && !thrice.count(id))
            twice.insert(id);
    }
    std::vector<int> ids;
    for (int id = 1; id <= kLast; ++id) {
        if (unused.count(id))
            continue;
        const int times = thrice.count(id) ? 3 : twice.count(id) ? 2 : 1;
        ids.insert(ids.end(), static_cast<std::size_t>(times), id);
    }
    return ids;
}

[[noreturn]] void fail(const std::string& message) {
    std::cerr << "catalogue_generator: " << message << "\n";
    std::exit(1);
}

}  // namespace

std::vector<DomesticPriceRow> buildDomesticPrices(const SizeLibrary& sizes, Prng rng) {
    // Rows in numbering order: the makers' runs, then the numbered rows of the HZ series.
    std::vector<std::vector<DomesticPriceRow>> runs;
    for (std::size_t m = 0; m < makers().size(); ++m) {
        Prng makerRng = rng.fork(2000 + m);
        runs.push_back(makerRows(makers()[m], sizes, makerRng));
    }
    std::vector<DomesticPriceRow> hz;
    for (const char* number : {"20", "25", "30", "35", "40", "45", "50", "60", "70", "80", "90",
                               "100", "110", "120", "140"}) {
        DomesticPriceRow row;
        row.ppai = number;
        row.oldno = "HZ";
        row.newno = number;
        hz.push_back(row);
    }
    runs.push_back(hz);

    const std::vector<int> ids = numbering(rng);
    std::size_t next = 0;
    for (auto& run : runs) {
        for (auto& row : run) {
            row.id = ids[next++];
        }
    }
    if (next != ids.size() || next != 25007) {
        fail("domestic list has " + std::to_string(next) + " rows for " +
             std::to_string(ids.size()) + " numbers");
    }
    // Fixed rows.
    DomesticPriceRow& first = runs[0][0];
    first.oldno = "24";
    first.newno = "624";
    first.nonprice = "2";
    first.price = "2.34";
    bool placed = false;
    std::vector<DomesticPriceRow*> triple;
    for (auto& run : runs) {
        for (auto& row : run) {
            if (row.id == 12047) {
                if (row.ppai != Text("洛阳"))
                    fail("number 12047 is not a 洛阳 row");
                row.oldno = "32018RX2/P5";
                row.newno = "32018RX2/P5";
                row.nonprice = "210";
                row.price = "245.7";
                placed = true;
            }
            if (row.id == 13691)
                triple.push_back(&row);
        }
    }
    if (!placed || triple.size() != 3)
        fail("fixed domestic rows missing");
    *triple[1] = *triple[0];  // the same row entered three times
    *triple[2] = *triple[0];

    // 1,442 rows without a proper tax price: 500 without price, 500 at zero, 442 irregular.
    std::vector<DomesticPriceRow*> plain;
    for (auto& run : runs) {
        for (auto& row : run) {
            if (row.id != 1 && row.id != 12047 && row.id != 13691 && row.nonprice) {
                plain.push_back(&row);
            }
        }
    }
    for (std::size_t i = plain.size(); i > 1; --i)
        std::swap(plain[i - 1], plain[rng.below(i)]);
    std::size_t at = 0;
    for (int n = 0; n < 500; ++n)
        plain[at++]->price = std::nullopt;
    for (int n = 0; n < 500; ++n) {
        plain[at]->nonprice = "0";
        plain[at++]->price = "0";
    }
    for (int n = 0; n < 442; ++n) {
        DomesticPriceRow& row = *plain[at++];
        const double value = std::stod(*row.nonprice) * 1.17;
        std::string rounded = roundedText(value, 2);
        if (rounded == *row.price) {
            rounded = roundedText(std::stod(*row.nonprice) * 1.13, 2);  // an older tax rate
        }
        row.price = rounded;
    }

    // Stored maker by maker; 扬州's run was appended to the file after 浙江滚动's.
    std::vector<DomesticPriceRow> rows;
    const std::size_t yangzhou = makers().size() - 1;
    for (std::size_t r = 0; r < runs.size(); ++r) {
        if (r == yangzhou)
            continue;
        rows.insert(rows.end(), runs[r].begin(), runs[r].end());
        if (r == 2)
            rows.insert(rows.end(), runs[yangzhou].begin(), runs[yangzhou].end());
    }
    return rows;
}

}  // namespace catgen
