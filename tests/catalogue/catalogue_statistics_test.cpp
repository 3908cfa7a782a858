// The embedded catalogue has the make-up the program and its users rely on: row counts, value
// counts, the forms of sizes, names and prices, and the rows that stand at fixed places.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <cstdint>
#include <fstream>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "catalogue/image/catalogue_image.h"
#include "tests/support/temp_dir.h"

namespace {

using Value = std::optional<std::string>;
using Row = std::vector<Value>;

class CatalogueStatistics : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        dir_ = new lz::test::TempDir;
        const auto file = dir_->path() / "bearing.db";
        const auto image = lz::catalogue::catalogueImage();
        std::ofstream(file, std::ios::binary)
            .write(reinterpret_cast<const char*>(image.data()),
                   static_cast<std::streamsize>(image.size()));
        ASSERT_EQ(sqlite3_open_v2(file.c_str(), &db_, SQLITE_OPEN_READONLY, nullptr), SQLITE_OK);
    }
    static void TearDownTestSuite() {
        sqlite3_close(db_);
        db_ = nullptr;
        delete dir_;
        dir_ = nullptr;
    }

    // All rows of a query, each column as text (NULL stays absent). Parameters bind in order.
    static std::vector<Row> rows(const std::string& sql, const std::vector<Value>& params = {}) {
        sqlite3_stmt* stmt = nullptr;
        EXPECT_EQ(sqlite3_prepare_v2(db_, sql.c_str(), -1, &stmt, nullptr), SQLITE_OK)
            << sql << ": " << sqlite3_errmsg(db_);
        for (std::size_t i = 0; i < params.size(); ++i) {
            const int at = static_cast<int>(i) + 1;
            if (params[i]) {
                sqlite3_bind_text(stmt, at, params[i]->c_str(), -1, SQLITE_TRANSIENT);
            } else {
                sqlite3_bind_null(stmt, at);
            }
        }
        std::vector<Row> out;
        while (sqlite3_step(stmt) == SQLITE_ROW) {
            Row row;
            for (int c = 0; c < sqlite3_column_count(stmt); ++c) {
                const auto* text = sqlite3_column_text(stmt, c);
                row.push_back(text ? Value(reinterpret_cast<const char*>(text)) : std::nullopt);
            }
            out.push_back(std::move(row));
        }
        sqlite3_finalize(stmt);
        return out;
    }

    static long long number(const std::string& sql, const std::vector<Value>& params = {}) {
        const auto result = rows(sql, params);
        return result.empty() || !result[0][0] ? -1 : std::stoll(*result[0][0]);
    }

    // Rows of `table` whose `column` is exactly `value` (byte for byte; NULL when absent).
    static long long countOf(const std::string& table, const std::string& column,
                             const Value& value) {
        return value ? number("SELECT count(*) FROM " + table + " WHERE " + column +
                                  " = ?1 COLLATE BINARY",
                              {value})
                     : number("SELECT count(*) FROM " + table + " WHERE " + column + " IS NULL");
    }

    static lz::test::TempDir* dir_;
    static sqlite3* db_;
};

lz::test::TempDir* CatalogueStatistics::dir_ = nullptr;
sqlite3* CatalogueStatistics::db_ = nullptr;

// Plain decimal in shortest form: digits, at most four decimals, no trailing zero, no sign.
bool shortestDecimal(const std::string& text) {
    const auto dot = text.find('.');
    const std::string whole = text.substr(0, dot);
    if (whole.empty() || whole.find_first_not_of("0123456789") != std::string::npos ||
        (whole.size() > 1 && whole[0] == '0')) {
        return false;
    }
    if (dot == std::string::npos) {
        return true;
    }
    const std::string fraction = text.substr(dot + 1);
    return !fraction.empty() && fraction.size() <= 4 &&
           fraction.find_first_not_of("0123456789") == std::string::npos && fraction.back() != '0';
}

