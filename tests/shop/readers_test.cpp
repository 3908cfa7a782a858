#include <gtest/gtest.h>

#include <QFile>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "shop/import/sheet_reader.h"
#include "shop/import/stock_import.h"
#include "shop/shop_messages.h"
#include "shop/store/shop_file.h"
#include "stock_fixtures.h"  // the generator's
#include "tests/shop/fixture_files.h"
#include "tests/support/temp_dir.h"

namespace lz::shop {
namespace {

using test::describe;
using test::fixture;
using Lines = std::vector<std::string>;

StockFileReading readFixture(const char* name, const QString& sheet = {}) {
    StockImportOptions options;
    options.sheetName = sheet;
    options.knownBrands = test::fixtureBrands();
    return readStockFile(fixture(name), options);
}

QString u(const char* text) {
    return QString::fromUtf8(text);
}

// The stock list every plain workbook holds: a merged title row above the header, a brand
// glued on (NSK6206DDU), full-width text, "6208.0" and numbers kept as text, a numeric
// designation, a padded brand and a price with float noise (0.28499999999999998 yuan).
const Lines kWorkbookLines = {
    "3|6205-2RS|NSK|10|3250|2500|A-01|",
    "4|6206DDU|NSK|4|4580|3825|A-02|现货",
    "5|6207ZZ|SKF|2|29||B-01|",
    "6|6208|FAG|3|2800|||含税",
    "7|6209|NTN|1|1230|||",
};

TEST(StockReaders, XlsxWithSharedOrInlineStringsOrAbsoluteTargetsReadAlike) {
    for (const char* name : {"stock_shared_strings.xlsx", "stock_inline_strings.xlsx",
                             "stock_absolute_targets.xlsx"}) {
        const auto reading = readFixture(name);
        ASSERT_EQ(reading.error, QString()) << name;
        EXPECT_EQ(reading.format, SheetFormat::Xlsx) << name;
        EXPECT_EQ(reading.sheet.name, u("库存")) << name;
        EXPECT_EQ(reading.mapping.headerRow, 1) << name;
        EXPECT_EQ(describe(reading.cleaned.lines), kWorkbookLines) << name;
    }
}

TEST(StockReaders, SheetsAreListedAndReadByName) {
    // A hidden first sheet is listed but not taken when no sheet is named.
    EXPECT_EQ(listSheets(fixture("stock_absolute_targets.xlsx")).sheetNames,
              QStringList({u("旧表"), u("库存")}));
    EXPECT_EQ(describe(readFixture("stock_absolute_targets.xlsx", u("旧表")).cleaned.lines),
              Lines({"2|6305||5||||"}));
    EXPECT_EQ(listSheets(fixture("stock.xls")).sheetNames, QStringList({u("库存"), u("备用")}));
    EXPECT_EQ(describe(readFixture("stock.xls", u("备用")).cleaned.lines),
              Lines({"2|7205B||1||||"}));
    EXPECT_EQ(listSheets(fixture("stock_html_table.xls")).sheetNames, QStringList({u("表格1")}));
    EXPECT_EQ(listSheets(fixture("stock_gbk.csv")).sheetNames, QStringList({u("stock_gbk")}));

    for (const char* name :
         {"stock_shared_strings.xlsx", "stock.xls", "stock_html_table.xls", "stock_gbk.csv"}) {
        const auto missing = readFixture(name, u("没有"));
        EXPECT_EQ(missing.error, u("找不到工作表：没有")) << name;
        EXPECT_TRUE(missing.cleaned.lines.empty()) << name;
    }
}

TEST(StockReaders, XlsxDatesShowAsDatesInEveryFormatExcelWrites) {
    const auto reading = readSheet(fixture("stock_chinese_dates.xlsx"));
    ASSERT_EQ(reading.error, QString());
    const char* expected[] = {
        "入库日期",
        "2024-03-05",           // 31: yyyy年m月d日
        "2024-03-05",           // 14: m/d/yyyy
        "2024-01-01",           // 57: yyyy年m月
        "2024-03-05",           // 58: m月d日
        "13:30:00",             // 32: h时mm分
        "2024-12-31 18:00:00",  // 22: m/d/yyyy h:mm
        "2024-03-05",           // own: yyyy"年"m"月"d"日";@
        "2023-01-01",           // own: [$-804]aaaa yyyy/m/d
        "45356",                // own: 0.00_ (a number)
        "45356",                // own: 0.00E+00 (a number)
        "36:00:00",             // own: [h]:mm:ss
        "2023-01-01 12:00:00",  // own: yyyy/m/d\ h:mm
        "1900-02-29",           // day 60 of the 1900 system
        "1900-02-28",
    };
    ASSERT_EQ(reading.sheet.rows.size(), std::size(expected));
    for (std::size_t k = 0; k < std::size(expected); ++k) {
        EXPECT_EQ(reading.sheet.rows[k].cell(2), u(expected[k])) << k;
    }
}

TEST(StockReaders, MergedBrandsAndShelvesBelongToEachLineOfTheirBlock) {
    const auto reading = readFixture("stock_merged_cells.xlsx");
    ASSERT_EQ(reading.error, QString());
    EXPECT_EQ(describe(reading.cleaned.lines), Lines({
                                                   "3|6205|NSK|5|3000||A-01|",
                                                   "4|6206|NSK|6|3100||A-01|",
                                                   "5|6207|NSK|7|3200||A-02|",
                                                   "6|6205|SKF|8|4000||B-01|进口",
                                                   "7|6206|SKF||4100||B-02|进口",
                                               }));
}

TEST(StockReaders, XlsThroughFreeXl) {
    const auto reading = readFixture("stock.xls");
    ASSERT_EQ(reading.error, QString());
    EXPECT_EQ(reading.format, SheetFormat::Xls);
    // The brand merged over two lines, an integer (RK) and a float quantity, 9.995 yuan
    // rounded as the sheet shows it.
    EXPECT_EQ(describe(reading.cleaned.lines), Lines({
                                                   "2|6305-2Z|NSK|12|1860|||",
                                                   "3|6306|NSK|3|2000|||",
                                                   "4|6307|NTN|1|2250|||样品",
                                                   "5|6308|HRB|2|1000|||",
                                               }));
    EXPECT_EQ(reading.sheet.rows[1].cell(5), u("2024-03-05"));  // built-in date format
    EXPECT_EQ(reading.sheet.rows[2].cell(5), u("2024-01-01"));  // yyyy"年"m"月"d"日"
}

TEST(StockReaders, AWebPageTableSavedAsXls) {
    const auto reading = readFixture("stock_html_table.xls");
    ASSERT_EQ(reading.error, QString());
    EXPECT_EQ(reading.format, SheetFormat::HtmlTable);
    EXPECT_EQ(reading.mapping.headerRow, 1);
    EXPECT_EQ(describe(reading.cleaned.lines), Lines({
                                                   "3|6205-2RS|NSK|10|3250|2500|A-01|",
                                                   "4|6206ZZ|NSK|4|2800||A-02|",
                                                   "5|6207|NTN|2|4580||B-01|含<税> & 运费",
                                                   "6|6208|FAG|1200|123450|||第一行 第二行",
                                               }));
}

TEST(StockReaders, TextFilesInGbkUtf8AndUtf16) {
    const auto gbk = readFixture("stock_gbk.csv");
    ASSERT_EQ(gbk.error, QString());
    EXPECT_EQ(gbk.format, SheetFormat::Delimited);
    // The quoted note with a line break starts on line 5, so the next record is line 7.
    EXPECT_EQ(describe(gbk.cleaned.lines), Lines({
                                               "2|6205-2RS|NSK|10|3250|2500|A-01|",
                                               "3|6206DDU|NSK|4|123450||B-02|含税,现货",
                                               "4|6207ZZ|SKF|2|4580|||",
                                               "5|6208|FAG|3|2800|||第一行\r\n第二行",
                                               "7|6209|NTN||1230|||",
                                           }));
    EXPECT_EQ(gbk.cleaned.lines[4].problems, QStringList({u("数量不是数字：abc")}));

    EXPECT_EQ(describe(readFixture("stock_utf8_bom.csv").cleaned.lines),
              Lines({"2|6310-2Z|SKF|5|8800|7050|C-03|", "3|6311|SKF|1|9900||C-04|说明 \"加急\""}));
    EXPECT_EQ(describe(readFixture("stock_utf16.txt").cleaned.lines), Lines({"2|6212||7|1500|||"}));
}

// From a file to the shop's list: the lines as read, settled by a matcher, with the
// user's answers, in one import.
TEST(StockReaders, ReadLinesGoToTheShopFileSettledByTheMatcher) {
    lz::test::TempDir dir;
    auto opening = ShopFile::open(dir.path() / "shop.sqlite");
    ASSERT_TRUE(opening.file);
    const auto reading = readFixture("stock_gbk.csv");
    ASSERT_EQ(reading.error, QString());
    const auto match = [](const ImportedLine& imported, StockLine& stock) {
        if (imported.brand == QStringLiteral("NSK")) {
            stock.match = MatchState::Matched;
            stock.bh = imported.sourceLine * 100;
        } else if (imported.brand == QStringLiteral("SKF")) {
            stock.match = MatchState::Pending;
        }
    };
    const MatchOverride answer{"6209", "NTN", std::nullopt, "6209"};
    ASSERT_TRUE(
        storeStockLines(*opening.file, reading.cleaned.lines, "stock_gbk.csv", match, {answer}).ok);
    const auto stored = opening.file->lines();
    ASSERT_TRUE(stored);
    ASSERT_EQ(stored->size(), 5u);
    const StockLine& first = (*stored)[0];
    EXPECT_EQ(first.sourceLine, 2);
    EXPECT_EQ(first.designation, "6205-2RS");
    EXPECT_EQ(first.brand, "NSK");
    EXPECT_EQ(first.quantity, 10);
    EXPECT_EQ(first.priceFen, 3250);
    EXPECT_EQ(first.costFen, 2500);
    EXPECT_EQ(first.location, "A-01");
    EXPECT_EQ(first.match, MatchState::Matched);
    EXPECT_EQ(first.bh, 200);
    EXPECT_EQ((*stored)[1].note, "含税,现货");
    EXPECT_EQ((*stored)[2].match, MatchState::Pending);
    EXPECT_EQ((*stored)[3].match, MatchState::Unmatched);
    EXPECT_EQ(opening.file->findOverride("6209", "NTN"), answer);
    EXPECT_EQ(opening.file->undoableImport()->sourceName, "stock_gbk.csv");
}

// Names lie: every fixture is read by what it holds, under a misleading name too.
TEST(StockReaders, FormatsAreToldByContentNotByName) {
    lz::test::TempDir dir;
    const struct {
        const char* fixture;
        const char* misleadingName;
        SheetFormat format;
    } cases[] = {
        {"stock_shared_strings.xlsx", "stock.csv", SheetFormat::Xlsx},
        {"stock.xls", "stock.xlsx", SheetFormat::Xls},
        {"stock_html_table.xls", "stock.xls", SheetFormat::HtmlTable},
        {"stock_gbk.csv", "stock.xls", SheetFormat::Delimited},
        {"stock_utf16.txt", "stock.xlsx", SheetFormat::Delimited},
    };
    for (const auto& c : cases) {
        const auto copy = dir.path() / c.misleadingName;
        std::filesystem::remove(copy);
        std::filesystem::copy_file(std::string(LZ_SOURCE_DIR "/tests/shop/fixtures/") + c.fixture,
                                   copy);
        StockImportOptions options;
        options.knownBrands = test::fixtureBrands();
        const auto original = readFixture(c.fixture);
        const auto renamed = readStockFile(QString::fromStdString(copy.string()), options);
        EXPECT_EQ(renamed.format, c.format) << c.fixture;
        EXPECT_EQ(describe(renamed.cleaned.lines), describe(original.cleaned.lines)) << c.fixture;
    }
}

// The committed fixtures are what the generator writes today.
TEST(StockReaders, FixturesAreTheGeneratorsOutput) {
    lz::test::TempDir dir;
    const auto written = fixtures::writeStockFixtures(dir.path());
    ASSERT_FALSE(written.empty());
    auto bytes = [](const std::filesystem::path& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    };
    std::size_t committed = 0;
    for (const auto& entry :
         std::filesystem::directory_iterator(LZ_SOURCE_DIR "/tests/shop/fixtures")) {
        ++committed;
        EXPECT_TRUE(std::filesystem::exists(dir.path() / entry.path().filename()))
            << entry.path() << " is not written by the generator";
    }
    EXPECT_EQ(committed, written.size());
    for (const std::string& name : written) {
        EXPECT_EQ(bytes(dir.path() / name),
                  bytes(std::filesystem::path(LZ_SOURCE_DIR "/tests/shop/fixtures") / name))
            << name << " differs: run shop_fixture_generator";
    }
}

}  // namespace
}  // namespace lz::shop
