// Matching a shop's lines against the catalogue: every way shops write a line (glued
// brands, full-width text, ".0", merged brands, old codes, makers' own spellings) through
// the import's cleaning and the matcher, as one table; the user's answers; and a few lines
// against the catalogue the program carries.
#include "shop/matching/stock_matcher.h"

#include <gtest/gtest.h>

#include <set>

#include "catalogue/catalogue_database.h"
#include "catalogue/image/catalogue_image.h"
#include "shop/import/cleaning.h"
#include "shop/import/stock_import.h"
#include "tests/shop/fixture_files.h"

namespace lz::shop {
namespace {

using Ids = std::vector<std::int32_t>;

// A few rows as the catalogue writes them: bh, newno, oldno, ckxh, ppai.
CatalogueTables smallCatalogue() {
    struct Row {
        std::int32_t bh;
        const char* newno;
        const char* oldno;
        const char* ckxh;
        const char* brand;
    };
    const Row rows[] = {
        {1, "6205-2RS", "180205", "6205DDU", "NSK"},
        {2, "6205-2RS", "180205", "6205LLU", "NTN"},
        {3, "6205-2RS", "180205", "6205-2RSH", "SKF"},
        {4, "6205", "205", "6205", "NSK"},
        {5, "6205", "205", "6205", "SKF"},
        {6, "6206-2RS", "180206", "6206DDU", "NSK"},
        {7, "6207-2Z", "80207", "6207-2Z", "SKF"},
        {8, "6207-2Z", "80207", "6207ZZ", "NSK"},
        {9, "6208", "208", "6208", "FAG"},
        {10, "6209", "209", "6209", "NTN"},
        {11, "605-2Z", "80015", "605ZZ", "NSK"},
        {12, "6052-Z", "60152", "6052-Z", "NSK"},
        {13, "NU 205 E", "32205E", "NU 205 ECP", "SKF"},
        {14, "NU205E", "", "NU205ET", "FAG"},
        {15, "6308", "308", "6308", "NSK"},
        {16, "6207-2Z", "80207", "6207ZZCM", "NSK"},
        {17, "7205 B", "66205", "7205 BEP", "EZO "},
        {18, "2205", "1505", "2205", "NSK"},
        {19, "N 205", "2205", "N205", "NSK"},
    };
    CatalogueTables tables;
    for (const Row& row : rows) {
        tables.designations.push_back({row.bh, row.newno, row.oldno, row.ckxh});
        tables.rows.push_back({row.bh, row.newno, row.ckxh, row.brand});
    }
    return tables;
}

const StockMatcher& smallMatcher() {
    static const StockMatcher matcher(smallCatalogue());
    return matcher;
}

KnownBrands catalogueBrands(const StockMatcher& matcher) {
    QStringList brands;
    for (const std::string& brand : matcher.rows().brands()) {
        brands << QString::fromStdString(brand);
    }
    return KnownBrands(brands);
}

TEST(StockMatching, EveryWayOfWritingALineAsATable) {
    struct Case {
        const char* designationCell;
        const char* brandCell;
        const char* designation;  // after cleaning
        const char* brand;
        MatchState state;
        std::optional<std::int32_t> bh;
        const char* newno;  // 新型号
        Ids candidates;
    };
    const MatchState kMatched = MatchState::Matched;
    const MatchState kPending = MatchState::Pending;
    const MatchState kUnmatched = MatchState::Unmatched;
    const Case cases[] = {
        // Brand and canonical designation both equal.
        {"6205-2RS", "NSK", "6205-2RS", "NSK", kMatched, 1, "6205-2RS", {}},
        {"6205-2RS", "nsk", "6205-2RS", "NSK", kMatched, 1, "6205-2RS", {}},
        {"6205 2RS", "SKF", "6205 2RS", "SKF", kMatched, 3, "6205-2RS", {}},
        {"62052RS", "NTN", "62052RS", "NTN", kMatched, 2, "6205-2RS", {}},
        {"180205", "NSK", "180205", "NSK", kMatched, 1, "6205-2RS", {}},
        {"7205B", "ezo", "7205B", "EZO", kMatched, 17, "7205 B", {}},
        // Glued brands, with and without a separator, and a brand said twice.
        {"NSK6206DDU", "", "6206DDU", "NSK", kMatched, 6, "6206-2RS", {}},
        {"SKF 6205-2RS", "", "6205-2RS", "SKF", kMatched, 3, "6205-2RS", {}},
        {"NSK 6205", "NSK", "6205", "NSK", kMatched, 4, "6205", {}},
        // Full width.
        {"６２０７ＺＺ", "ＳＫＦ", "6207ZZ", "SKF", kMatched, 7, "6207-2Z", {}},
        {"６２０５－２ＲＳ", "ＮＴＮ", "6205-2RS", "NTN", kMatched, 2, "6205-2RS", {}},
        // ".0" from a number cell, and a number cell.
        {"6208.0", "FAG", "6208", "FAG", kMatched, 9, "6208", {}},
        {"6209", " NTN ", "6209", "NTN", kMatched, 10, "6209", {}},
        // The text is a row's own designation: that row, though it reads two ways.
        {"6052Z", "NSK", "6052Z", "NSK", kMatched, 12, "6052-Z", {}},
        {"605ZZ", "", "605ZZ", "", kMatched, 11, "605-2Z", {}},
        // One brand has the bearing twice: its own spelling first.
        {"6207ZZ", "NSK", "6207ZZ", "NSK", kMatched, 8, "6207-2Z", {}},
        {"6207ZZCM", "NSK", "6207ZZCM", "NSK", kMatched, 16, "6207-2Z", {}},
        // No brand: one brand only, or a maker's own spelling.
        {"6308", "", "6308", "", kMatched, 15, "6308", {}},
        {"6206-2RS", "", "6206-2RS", "", kMatched, 6, "6206-2RS", {}},
        {"6205DDU", "", "6205DDU", "", kMatched, 1, "6205-2RS", {}},
        {"6205 llu", "", "6205 llu", "", kMatched, 2, "6205-2RS", {}},
        // Several candidates: brands, bearings, or none of the brand given.
        {"6205-2RS", "", "6205-2RS", "", kPending, {}, "6205-2RS", {1, 2, 3}},
        {"6205", "", "6205", "", kPending, {}, "6205", {4, 5}},
        {"180205", "", "180205", "", kPending, {}, "6205-2RS", {1, 2, 3}},
        {"6205-2RS", "FAG", "6205-2RS", "FAG", kPending, {}, "6205-2RS", {1, 2, 3}},
        {"6308.0", "HRB", "6308", "HRB", kPending, {}, "6308", {15}},
        {"2205", "NSK", "2205", "NSK", kPending, {}, "", {18, 19}},
        {"NU205E", "", "NU205E", "", kPending, {}, "NU 205 E", {13, 14}},
        {"6207-2Z", "", "6207-2Z", "", kPending, {}, "6207-2Z", {7, 8, 16}},
        // Nothing of the kind.
        {"7205BEP", "SKF", "7205BEP", "SKF", kPending, {}, "7205 B", {17}},
        {"6310", "NSK", "6310", "NSK", kUnmatched, {}, "", {}},
        {"轴承", "", "轴承", "", kUnmatched, {}, "", {}},
        {"ABC-1", "", "ABC-1", "", kUnmatched, {}, "", {}},
    };
    const StockMatcher& matcher = smallMatcher();
    const KnownBrands brands = catalogueBrands(matcher);
    for (const Case& c : cases) {
        const std::string what = std::string(c.designationCell) + " / " + c.brandCell;
        const DesignationAndBrand cleaned = cleanDesignationAndBrand(
            QString::fromUtf8(c.designationCell), QString::fromUtf8(c.brandCell), brands);
        EXPECT_EQ(cleaned.designation.toStdString(), c.designation) << what;
        EXPECT_EQ(cleaned.brand.toStdString(), c.brand) << what;
        const LineMatch found =
            matcher.match(cleaned.designation.toStdString(), cleaned.brand.toStdString());
        EXPECT_EQ(matchStateText(found.state), std::string(matchStateText(c.state))) << what;
        EXPECT_EQ(found.bh, c.bh) << what;
        EXPECT_EQ(found.newno, c.newno) << what;
        EXPECT_EQ(std::set<std::int32_t>(found.candidates.begin(), found.candidates.end()),
                  std::set<std::int32_t>(c.candidates.begin(), c.candidates.end()))
            << what;
    }
}

// A brand merged down a group of lines belongs to each line, and matches for each.
TEST(StockMatching, MergedBrandsMatchEveryLineOfTheirBlock) {
    Sheet sheet;
    sheet.rows = {{1, {"型号", "品牌", "数量"}},
                  {2, {"6205", "NSK", "5"}},
                  {3, {"6206-2RS", "", "6"}},
                  {4, {"6205", "SKF", "8"}},
                  {5, {"6205-2RS", "", "1"}}};
    sheet.merged = {{2, 3, 1, 1}, {4, 5, 1, 1}};
    const auto mapping = findHeader(sheet);
    ASSERT_TRUE(mapping);
    const CleanedLines cleaned = cleanStockLines(sheet, *mapping, catalogueBrands(smallMatcher()));
    ASSERT_EQ(cleaned.lines.size(), 4u);
    std::vector<std::string> found;
    for (const ImportedLine& line : cleaned.lines) {
        const LineMatch match =
            smallMatcher().match(line.designation.toStdString(), line.brand.toStdString());
        found.push_back(line.designation.toStdString() + "|" + line.brand.toStdString() + "|" +
                        matchStateText(match.state) + "|" +
                        (match.bh ? std::to_string(*match.bh) : ""));
    }
    EXPECT_EQ(found, (std::vector<std::string>{"6205|NSK|已匹配|4", "6206-2RS|NSK|已匹配|6",
                                               "6205|SKF|已匹配|5", "6205-2RS|SKF|已匹配|3"}));
}

TEST(StockMatching, TheUsersAnswerSettlesTheSameTextAndBrandNextTime) {
    const StockMatcher& matcher = smallMatcher();
    MatchAnswers answers({{"6205-2RS", "", 2, ""}, {"ABC-1", "", {}, "6205"}});
    const LineMatch chosen = matchLine(matcher, answers, "6205-2RS", "");
    EXPECT_EQ(chosen.state, MatchState::Matched);
    EXPECT_EQ(chosen.bh, 2);
    EXPECT_EQ(chosen.newno, "6205-2RS");
    EXPECT_TRUE(chosen.answered);
    const LineMatch byDesignation = matchLine(matcher, answers, "ABC-1", "");
    EXPECT_EQ(byDesignation.state, MatchState::Matched);
    EXPECT_EQ(byDesignation.bh, std::nullopt);
    EXPECT_EQ(byDesignation.newno, "6205");
    // Only the very text and brand: another brand, another spelling are matched afresh.
    EXPECT_EQ(matchLine(matcher, answers, "6205-2RS", "NSK").bh, 1);
    EXPECT_EQ(matchLine(matcher, answers, "6205-2rs", "").state, MatchState::Pending);
    EXPECT_FALSE(matchLine(matcher, answers, "6205-2RS", "NSK").answered);
    // An answer naming a row the catalogue lacks is passed over, not trusted.
    answers.set({"6205-2RS", "", 999, ""});
    EXPECT_EQ(matchLine(matcher, answers, "6205-2RS", "").state, MatchState::Pending);
    EXPECT_EQ(answers.all().size(), 2u) << "the new answer replaced the old";

    StockLine line;
    applyMatch(matchLine(matcher, answers, "ABC-1", ""), line);
    EXPECT_EQ(line.match, MatchState::Matched);
    EXPECT_EQ(line.newno, "6205");
    EXPECT_EQ(line.bh, std::nullopt);
}

TEST(StockMatching, CountsAreWrittenAsTheDialogShowsThem) {
    MatchCounts counts;
    for (MatchState state : {MatchState::Matched, MatchState::Matched, MatchState::Pending,
                             MatchState::Unmatched, MatchState::Matched}) {
        counts.add(state);
    }
    EXPECT_EQ(matchCountsText(counts), "已匹配 3，待确认 1，未匹配 1");
    EXPECT_EQ(matchCountsText({}), "已匹配 0，待确认 0，未匹配 0");
}

TEST(StockMatching, CatalogueBrandsAreComparedWithoutCaseOrPadding) {
    EXPECT_EQ(brandKey(" EZO "), "ezo");
    EXPECT_EQ(brandKey("Kingon"), "kingon");
    EXPECT_EQ(brandKey("-"), "");
    EXPECT_EQ(brandKey("  "), "");
    EXPECT_EQ(brandKey("哈轴"), "哈轴");
    // Most rows first; one spelling each.
    const std::vector<std::string> brands = smallMatcher().rows().brands();
    EXPECT_EQ(brands.front(), "NSK");
    EXPECT_EQ(std::set<std::string>(brands.begin(), brands.end()),
              (std::set<std::string>{"NSK", "NTN", "SKF", "FAG", "EZO "}))
        << "the catalogue's spelling, padding and all";
}

// ---- The catalogue the program carries ----------------------------------------------

const StockMatcher& shippedMatcher() {
    static const StockMatcher* const matcher = [] {
        catalogue::CatalogueDatabase database;
        if (!database.openImage(catalogue::catalogueImage())) {
            return static_cast<StockMatcher*>(nullptr);
        }
        std::optional<StockMatcher> built = StockMatcher::build(database);
        return built ? new StockMatcher(std::move(*built)) : nullptr;
    }();
    return *matcher;
}

TEST(StockMatching, TheFixtureWorkbookAgainstTheShippedCatalogue) {
    StockImportOptions options;
    for (const std::string& brand : shippedMatcher().rows().brands()) {
        options.knownBrands << QString::fromStdString(brand);
    }
    const StockFileReading reading =
        readStockFile(test::fixture("stock_shared_strings.xlsx"), options);
    ASSERT_TRUE(reading.error.isEmpty()) << reading.error.toStdString();
    std::vector<std::string> found;
    for (const ImportedLine& line : reading.cleaned.lines) {
        const LineMatch match =
            shippedMatcher().match(line.designation.toStdString(), line.brand.toStdString());
        found.push_back(line.designation.toStdString() + "|" + line.brand.toStdString() + "|" +
                        matchStateText(match.state) + "|" +
                        (match.bh ? std::to_string(*match.bh) : "") + "|" + match.newno);
    }
    EXPECT_EQ(found, (std::vector<std::string>{
                         "6205-2RS|NSK|已匹配|466|6205-2RS",
                         "6206DDU|NSK|已匹配|475|6206-2RS",
                         "6207ZZ|SKF|已匹配|22484|6207-2Z",
                         "6208|FAG|待确认||6208",
                         "6209|NTN|待确认||6209",
                     }));
    EXPECT_EQ(shippedMatcher().match("6205LLU", "").bh, 8925);
    EXPECT_EQ(shippedMatcher().match("6205-2RSH", "skf").bh, 22468);
    EXPECT_EQ(shippedMatcher().match("6205-2RS", "").state, MatchState::Pending);
    EXPECT_EQ(shippedMatcher().match("不是型号", "NSK").state, MatchState::Unmatched);
}

}  // namespace
}  // namespace lz::shop