// nonprice x 1.17 written with every decimal of the exact product; empty for anything that
// is not a positive plain decimal.
std::string exactTaxPrice(const std::string& nonprice) {
    const auto dot = nonprice.find('.');
    std::string digits = nonprice;
    std::size_t decimals = 0;
    if (dot != std::string::npos) {
        digits.erase(dot, 1);
        decimals = nonprice.size() - dot - 1;
    }
    if (digits.empty() || digits.size() > 15 ||
        digits.find_first_not_of("0123456789") != std::string::npos) {
        return {};
    }
    const std::uint64_t product = std::stoull(digits) * 117;
    if (product == 0) {
        return {};
    }
    std::string text = std::to_string(product);
    const std::size_t scale = decimals + 2;
    if (text.size() <= scale) {
        text.insert(0, scale - text.size() + 1, '0');
    }
    text.insert(text.size() - scale, ".");
    while (text.back() == '0')
        text.pop_back();
    if (text.back() == '.')
        text.pop_back();
    return text;
}

long long exactPriceRows(const std::vector<Row>& priceRows) {
    long long exact = 0;
    for (const Row& r : priceRows) {
        if (r[0] && r[1] && !exactTaxPrice(*r[0]).empty() && exactTaxPrice(*r[0]) == *r[1]) {
            ++exact;
        }
    }
    return exact;
}

TEST_F(CatalogueStatistics, BearingTableCountsAndForms) {
    EXPECT_EQ(number("SELECT count(*) FROM bearing"), 59188) << "bearing rows";
    EXPECT_EQ(number("SELECT count(*) FROM bearing WHERE bh = rowid AND bh BETWEEN 1 AND 59188"),
              59188)
        << "bh must run 1..59188 without gaps in stored order";
    EXPECT_EQ(number("SELECT count(*) FROM bearing WHERE zhch1 IS NOT NULL"), 0) << "zhch1";

    const std::vector<std::pair<Value, long long>> brands = {
        {"SKF", 8460},   {"NSK", 8453},       {"FAG", 7273},
        {"NTN", 6224},   {"NACHI", 5025},     {"KOYO", 4605},
        {"INA", 2765},   {"STEYR", 2513},     {"SNR", 1978},
        {"MRC", 1786},   {"RHP", 1487},       {"ZKL", 712},
        {"TIMKEN", 681}, {"BARDEN", 667},     {"GMN", 657},
        {"DKF", 652},    {"TORRINGTON", 632}, {"TORRINGTON FAFNIR", 617},
        {"FLT", 529},    {"RIV", 486},        {"IKO", 458},
        {"MAC", 458},    {"FYH", 387},        {"ASAHI", 301},
        {"Kingon", 278}, {"ASK", 212},        {"", 177},
        {"NMB", 141},    {"SAMICK", 110},     {"SNFA", 102},
        {"-", 65},       {"AET", 61},         {"Nachi", 47},
        {"SYEYR", 46},   {"THK", 33},         {"EASE", 31},
        {"SNF", 26},     {"FAFNIR", 26},      {"EZO ", 18},
        {"EZO", 7},      {std::nullopt, 2}};
    long long listed = 0;
    for (const auto& [brand, expected] : brands) {
        EXPECT_EQ(countOf("bearing", "ppai", brand), expected)
            << "bearing rows of brand '" << brand.value_or("NULL") << "'";
        listed += expected;
    }
    EXPECT_EQ(listed, 59188) << "the brand list covers every row";

    const std::vector<std::pair<Value, long long>> types = {
        {"角接触球轴承", 13663},   {"圆柱滚子轴承", 12292}, {"深沟球轴承", 11584},
        {"调心滚子轴承", 4412},    {"推力球轴承", 3462},    {"圆锥滚子轴承", 3217},
        {"滚针轴承", 2948},        {"调心球轴承", 2469},    {"带座外球面球轴承", 1314},
        {"推力滚子轴承", 1067},    {std::nullopt, 497},     {"其它", 454},
        {"滚针和保持架组件", 260}, {"直线运动轴承", 248},   {"推力角接触球轴承", 217},
        {"滚轮轴承", 217},         {"关节轴承", 203},       {"滚针组合轴承", 178},
        {"推力圆柱滚子轴承", 168}, {"微型轴承", 141},       {"外球面球轴承", 80},
        {"非标轴承", 69},          {"薄壁轴承", 25},        {"轴承座", 3}};
    for (const auto& [type, expected] : types) {
        EXPECT_EQ(countOf("bearing", "btype", type), expected)
            << "bearing rows of type '" << type.value_or("NULL") << "'";
    }

    EXPECT_EQ(number("SELECT count(DISTINCT tt COLLATE BINARY) FROM bearing"), 818)
        << "distinct descriptions";
    EXPECT_EQ(number("SELECT max(length(tt)) FROM bearing"), 106) << "longest description";

    const char* patterned =
        "SELECT count(*) FROM bearing WHERE zhch COLLATE BINARY IN ("
        "ppai || ' ' || ckxh || ' 轴承', ppai || '  ' || ckxh || ' 轴承', "
        "ppai || ' ' || ckxh || ' 轴承 ', ppai || '  ' || ckxh || ' 轴承 ')";
    EXPECT_EQ(number(patterned), 58788) << "names of the form brand, model, 轴承";
    EXPECT_EQ(number("SELECT count(*) FROM bearing WHERE zhch LIKE '%轴承 '"), 14392)
        << "names with one further trailing space";
    EXPECT_EQ(
        number("SELECT count(*) FROM bearing WHERE zhch LIKE '% ' AND zhch NOT LIKE '%轴承 '"), 0)
        << "only the pattern's trailing space";
}

