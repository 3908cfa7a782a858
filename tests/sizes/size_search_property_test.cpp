// For a few hundred generated measurements, the index finds exactly the rows that a plain
// filter over every row of the shipped catalogue finds, in the same order. The filter and
// its order are written here again from their rules, without the index's code.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "catalogue/catalogue_database.h"
#include "catalogue/image/catalogue_image.h"
#include "query/sizes/measurement.h"
#include "query/sizes/size_index.h"

namespace lz::sizes {
namespace {

using Wide = __int128;

struct Row {
    std::int32_t bh;
    Length d, D, B;
    std::string type;
};

// A catalogue size: digits with at most one point, in tenths of a micrometre.
std::optional<Length> plainSize(const std::string& text) {
    if (text.empty() || text.find_first_not_of("0123456789.") != std::string::npos ||
        std::count(text.begin(), text.end(), '.') > 1 || text == ".") {
        return std::nullopt;
    }
    const Length length = std::llround(std::strtod(text.c_str(), nullptr) * 10'000);
    return length > 0 ? std::optional<Length>(length) : std::nullopt;
}

std::vector<Row> everyRow() {
    catalogue::CatalogueDatabase database;
    EXPECT_TRUE(database.openImage(catalogue::catalogueImage()));
    std::vector<Row> rows;
    const auto handle = database.OpenTable("select * from bearing");
    for (; !database.IsEOF(handle); database.MoveNext(handle)) {
        const auto text = [&](const char* field) {
            return catalogue::fieldText(database.ReadColByName(handle, field));
        };
        const auto d = plainSize(text("njin")), D = plainSize(text("wjin")),
                   B = plainSize(text("gdu"));
        if (d && D && B) {
            rows.push_back({std::stoi(text("bh")), *d, *D, *B, text("btype")});
        }
    }
    database.CloseTable(handle);
    return rows;
}

struct Group {
    Length d, D, B;
    std::vector<std::int32_t> bh;
    bool operator==(const Group&) const = default;
};

struct Found {
    bool within;
    std::vector<Group> groups;
    bool operator==(const Found&) const = default;
};

// Every row, grouped by size; the groups within tolerance nearest first, or the nearest
// twenty rows.
Found bruteForce(const std::vector<Row>& rows, const Measurement& m) {
    std::map<std::tuple<Length, Length, Length>, std::vector<std::int32_t>> bySize;
    for (const Row& row : rows) {
        if (m.type.empty() || row.type == m.type) {
            bySize[{row.d, row.D, row.B}].push_back(row.bh);
        }
    }
    struct Scored {
        Group group;
        Wide worstNumerator, worstDenominator, sum;
        bool within;
    };
    std::vector<Scored> all;
    for (auto& [size, bh] : bySize) {
        const auto [d, D, B] = size;
        std::sort(bh.begin(), bh.end());
        const Length dd = std::abs(m.inner.length - d), dD = std::abs(m.outer.length - D);
        const Length dB = m.width ? std::abs(m.width->length - B) : 0;
        // The worst of dd/t, dD/t, dB/tB over the common denominator t·tB.
        const Wide worst = std::max(
            {Wide{dd} * m.widthTolerance, Wide{dD} * m.widthTolerance, Wide{dB} * m.tolerance});
        const Wide sum = Wide{dd + dD} * m.widthTolerance + Wide{dB} * m.tolerance;
        const bool within = dd <= m.tolerance && dD <= m.tolerance && dB <= m.widthTolerance;
        all.push_back({{d, D, B, bh}, worst, Wide{m.tolerance} * m.widthTolerance, sum, within});
    }
    std::sort(all.begin(), all.end(), [](const Scored& a, const Scored& b) {
        if (a.worstNumerator != b.worstNumerator) {
            return a.worstNumerator < b.worstNumerator;
        }
        if (a.group.bh.size() != b.group.bh.size()) {
            return a.group.bh.size() > b.group.bh.size();
        }
        if (a.sum != b.sum) {
            return a.sum < b.sum;
        }
        return std::tie(a.group.d, a.group.D, a.group.B) <
               std::tie(b.group.d, b.group.D, b.group.B);
    });
    Found found{false, {}};
    for (const Scored& s : all) {
        if (s.within) {
            found.within = true;
            found.groups.push_back(s.group);
        }
    }
    if (found.within) {
        return found;
    }
    std::size_t left = 20;
    for (const Scored& s : all) {
        if (left == 0) {
            break;
        }
        Group group = s.group;
        group.bh.resize(std::min(group.bh.size(), left));
        left -= group.bh.size();
        found.groups.push_back(group);
    }
    return found;
}

Found indexed(const SizeIndex& index, const Measurement& m) {
    const SizeSearch search = index.search(m);
    Found found{search.withinTolerance, {}};
    for (const SizeGroup& g : search.groups) {
        found.groups.push_back({g.nominal.inner, g.nominal.outer, g.nominal.width, g.bh});
    }
    return found;
}

// A length as millimetres with four decimals, exactly.
std::string mmText(Length length) {
    std::string decimals = std::to_string(length % 10'000);
    decimals.insert(0, 4 - decimals.size(), '0');
    return std::to_string(length / 10'000) + "." + decimals + "mm";
}

std::string inchText(int sixtyFourths) {
    const int whole = sixtyFourths / 64, part = sixtyFourths % 64;
    if (part == 0) {
        return std::to_string(whole);
    }
    return (whole > 0 ? std::to_string(whole) + "-" : "") + std::to_string(part) + "/64";
}

TEST(SizeSearchProperty, IndexFindsWhatEveryRowFilteredFinds) {
    const std::vector<Row> rows = everyRow();
    ASSERT_EQ(rows.size(), 58'963u);
    catalogue::CatalogueDatabase database;
    ASSERT_TRUE(database.openImage(catalogue::catalogueImage()));
    const std::optional<SizeIndex> index = SizeIndex::build(database);
    ASSERT_TRUE(index);

    std::vector<Length> outers;
    for (const Row& row : rows) {
        outers.push_back(row.D);
    }
    std::sort(outers.begin(), outers.end());
    outers.erase(std::unique(outers.begin(), outers.end()), outers.end());

    std::mt19937 random(20240611);
    const auto pick = [&](std::size_t size) {
        return std::uniform_int_distribution<std::size_t>(0, size - 1)(random);
    };
    const auto offset = [&](Length spread) {
        return std::uniform_int_distribution<Length>(-spread, spread)(random);
    };
    const std::string tolerances[] = {"0.02", "0.05", "0.1", "0.3", "1"};

    int within = 0, nearest = 0, inch = 0;
    for (int n = 0; n < 480; ++n) {
        const Row& row = rows[pick(rows.size())];
        const std::string tolerance = tolerances[pick(std::size(tolerances))];
        const Length t = std::llround(std::stod(tolerance) * 10'000);
        std::string d, D, B, type;
        LengthUnit unit = LengthUnit::Millimetre;
        switch (n % 5) {
            case 0:  // near a real size: d and D within tolerance, B in or out
                d = mmText(row.d + offset(t));
                D = mmText(row.D + offset(t));
                B = n % 2 ? mmText(row.B + offset(t * 3)) : "";
                break;
            case 1: {  // between two neighbouring outer diameters
                const std::size_t i = pick(outers.size() - 1);
                d = mmText(row.d);
                D = mmText((outers[i] + outers[i + 1]) / 2);
                if (outers[i] >= row.d + 20'000) {
                    d = mmText(std::min(row.d, outers[i] / 2));
                }
                break;
            }
            case 2: {  // inch sizes in 64ths
                const int bore = 8 + static_cast<int>(pick(600));
                d = inchText(bore);
                D = inchText(bore + 16 + static_cast<int>(pick(400)));
                B = n % 2 ? inchText(8 + static_cast<int>(pick(200))) : "";
                unit = LengthUnit::Inch;
                ++inch;
                break;
            }
            case 3: {  // exactly at a tolerance, or a tenth of a micrometre beyond it
                const Length beyond = n % 2;
                const Length sign = pick(2) ? 1 : -1;
                d = mmText(row.d + sign * (t + beyond));
                D = mmText(row.D - sign * t);
                B = mmText(row.B + sign * 2 * t);
                break;
            }
            case 4:  // far from anything of one type
                d = mmText(row.d + offset(5 * 10'000));
                D = mmText(row.D + offset(5 * 10'000));
                B = mmText(row.B + offset(3 * 10'000));
                type = row.type;
                break;
        }
        if (n % 7 == 0) {
            type = row.type;
        }
        const MeasurementReading reading =
            readMeasurement({d, D, B, unit, tolerance, "", type.empty() ? "全部" : type});
        if (!reading.measurement) {
            continue;  // a bore not below the outer diameter, say
        }
        const Found expected = bruteForce(rows, *reading.measurement);
        EXPECT_EQ(indexed(*index, *reading.measurement), expected)
            << d << " × " << D << " × " << B << " ±" << tolerance << " " << type;
        (expected.within ? within : nearest) += 1;
    }
    // The cases cover both outcomes.
    EXPECT_GT(within, 120);
    EXPECT_GT(nearest, 120);
    EXPECT_GT(inch, 90);
}

}  // namespace
}  // namespace lz::sizes
