#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>

#include "biff_writer.h"  // the fixture generator's
#include "compound_file_writer.h"
#include "shop/import/sheet_reader.h"
#include "shop/import/xls/compound_file.h"
#include "shop/import/xlsx/xlsx_package.h"
#include "shop/import/xlsx/xlsx_reader.h"
#include "tests/shop/fixture_files.h"
#include "tests/support/temp_dir.h"

namespace lz::shop {
namespace {

QString u(const char* text) {
    return QString::fromUtf8(text);
}

TEST(WorkbookParts, RelationshipTargetsResolveToPartNames) {
    const struct {
        const char* source;
        const char* target;
        const char* part;
    } cases[] = {
        {"xl/workbook.xml", "worksheets/sheet1.xml", "xl/worksheets/sheet1.xml"},
        {"xl/workbook.xml", "/xl/worksheets/sheet1.xml", "xl/worksheets/sheet1.xml"},
        {"xl/workbook.xml", "./sharedStrings.xml", "xl/sharedStrings.xml"},
        {"xl/worksheets/sheet1.xml", "../drawings/drawing1.xml", "xl/drawings/drawing1.xml"},
        {"xl/workbook.xml", "../../../etc/x.xml", "etc/x.xml"},  // never above the root
        {"", "xl/workbook.xml", "xl/workbook.xml"},
        {"", "/xl/workbook.xml", "xl/workbook.xml"},
        {"xl/workbook.xml", "worksheets/sheet%201.xml", "xl/worksheets/sheet 1.xml"},
        {"xl/workbook.xml", "worksheets\\sheet1.xml", "xl/worksheets/sheet1.xml"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(resolvePartTarget(u(c.source), u(c.target)), u(c.part)) << c.target;
    }
    EXPECT_EQ(relationshipsPartOf(u("xl/workbook.xml")), u("xl/_rels/workbook.xml.rels"));
    EXPECT_EQ(relationshipsPartOf(QString()), u("_rels/.rels"));
}

TEST(WorkbookParts, CellReferences) {
    const struct {
        const char* reference;
        bool valid;
        int column;
        int row;
    } cases[] = {
        {"A1", true, 0, 1},        {"Z9", true, 25, 9},
        {"AA10", true, 26, 10},    {"XFD1048576", true, 16383, 1048576},
        {"b3", true, 1, 3},        {"XFE1", false, 0, 0},
        {"A1048577", false, 0, 0}, {"A0", false, 0, 0},
        {"1A", false, 0, 0},       {"A", false, 0, 0},
        {"", false, 0, 0},         {"A1:B2", false, 0, 0},
        {"ABCD1", false, 0, 0},
    };
    for (const auto& c : cases) {
        int column = -1;
        int row = -1;
        EXPECT_EQ(parseCellReference(u(c.reference), column, row), c.valid) << c.reference;
        if (c.valid) {
            EXPECT_EQ(column, c.column) << c.reference;
            EXPECT_EQ(row, c.row) << c.reference;
        }
    }
}

fixtures::BiffWorkbook smallWorkbook() {
    using Kind = fixtures::BiffCell::Kind;
    fixtures::BiffWorksheet sheet;
    sheet.name = u"库存";
    sheet.cells = {{0, 0, Kind::Text, u"型号"},
                   {0, 1, Kind::Text, u"数量"},
                   {1, 0, Kind::Text, u"6205"},
                   {1, 1, Kind::Integer, {}, 3}};
    return fixtures::BiffWorkbook{{sheet}, false};
}

// Writers that do not pad a small workbook leave it in the compound file's mini stream.
TEST(WorkbookParts, SmallStreamsAreReadFromTheMiniStream) {
    const std::string stream = fixtures::biffWorkbookStream(smallWorkbook());
    ASSERT_LT(stream.size(), 4096u);
    const std::string small = fixtures::compoundFile(
        {{u"Workbook", stream}, {u"\x05SummaryInformation", std::string(200, 's')}}, false);
    CompoundFile file;
    ASSERT_TRUE(file.parse(QByteArray::fromStdString(small)));
    EXPECT_EQ(file.streamNames(), QStringList({u("Workbook"), u("\x05SummaryInformation")}));
    EXPECT_EQ(file.stream(u("workbook")), QByteArray::fromStdString(stream));
    EXPECT_EQ(file.stream(u("\x05SummaryInformation")), QByteArray(200, 's'));
    EXPECT_FALSE(file.stream(u("Book")));

    lz::test::TempDir dir;
    const QString path = QString::fromStdString((dir.path() / "small.xls").string());
    QFile out(path);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(small.data(), static_cast<qint64>(small.size()));
    out.close();
    const auto reading = readSheet(path);
    ASSERT_EQ(reading.error, QString());
    ASSERT_EQ(reading.sheet.rows.size(), 2u);
    EXPECT_EQ(reading.sheet.rows[1].cells, std::vector<QString>({u("6205"), u("3")}));
}

}  // namespace
}  // namespace lz::shop