TEST_F(CatalogueStatistics, BearingDimensions) {
    EXPECT_EQ(number("SELECT count(*) FROM bearing WHERE njin = '0'"), 155) << "inner diameter 0";
    EXPECT_EQ(number("SELECT count(*) FROM bearing WHERE njin IS NULL AND wjin IS NULL AND "
                     "gdu IS NULL"),
              70)
        << "rows without any dimension";
    EXPECT_EQ(number("SELECT count(*) FROM bearing WHERE (njin IS NULL) + (wjin IS NULL) + "
                     "(gdu IS NULL) IN (1, 2)"),
              0)
        << "rows with only some dimensions";

    long long malformed = 0;
    for (const Row& r : rows("SELECT njin, wjin, gdu FROM bearing WHERE njin IS NOT NULL")) {
        for (const Value& v : r) {
            if (!v || !shortestDecimal(*v)) {
                ADD_FAILURE() << "dimension text not in shortest form: '" << v.value_or("NULL")
                              << "'";
                if (++malformed > 5)
                    return;
            }
        }
    }

    auto oversize = [](const char* column, double limit) {
        return rows(std::string("SELECT ") + column + " FROM bearing WHERE CAST(" + column +
                    " AS REAL) > " + std::to_string(limit) + " ORDER BY CAST(" + column +
                    " AS REAL)");
    };
    const auto bores = oversize("njin", 1800);
    ASSERT_EQ(bores.size(), 1u) << "inner diameters above 1800";
    EXPECT_EQ(bores[0][0], Value("90000"));
    const auto outsides = oversize("wjin", 2180);
    ASSERT_EQ(outsides.size(), 5u) << "outer diameters above 2180";
    EXPECT_EQ(outsides.front()[0], Value("85000"));
    EXPECT_EQ(outsides.back()[0], Value("1090000"));
    const auto widths = oversize("gdu", 620);
    ASSERT_EQ(widths.size(), 10u) << "widths above 620";
    EXPECT_EQ(widths.front()[0], Value("23800"));
    EXPECT_EQ(widths.back()[0], Value("410000"));

    EXPECT_EQ(
        rows("SELECT max(CAST(njin AS REAL)) FROM bearing WHERE CAST(njin AS REAL) <= 1800")[0][0],
        Value("1800.0"))
        << "largest ordinary inner diameter";
    EXPECT_EQ(
        rows("SELECT max(CAST(wjin AS REAL)) FROM bearing WHERE CAST(wjin AS REAL) <= 2180")[0][0],
        Value("2180.0"))
        << "largest ordinary outer diameter";
    EXPECT_EQ(
        rows("SELECT max(CAST(gdu AS REAL)) FROM bearing WHERE CAST(gdu AS REAL) <= 620")[0][0],
        Value("620.0"))
        << "largest ordinary width";
}

