// The bearing catalogue is not tidy, and the program has to live with that: rows whose
// position and values are fixed, inch cups without a bore, rows without sizes, sizes typed in
// the wrong unit and bearing names that do not follow the usual pattern.
#include <algorithm>
#include <cstdlib>
#include <iostream>

#include "bearing_table.h"
#include "brands.h"
#include "decimal_text.h"

namespace catgen {

namespace {

constexpr std::size_t kShownAtStart = 29;  // rows the main window lists at start

bool isBrand(const BearingRow& row, const char* name) {
    return row.ppai && *row.ppai == name;
}

// Moves the nearest row that fits to `target`, so that fixed rows stand among their kind.
void moveNearest(std::vector<BearingRow>& rows, std::size_t target,
                 bool (*fits)(const BearingRow&)) {
    std::size_t best = rows.size();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (!rows[i].pinned && fits(rows[i]) &&
            (best == rows.size() || (i > target ? i - target : target - i) <
                                        (best > target ? best - target : target - best))) {
            best = i;
        }
    }
    if (best == rows.size()) {
        std::cerr << "catalogue_generator: no row fits position " << target + 1 << "\n";
        std::exit(1);
    }
    BearingRow row = std::move(rows[best]);
    rows.erase(rows.begin() + static_cast<std::ptrdiff_t>(best));
    rows.insert(rows.begin() + static_cast<std::ptrdiff_t>(target), std::move(row));
}

void fix(BearingRow& row, const char* zhch, const char* newno, const char* oldno, const char* d,
         const char* D, const char* B, const char* ckxh, const char* tt) {
    row.pinned = true;
    row.oddDimensions = true;
    row.subtype = 0;
    row.zhch = zhch;
    row.newno = newno;
    row.oldno = oldno;
    row.njin = d;
    row.wjin = D;
    row.gdu = B;
    row.ckxh = ckxh;
    row.tt = tt ? Text(tt) : std::nullopt;
    row.titleSeries.clear();
}

// Indexes of rows that may take an odd value, shuffled.
std::vector<std::size_t> shuffledFreeRows(const std::vector<BearingRow>& rows, Prng& rng) {
    std::vector<std::size_t> free;
    for (std::size_t i = kShownAtStart; i < rows.size(); ++i) {
        if (!rows[i].oddDimensions && rows[i].kind != Kind::Other &&
            rows[i].kind != Kind::Housing) {
            free.push_back(i);
        }
    }
    for (std::size_t i = free.size(); i > 1; --i) {
        std::swap(free[i - 1], free[rng.below(i)]);
    }
    return free;
}

}  // namespace

void placeFixedRows(std::vector<BearingRow>& rows) {
    moveNearest(rows, 0, [](const BearingRow& r) {
        return isBrand(r, "NSK") && r.kind == Kind::DeepGroove;
    });
    fix(rows[0], "NSK 681 轴承", "618/1", "1000481", "1", "3", "1", "681",
        "深沟球轴承 （60000 型）");
    moveNearest(rows, 29595, [](const BearingRow& r) {
        return isBrand(r, "SKF") && r.kind == Kind::ThrustBall && r.ckxh == Text("51207");
    });
    fix(rows[29595], "SKF  51207 轴承", "51207", "8207", "35", "62", "18", "51207",
        "推力球轴承（51000 型）");
    moveNearest(rows, 46433, [](const BearingRow& r) {
        return isBrand(r, "TIMKEN") && r.kind == Kind::Untyped;
    });
    fix(rows[46433], "TIMKEN  L521945 轴承", "L521945", "L 521945 / L 521910", "101.6", "146.05",
        "21.4325", "L521945", nullptr);

    // The largest bearings of the list: SKF's 248/1800 and a four-row roll-neck bearing.
    BearingRow* largest = nullptr;
    for (auto& row : rows) {
        if (isBrand(row, "SKF") && row.kind == Kind::SphericalRoller && !row.pinned &&
            (!largest || row.source->size->dmm > largest->source->size->dmm)) {
            largest = &row;
        }
    }
    if (largest) {
        largest->newno = "248/1800 CA";
        largest->ckxh = "248/1800 CAFA/W20";
        largest->oldno = std::nullopt;
        largest->njin = "1800";
        largest->wjin = "2180";
        largest->gdu = "375";
        largest->subtype = 2;
        largest->oddDimensions = true;
    }
    for (auto& row : rows) {
        if (row.kind == Kind::NonStandard && !row.pinned) {
            row.newno = "BT4-1000/1580";
            row.ckxh = "BT4-1000/1580 G/HA1";
            row.oldno = std::nullopt;
            row.njin = "1000";
            row.wjin = "1580";
            row.gdu = "620";
            row.subtype = 2;
            row.oddDimensions = true;
            break;
        }
    }
}

