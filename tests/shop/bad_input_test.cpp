#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "shop/import/sheet_reader.h"
#include "shop/import/stock_import.h"
#include "shop/shop_messages.h"
#include "shop/store/shop_file.h"
#include "tests/shop/fixture_files.h"
#include "tests/support/temp_dir.h"
#include "xlsx_writer.h"  // the fixture generator's
#include "zip_writer.h"

namespace lz::shop {
namespace {

namespace fs = std::filesystem;
using fixtures::XlsxCell;

using test::fileBytes;
using test::writeBytes;

QString u(const char* text) {
    return QString::fromUtf8(text);
}

std::string fixtureBytes(const char* name) {
    return fileBytes(test::fixture(name).toStdString());
}

// Every bad input ends in its message, and importing what was read changes nothing in a
// shop file that already holds a list.
class BadInput : public ::testing::Test {
protected:
    void SetUp() override {
        auto opening = ShopFile::open(dir_.path() / "shop.sqlite");
        ASSERT_EQ(opening.status, ShopFileStatus::Ready);
        shop_ = std::move(opening.file);
        StockLine line;
        line.sourceLine = 2;
        line.designation = "6205";
        ASSERT_TRUE(shop_->importLines({line}, "before.csv").ok);
    }

    fs::path file(const char* name) const { return dir_.path() / name; }

    // Reads the file, tries to store what came of it, and returns the reading's message.
    QString import(const fs::path& path, const ReadLimits& limits = {}) {
        const std::string before = fileBytes(dir_.path() / "shop.sqlite");
        StockImportOptions options;
        options.limits = limits;
        const auto reading = readStockFile(QString::fromStdString(path.string()), options);
        EXPECT_TRUE(reading.cleaned.lines.empty()) << path;
        const auto stored =
            storeStockLines(*shop_, reading.cleaned.lines, path.filename().string());
        EXPECT_FALSE(stored.ok) << path;
        EXPECT_EQ(fileBytes(dir_.path() / "shop.sqlite"), before) << path;
        return reading.error;
    }