// A bearing has the same boundary dimensions whoever makes it, whatever its seals or cage.
TEST_F(CatalogueStatistics, RealDimensionsAcrossBrands) {
    struct Check {
        const char* base;
        const char* d;
        const char* D;
        const char* B;
    };
    for (const Check& c : {Check{"6205", "25", "52", "15"}, Check{"51207", "35", "62", "18"},
                           Check{"30205", "25", "52", "16.25"}, Check{"22205", "25", "52", "18"},
                           Check{"NU 205", "25", "52", "15"}, Check{"NU205", "25", "52", "15"},
                           Check{"7205", "25", "52", "15"}, Check{"6305", "25", "62", "17"}}) {
        std::set<std::string> brands;
        const std::string base = c.base;
        for (const Row& r :
             rows("SELECT newno, njin, wjin, gdu, ppai FROM bearing WHERE newno LIKE ?1 "
                  "AND njin IS NOT NULL AND CAST(gdu AS REAL) <= 620",
                  {base + "%"})) {
            const std::string rest = r[0]->substr(base.size());
            if (!rest.empty() && rest[0] >= '0' && rest[0] <= '9') {
                continue;  // a longer designation such as 62052
            }
            EXPECT_EQ(r[1], Value(c.d)) << *r[0] << " of " << r[4].value_or("NULL") << ": d";
            EXPECT_EQ(r[2], Value(c.D)) << *r[0] << " of " << r[4].value_or("NULL") << ": D";
            EXPECT_EQ(r[3], Value(c.B)) << *r[0] << " of " << r[4].value_or("NULL") << ": B";
            brands.insert(r[4].value_or(""));
        }
        EXPECT_GE(brands.size(), 2u) << c.base << " should be listed by several brands";
    }
}

// Where the catalogue gives an old designation of a converted bearing, it follows the
// Chinese conversion rules (or repeats a new-style or maker's code).
TEST_F(CatalogueStatistics, OldDesignationsFollowTheRules) {
    const std::pair<const char*, const char*> pairs[] = {
        {"6205", "205"},        {"6005", "105"},     {"6305", "305"},      {"6205-2Z", "80205"},
        {"6205-2RS", "180205"}, {"6205-Z", "60205"}, {"61805", "1000805"}, {"30205", "7205E"},
        {"32205", "7505E"},     {"51207", "8207"},   {"22205", "3505"},    {"7205 C", "36205"},
        {"NA4905", "4544905"},  {"NU205", "32205"}};
    for (const auto& [newno, old] : pairs) {
        EXPECT_GT(
            number("SELECT count(*) FROM bearing WHERE newno = ?1 AND oldno = ?2", {newno, old}), 0)
            << newno << " never carries its old code " << old;
        EXPECT_EQ(number("SELECT count(*) FROM bearing WHERE newno = ?1 AND oldno <> ?2 AND "
                         "oldno <> newno AND oldno <> ckxh",
                         {newno, old}),
                  0)
            << newno << " carries an old code other than " << old;
    }
}