void addOddDimensions(std::vector<BearingRow>& rows, Prng& rng) {
    // Housings and separate inch cups have no bore; the catalogue writes 0.
    std::vector<std::size_t> components;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].kind == Kind::Housing) {
            rows[i].njin = "0";
            rows[i].oddDimensions = true;
        } else if (rows[i].kind == Kind::Other) {
            components.push_back(i);
        }
    }
    const std::size_t cupsWanted = 155 - 3;
    const std::size_t stride = std::max<std::size_t>(1, components.size() / cupsWanted);
    std::size_t cups = 0;
    for (std::size_t n = 0; n < components.size(); ++n) {
        BearingRow& row = rows[components[n]];
        const Size& size = *row.source->size;
        // Cups and cones alternate through the list until there are enough cups.
        const bool cup = n % stride == stride - 1 && cups < cupsWanted;
        cups += cup ? 1 : 0;
        row.newno = cup ? size.cup : size.cone;
        row.ckxh = row.newno;
        row.subtype = cup ? 1 : 0;
        row.oddDimensions = true;
        if (cup) {
            row.njin = "0";
            row.oldno = rng.chance(0.5) ? Text(size.cup) : std::nullopt;
        } else {
            row.oldno = rng.chance(0.5) ? Text(size.cone) : std::nullopt;
        }
    }

    if (cups != cupsWanted) {
        std::cerr << "catalogue_generator: only " << cups << " inch cups\n";
        std::exit(1);
    }

    auto free = shuffledFreeRows(rows, rng);
    std::size_t next = 0;
    auto take = [&](auto fits) -> BearingRow& {
        for (std::size_t n = next; n < free.size(); ++n) {
            BearingRow& row = rows[free[n]];
            if (!row.oddDimensions && fits(row)) {
                row.oddDimensions = true;
                return row;
            }
        }
        std::cerr << "catalogue_generator: no row left for an odd dimension\n";
        std::exit(1);
    };
    // Rows whose sizes were never entered, more often among rows without a brand.
    for (int n = 0; n < 70; ++n) {
        BearingRow& row = take([n](const BearingRow& r) {
            return n < 15 ? (r.ppai && r.ppai->empty()) : n < 22 ? isBrand(r, "-") : true;
        });
        row.njin = row.wjin = row.gdu = std::nullopt;
    }
    // Sizes typed in micrometres, or with the decimal mark lost.
    struct Slip {
        Text BearingRow::*field;
        const char* from;
        const char* to;
    };
    const Slip slips[] = {
        {&BearingRow::njin, "90", "90000"},    {&BearingRow::wjin, "85", "85000"},
        {&BearingRow::wjin, "100", "100000"},  {&BearingRow::wjin, "140", "140000"},
        {&BearingRow::wjin, "215", "215000"},  {&BearingRow::wjin, "1090", "1090000"},
        {&BearingRow::gdu, "23.812", "23800"}, {&BearingRow::gdu, "24", "24000"},
        {&BearingRow::gdu, "25", "25000"},     {&BearingRow::gdu, "28", "28000"},
        {&BearingRow::gdu, "30", "30000"},     {&BearingRow::gdu, "36", "36000"},
        {&BearingRow::gdu, "41", "41000"},     {&BearingRow::gdu, "54", "54000"},
        {&BearingRow::gdu, "80", "80000"},     {&BearingRow::gdu, "41", "410000"},
    };
    for (const Slip& slip : slips) {
        BearingRow& row =
            take([&slip](const BearingRow& r) { return r.*slip.field == Text(slip.from); });
        row.*slip.field = slip.to;
    }
}

void writeBearingNames(std::vector<BearingRow>& rows, Prng& rng) {
    const auto& brands = bearingBrands();
    const char* trailingBrands[] = {"FAG", "NTN", "GMN", "DKF"};
    auto trailingBrand = [&](const BearingRow& r) {
        for (const char* name : trailingBrands) {
            if (isBrand(r, name))
                return true;
        }
        return false;
    };
    // 400 names that do not follow the pattern: all rows without a real brand, and some more.
    int irregular = 0;
    std::vector<std::size_t> others;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        BearingRow& r = rows[i];
        if (!r.ppai || r.ppai->empty() || *r.ppai == "-") {
            r.irregularName = true;
            ++irregular;
        } else if (!r.pinned && i >= kShownAtStart && !trailingBrand(r)) {
            others.push_back(i);
        }
    }
    for (std::size_t i = others.size(); i > 1; --i) {
        std::swap(others[i - 1], others[rng.below(i)]);
    }
    for (std::size_t n = 0; irregular < 400; ++n, ++irregular) {
        rows[others[n]].irregularName = true;
    }
    int trailing = 0;
    for (auto& r : rows) {
        if (r.pinned) {
            continue;
        }
        const std::string model = r.ckxh.value_or("");
        if (r.irregularName) {
            const std::string brand = r.ppai.value_or("");
            switch (rng.below(r.ppai ? 4 : 2)) {
                case 0:
                    r.zhch = model + " 轴承";
                    break;
                case 1:
                    r.zhch = std::nullopt;
                    break;
                case 2:
                    r.zhch = brand + model + " 轴承";
                    break;
                default:
                    r.zhch = brand + " " + model;
                    break;
            }
            continue;
        }
        const BearingBrand& brand = brands[static_cast<std::size_t>(r.brand)];
        r.trailingSpace = trailingBrand(r) && trailing < 14392;
        trailing += r.trailingSpace ? 1 : 0;
        r.zhch = *r.ppai + std::string(static_cast<std::size_t>(brand.spaces), ' ') + model +
                 " 轴承" + (r.trailingSpace ? " " : "");
    }
    if (trailing != 14392) {
        std::cerr << "catalogue_generator: only " << trailing << " names with a trailing space\n";
        std::exit(1);
    }
}

}  // namespace catgen