    lz::test::TempDir dir_;
    std::unique_ptr<ShopFile> shop_;
};

TEST_F(BadInput, TheBadFixturesSayWhatIsWrong) {
    const struct {
        const char* name;
        const char* message;
    } cases[] = {
        {"bad_empty.csv", messages::kEmptyFile},     {"bad_blank.csv", messages::kEmptyFile},
        {"bad_no_header.csv", messages::kNoHeader},  {"bad_encrypted.xlsx", messages::kEncrypted},
        {"bad_encrypted.xls", messages::kEncrypted}, {"bad_truncated.xlsx", messages::kDamaged},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(import(test::fixture(c.name).toStdString()), u(c.message)) << c.name;
    }
    EXPECT_EQ(import(file("missing.xlsx")), u(messages::kCannotRead));
    writeBytes(file("header-only.csv"), "型号,数量\r\n合计,3\r\n");
    EXPECT_EQ(import(file("header-only.csv")), u(messages::kNoLines));
}

// Listing the sheets (for choosing one) meets the same problems with the same messages.
TEST_F(BadInput, ListingSheetsSaysWhatIsWrongToo) {
    const struct {
        const char* name;
        const char* message;
        SheetFormat format;
    } cases[] = {
        {"bad_empty.csv", messages::kEmptyFile, SheetFormat::Unknown},
        {"bad_encrypted.xlsx", messages::kEncrypted, SheetFormat::Xls},
        {"bad_encrypted.xls", messages::kEncrypted, SheetFormat::Xls},
        {"bad_truncated.xlsx", messages::kDamaged, SheetFormat::Xlsx},
        {"bad_no_header.csv", "", SheetFormat::Delimited},  // a header is no sheet's business
    };
    for (const auto& c : cases) {
        const auto listing = listSheets(test::fixture(c.name));
        EXPECT_EQ(listing.error, u(c.message)) << c.name;
        EXPECT_EQ(listing.format, c.format) << c.name;
        EXPECT_EQ(listing.sheetNames.isEmpty(), *c.message != '\0') << c.name;
    }
}

TEST_F(BadInput, FilesThatAreNoStockListAreUnknown) {
    writeBytes(file("picture.xlsx"), std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16));
    writeBytes(file("spreadsheet2003.xls"),
               "<?xml version=\"1.0\"?>\r\n<Workbook xmlns=\"urn:schemas-microsoft-com:office:"
               "spreadsheet\"><Worksheet/></Workbook>");
    // A compound file without a workbook: a word-processor document, say.
    std::string document = fixtureBytes("stock.xls");
    auto utf16 = [](const std::u16string& text) {
        return std::string(reinterpret_cast<const char*>(text.data()), text.size() * 2);
    };
    const auto at = document.find(utf16(u"Workbook"));
    ASSERT_NE(at, std::string::npos);
    document.replace(at, 16, utf16(u"WordDocu"));  // a name of the same length
    writeBytes(file("document.xls"), document);
    for (const char* name : {"picture.xlsx", "spreadsheet2003.xls", "document.xls"}) {
        EXPECT_EQ(import(file(name)), u(messages::kUnknownFormat)) << name;
    }
}

TEST_F(BadInput, ACellOver64KiBIsRefusedInEveryFormat) {
    const std::string fits(65536, 'x');
    const std::string over(65537, 'x');
    std::string chinese;  // 21,846 characters, 65,538 bytes in UTF-8
    for (int k = 0; k < 21846; ++k) {
        chinese += "轴";
    }
    writeBytes(file("fits.csv"), "型号,备注\r\n6205," + fits + "\r\n");
    StockImportOptions options;
    const auto fitting = readStockFile(QString::fromStdString(file("fits.csv").string()), options);
    ASSERT_EQ(fitting.error, QString());
    EXPECT_EQ(fitting.cleaned.lines.front().note.size(), 65536);

    const QString message = u(messages::kCellTooLarge) + u("（第 2 行）");
    writeBytes(file("over.csv"), "型号,备注\r\n6205," + over + "\r\n");
    writeBytes(file("chinese.csv"), "型号,备注\r\n6205,\"" + chinese + "\"\r\n");
    writeBytes(file("over.html"),
               "<table><tr><td>型号</td><td>备注</td></tr><tr><td>6205</td><td>" + over +
                   "</td></tr></table>");
    for (bool shared : {true, false}) {
        fixtures::XlsxWorkbook book;
        book.sharedStrings = shared;
        fixtures::XlsxWorksheet sheet;
        sheet.name = "库存";
        sheet.rows = {{XlsxCell::text("型号"), XlsxCell::text("备注")},
                      {XlsxCell::text("6205"), XlsxCell::text(over)}};
        book.sheets = {sheet};
        ASSERT_TRUE(fixtures::writeXlsx(file(shared ? "shared.xlsx" : "inline.xlsx"), book));
    }
    for (const char* name :
         {"over.csv", "chinese.csv", "over.html", "shared.xlsx", "inline.xlsx"}) {
        EXPECT_EQ(import(file(name)), message) << name;
    }
}

// Rows of text that compress to almost nothing.
fixtures::XlsxWorkbook repetitiveWorkbook(int rows, bool shared) {
    fixtures::XlsxWorkbook book;
    book.sharedStrings = shared;
    fixtures::XlsxWorksheet sheet;
    sheet.name = "库存";
    sheet.rows.push_back({XlsxCell::text("型号"), XlsxCell::text("数量")});
    for (int k = 0; k < rows; ++k) {
        sheet.rows.push_back({XlsxCell::text("6205-" + std::to_string(k)), XlsxCell::number("1")});
    }
    book.sheets = {sheet};
    return book;
}

TEST_F(BadInput, UnpackedSizeAndCellCountAreCapped) {
    ReadLimits limits;
    limits.maxUnpackedBytes = 1 << 20;
    // About 1.2 MB of sheet from a zip of a tenth of it; and the budget counts the shared
    // strings and the sheet together, though each stays under it.
    ASSERT_TRUE(fixtures::writeXlsx(file("inline.xlsx"), repetitiveWorkbook(15000, false)));
    ASSERT_TRUE(fixtures::writeXlsx(file("shared.xlsx"), repetitiveWorkbook(15000, true)));
    EXPECT_LT(fs::file_size(file("inline.xlsx")), 200u * 1024);
    EXPECT_EQ(import(file("inline.xlsx"), limits), u(messages::kUnpackedTooLarge));
    EXPECT_EQ(import(file("shared.xlsx"), limits), u(messages::kUnpackedTooLarge));
    limits.maxUnpackedBytes = 4 << 20;
    StockImportOptions options;
    options.limits = limits;
    EXPECT_EQ(readStockFile(QString::fromStdString(file("shared.xlsx").string()), options).error,
              QString());

    ReadLimits fewCells;
    fewCells.maxCells = 100;
    ASSERT_TRUE(fixtures::writeXlsx(file("rows.xlsx"), repetitiveWorkbook(60, true)));
    writeBytes(file("rows.csv"), [] {
        std::string csv = "型号,数量\n";
        for (int k = 0; k < 60; ++k) {
            csv += "6205,1\n";
        }
        return csv;
    }());
    // One cell in the last column makes a row as wide as the sheet.
    std::vector<fixtures::ZipEntry> entries;
    for (auto& [name, bytes] : fixtures::xlsxParts(repetitiveWorkbook(1, false))) {
        if (name == "xl/worksheets/sheet1.xml") {
            const auto end = bytes.find("</row>");
            bytes.insert(end, "<c r=\"XFD1\" t=\"inlineStr\"><is><t>x</t></is></c>");
        }
        entries.push_back({name, bytes, true});
    }
    ASSERT_TRUE(fixtures::writeZip(file("wide.xlsx"), entries));
    for (const char* name : {"rows.xlsx", "rows.csv", "wide.xlsx"}) {
        EXPECT_EQ(import(file(name), fewCells), u(messages::kTooManyCells)) << name;
    }

    // An .xls whose sheet claims a million rows is refused before FreeXL sets memory aside.
    std::string xls = fixtureBytes("stock.xls");
    const std::string dimension("\x00\x02\x0E\x00\x00\x00\x00\x00", 8);
    const auto at = xls.find(dimension);
    ASSERT_NE(at, std::string::npos);
    xls.replace(at + 8, 4, std::string("\x00\x00\x10\x00", 4));
    writeBytes(file("claims.xls"), xls);
    EXPECT_EQ(import(file("claims.xls")), u(messages::kTooManyCells));
}

TEST_F(BadInput, DamagedWorkbooks) {
    // A workbook's sheet with its compressed bytes changed: inflate or CRC fails.
    std::string xlsx = fixtureBytes("stock_shared_strings.xlsx");
    const auto sheet = xlsx.find("xl/worksheets/sheet1.xml");
    ASSERT_NE(sheet, std::string::npos);
    for (std::size_t k = 40; k < 60; ++k) {
        xlsx[sheet + 24 + k] = static_cast<char>(xlsx[sheet + 24 + k] ^ 0x5A);
    }
    writeBytes(file("changed.xlsx"), xlsx);
    // A zip without a workbook.
    ASSERT_TRUE(fixtures::writeZip(file("other.xlsx"), {{"readme.txt", "hello", true}}));
    // An .xls cut short, and one whose sector chain runs in a loop.
    writeBytes(file("cut.xls"), fixtureBytes("stock.xls").substr(0, 2000));
    std::string loop = fixtureBytes("stock.xls");
    // The FAT is sector 0 (after the 512-byte header); the workbook starts at sector 2.
    loop.replace(512 + 4 * 3, 4, std::string("\x02\x00\x00\x00", 4));
    writeBytes(file("loop.xls"), loop);
    // A sheet whose shared-string index points past the table.
    std::vector<fixtures::ZipEntry> entries;
    for (auto& [name, bytes] : fixtures::xlsxParts(repetitiveWorkbook(2, true))) {
        if (name == "xl/worksheets/sheet1.xml") {
            const auto value = bytes.rfind("<v>1</v>");
            bytes.replace(bytes.rfind(" t=\"s\"><v>", value), 10, " t=\"s\"><v>99");
        }
        entries.push_back({name, bytes, true});
    }
    ASSERT_TRUE(fixtures::writeZip(file("index.xlsx"), entries));
    const struct {
        const char* name;
        const char* message;
    } cases[] = {
        {"changed.xlsx", messages::kDamaged}, {"other.xlsx", messages::kUnknownFormat},
        {"cut.xls", messages::kDamaged},      {"loop.xls", messages::kDamaged},
        {"index.xlsx", messages::kDamaged},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(import(file(c.name)), u(c.message)) << c.name;
    }
}

}  // namespace
}  // namespace lz::shop