TEST_F(CatalogueStatistics, DomesticPriceTable) {
    EXPECT_EQ(number("SELECT count(*) FROM prgc"), 25007) << "prgc rows";
    const std::vector<std::pair<Value, long long>> makers = {
        {"洛阳", 5012},    {"哈尔滨", 4730},   {"瓦房店", 3149},  {"浙江滚动", 1933},
        {"西北", 1439},    {"上海嘉庆", 1206}, {"瓦光阳", 1144},  {"瓦远东", 1143},
        {"张家港", 1017},  {"合肥金工", 798},  {"飞亚", 738},     {"无锡滚动", 666},
        {"江苏响水", 420}, {"黄石", 386},      {"锡微", 239},     {"竹箦", 232},
        {"荷泽湖西", 229}, {"梁山", 159},      {"四川东方", 144}, {"社渚", 143},
        {"扬州", 65}};
    for (const auto& [maker, expected] : makers) {
        EXPECT_EQ(countOf("prgc", "ppai", maker), expected) << "prgc rows of maker " << *maker;
    }
    for (const char* number : {"20", "25", "30", "35", "40", "45", "50", "60", "70", "80", "90",
                               "100", "110", "120", "140"}) {
        EXPECT_EQ(CatalogueStatistics::number(
                      "SELECT count(*) FROM prgc WHERE ppai = ?1 AND newno = ?1 AND oldno = 'HZ' "
                      "AND nonprice IS NULL AND price IS NULL",
                      {number}),
                  1)
            << "HZ row " << number;
    }
    EXPECT_EQ(countOf("prgc", "ppai", "菏泽湖西"), 0) << "the maker is spelled with 荷";

    EXPECT_EQ(number("SELECT min(id) FROM prgc"), 1);
    EXPECT_EQ(number("SELECT max(id) FROM prgc"), 25453);
    EXPECT_EQ(number("SELECT count(*) FROM (SELECT id FROM prgc GROUP BY id HAVING count(*) > 1)"),
              486)
        << "ids that repeat";
    EXPECT_EQ(number("SELECT max(n) FROM (SELECT count(*) AS n FROM prgc GROUP BY id)"), 3)
        << "most repeats of one id";
    EXPECT_EQ(number("SELECT count(*) FROM (SELECT DISTINCT id, oldno, newno, nonprice, price, "
                     "ppai FROM prgc WHERE id = 13691)"),
              1)
        << "the three rows numbered 13691 are identical";
    EXPECT_EQ(number("SELECT count(*) FROM prgc WHERE id = 13691"), 3);

    // Stored in runs by maker, almost in ascending id.
    const auto stored = rows("SELECT id, ppai FROM prgc ORDER BY rowid");
    std::set<std::string> finished;
    long long descents = 0;
    for (std::size_t i = 1; i < stored.size(); ++i) {
        if (stored[i][1] != stored[i - 1][1]) {
            EXPECT_TRUE(finished.insert(stored[i - 1][1].value_or("")).second)
                << "maker " << stored[i - 1][1].value_or("") << " stored in more than one run";
        }
        descents += std::stoll(*stored[i][0]) < std::stoll(*stored[i - 1][0]) ? 1 : 0;
    }
    EXPECT_LE(descents, 3) << "ids should be almost ascending in stored order";

    EXPECT_EQ(exactPriceRows(rows("SELECT nonprice, price FROM prgc")), 23550)
        << "prgc rows whose price is exactly nonprice x 1.17";
}

TEST_F(CatalogueStatistics, ImportedPriceTable) {
    EXPECT_EQ(number("SELECT count(*) FROM prjk"), 16482) << "prjk rows";
    const std::vector<std::pair<Value, long long>> brands = {
        {"IKO", 4787},  {"FAG", 3254}, {"NACHI", 2266}, {"SKF", 1301},       {"NSK", 1275},
        {"ASAHI", 754}, {"NTN", 447},  {"NB", 326},     {std::nullopt, 320}, {"IJK", 273},
        {"EZO", 271},   {"HIC", 189},  {"CS", 143},     {"EASE", 134},       {"JAF", 121},
        {"IKS", 93},    {"KSM", 62},   {"KSK", 59},     {"RHP", 50},         {"KOYO", 42},
        {"THK", 41},    {"INA", 40},   {"MTR", 36},     {"KYK", 35},         {"STIEBER", 30},
        {"MRK", 28},    {"IBI", 23},   {"WTW", 21},     {"SAMICK", 16},      {"NMB", 10},
        {"ZKL", 7},     {"IIKO", 7},   {"TPI", 4},      {"JBS", 3},          {"KBC", 3},
        {"URB", 2},     {"NT", 1},     {"FN", 1},       {"FLT", 1},          {"EXK", 1},
        {"NMT", 1},     {"KTO", 1},    {"TORR", 1},     {"DKF", 1},          {"MCGLL", 1}};
    for (const auto& [brand, expected] : brands) {
        EXPECT_EQ(countOf("prjk", "ppai", brand), expected)
            << "prjk rows of brand " << brand.value_or("NULL");
    }
    EXPECT_EQ(number("SELECT count(DISTINCT ppai) FROM prjk"), 44) << "brands";
    EXPECT_EQ(number("SELECT count(*) FROM prjk WHERE ppai IS NULL AND nonprice = '0' AND "
                     "price = '0' AND newno LIKE '%（%系列）'"),
              320)
        << "section headings";
    EXPECT_EQ(countOf("prjk", "newno", "#NAME"), 49) << "#NAME models";

    EXPECT_EQ(number("SELECT count(*) FROM prjk WHERE ID IS NULL"), 1) << "rows without ID";
    EXPECT_EQ(number("SELECT min(ID) FROM prjk"), 3);
    EXPECT_EQ(number("SELECT max(ID) FROM prjk"), 16503);
    EXPECT_EQ(number("SELECT count(*) FROM prjk WHERE ID <> CAST(ID AS INTEGER)"), 0)
        << "IDs are whole numbers";
    EXPECT_EQ(number("SELECT count(*) FROM prjk a JOIN prjk b ON b.rowid = "
                     "(SELECT min(rowid) FROM prjk c WHERE c.rowid > a.rowid AND c.ID IS NOT NULL) "
                     "WHERE a.ID IS NOT NULL AND b.ID <= a.ID"),
              0)
        << "IDs ascend in stored order";

    EXPECT_EQ(exactPriceRows(rows("SELECT nonprice, price FROM prjk")), 16156)
        << "prjk rows whose price is exactly nonprice x 1.17";
}

TEST_F(CatalogueStatistics, FixedRowsStandWhereTheyBelong) {
    using R = Row;
    EXPECT_EQ(rows("SELECT * FROM bearing WHERE bh = 1")[0],
              (R{"1", "NSK 681 轴承", "618/1", "1000481", "1", "3", "1", "681", "NSK", "深沟球轴承",
                 "深沟球轴承 （60000 型）", std::nullopt}));
    const R skf = rows("SELECT * FROM bearing WHERE bh = 29596")[0];
    EXPECT_EQ(R(skf.begin(), skf.begin() + 7),
              (R{"29596", "SKF  51207 轴承", "51207", "8207", "35", "62", "18"}));
    EXPECT_EQ(R(skf.begin() + 8, skf.end()),
              (R{"SKF", "推力球轴承", "推力球轴承（51000 型）", std::nullopt}));
    const R timken = rows("SELECT * FROM bearing WHERE bh = 46434")[0];
    EXPECT_EQ(R(timken.begin() + 2, timken.begin() + 7),
              (R{"L521945", "L 521945 / L 521910", "101.6", "146.05", "21.4325"}));
    EXPECT_EQ(R(timken.begin() + 8, timken.end()),
              (R{"TIMKEN", std::nullopt, std::nullopt, std::nullopt}));

    EXPECT_EQ(rows("SELECT * FROM prgc WHERE id = 1"),
              (std::vector<R>{{"1", "24", "624", "2", "2.34", "哈尔滨"}}));
    EXPECT_EQ(rows("SELECT * FROM prgc WHERE id = 12047"),
              (std::vector<R>{{"12047", "32018RX2/P5", "32018RX2/P5", "210", "245.7", "洛阳"}}));
    EXPECT_EQ(
        rows("SELECT CAST(ID AS INTEGER), ppai, newno, nonprice, price FROM prjk WHERE ID = 4"),
        (std::vector<R>{{"4", "NACHI", "6000 C3", "5.3", "6.201"}}));
    EXPECT_EQ(rows("SELECT CAST(ID AS INTEGER), ppai, newno, nonprice, price FROM prjk "
                   "WHERE ID = 16500"),
              (std::vector<R>{{"16500", "SKF", "N326ECP", "5489.51", "6422.7267"}}));
}

TEST(CatalogueTaxPrice, IsTheExactProduct) {
    EXPECT_EQ(exactTaxPrice("5.3"), "6.201");
    EXPECT_EQ(exactTaxPrice("5489.51"), "6422.7267");
    EXPECT_EQ(exactTaxPrice("2"), "2.34");
    EXPECT_EQ(exactTaxPrice("210"), "245.7");
    EXPECT_EQ(exactTaxPrice("0"), "");
    EXPECT_EQ(exactTaxPrice("-"), "");
}

}  // namespace
