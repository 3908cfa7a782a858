#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shop/import/sheet_builder.h"
#include "shop/import/sheet_reader.h"
#include "shop/shop_messages.h"
#include "tests/shop/fixture_files.h"
#include "tests/support/temp_dir.h"
#include "xlsx_writer.h"  // the fixture generator's
#include "zip_writer.h"

namespace lz::shop {
namespace {

QString u(const char* text) {
    return QString::fromUtf8(text);
}

constexpr const char* kMain = "http://schemas.openxmlformats.org/spreadsheetml/2006/main";
constexpr const char* kRel = "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
constexpr const char* kPackageRel = "http://schemas.openxmlformats.org/package/2006/relationships";

// The parts of a workbook written by hand, for the writings that other programs produce.
struct Parts {
    std::string sheetData;
    std::string sharedStrings;  // the <si> items, or nothing for no shared-strings part
    std::string numFmts;        // <numFmt> elements
    std::string cellXfs = "<xf numFmtId=\"0\"/>";
    std::string workbookPr;
    std::string prefix;  // a namespace prefix for every element ("x:")
    bool packageRels = true;
    std::string sheetPart = "xl/worksheets/sheet1.xml";
};

std::vector<fixtures::ZipEntry> entries(const Parts& p) {
    const std::string x = p.prefix;
    const std::string ns = x.empty() ? "xmlns=\"" + std::string(kMain) + "\""
                                     : "xmlns:" + x.substr(0, x.size() - 1) + "=\"" + kMain + "\"";
    std::vector<fixtures::ZipEntry> parts;
    if (p.packageRels) {
        parts.push_back(
            {"_rels/.rels", "<Relationships xmlns=\"" + std::string(kPackageRel) +
                                "\"><Relationship Id=\"rId1\" Type=\"" + kRel +
                                "/officeDocument\" Target=\"xl/workbook.xml\"/></Relationships>"});
    }
    std::string rels = "<Relationships xmlns=\"" + std::string(kPackageRel) + "\">" +
                       "<Relationship Id=\"rId9\" Type=\"" + kRel +
                       "/chartsheet\" Target=\"chartsheets/sheet1.xml\"/>" +
                       "<Relationship Id=\"rId8\" Type=\"" + kRel +
                       "/hyperlink\" Target=\"http://example.com/\" TargetMode=\"External\"/>" +
                       "<Relationship Id=\"rId1\" Type=\"" + kRel + "/worksheet\" Target=\"" +
                       p.sheetPart.substr(3) + "\"/>" + "<Relationship Id=\"rId2\" Type=\"" + kRel +
                       "/styles\" Target=\"styles.xml\"/>";
    if (!p.sharedStrings.empty()) {
        rels += "<Relationship Id=\"rId3\" Type=\"" + std::string(kRel) +
                "/sharedStrings\" Target=\"sharedStrings.xml\"/>";
    }
    rels += "</Relationships>";
    parts.push_back({"xl/_rels/workbook.xml.rels", rels});
    parts.push_back({"xl/workbook.xml", "<" + x + "workbook " + ns + " xmlns:r=\"" + kRel + "\">" +
                                            p.workbookPr + "<" + x + "sheets><" + x +
                                            "sheet name=\"图表\" sheetId=\"2\" r:id=\"rId9\"/><" +
                                            x +
                                            "sheet name=\"库存\" sheetId=\"1\" r:id=\"rId1\"/></" +
                                            x + "sheets></" + x + "workbook>"});
    parts.push_back({"xl/styles.xml", "<" + x + "styleSheet " + ns + "><" + x + "numFmts>" +
                                          p.numFmts + "</" + x + "numFmts><" + x + "cellXfs>" +
                                          p.cellXfs + "</" + x + "cellXfs></" + x + "styleSheet>"});
    if (!p.sharedStrings.empty()) {
        parts.push_back({"xl/sharedStrings.xml",
                         "<" + x + "sst " + ns + ">" + p.sharedStrings + "</" + x + "sst>"});
    }
    parts.push_back({p.sheetPart, "<" + x + "worksheet " + ns + "><" + x + "sheetData>" +
                                      p.sheetData + "</" + x + "sheetData></" + x + "worksheet>"});
    return parts;
}

// Rows as "number:cell|cell" lines.
std::string read(const Parts& parts, QStringList* names = nullptr) {
    lz::test::TempDir dir;
    const auto path = dir.path() / "book.xlsx";
    if (!fixtures::writeZip(path, entries(parts))) {
        return "not written";
    }
    const auto reading = readSheet(QString::fromStdString(path.string()));
    if (names) {
        *names = reading.sheetNames;
    }
    if (!reading.error.isEmpty()) {
        return "error: " + reading.error.toStdString();
    }
    std::string out;
    for (const SheetRow& row : reading.sheet.rows) {
        out += std::to_string(row.number) + ":";
        for (std::size_t k = 0; k < row.cells.size(); ++k) {
            out += (k ? "|" : "") + row.cells[k].toStdString();
        }
        out += "\n";
    }
    return out;
}

TEST(XlsxQuirks, CellsAsOtherProgramsWriteThem) {
    Parts parts;
    parts.sharedStrings =
        "<si><t>型号</t></si>"
        "<si><r><t>62</t></r><r><rPr><b/></rPr><t>05</t></r></si>"             // rich text runs
        "<si><t>轴承</t><rPh sb=\"0\" eb=\"2\"><t>zhóu chéng</t></rPh></si>";  // a reading guide
    parts.sheetData =
        "<row r=\"1\"><c r=\"A1\" t=\"s\"><v>0</v></c><c r=\"C1\" t=\"s\"><v>2</v></c></row>"
        // No references: cells follow one another, the row follows the last.
        "<row><c t=\"s\"><v>1</v></c><c t=\"b\"><v>1</v></c><c t=\"b\"><v>0</v></c></row>"
        "<row r=\"5\"><c r=\"B5\" t=\"e\"><v>#N/A</v></c><c t=\"str\"><f>A1&amp;\"x\"</f>"
        "<v>型号x</v></c><c r=\"E5\" t=\"d\"><v>2024-03-05T00:00:00</v></c></row>"
        "<row r=\"6\"><c r=\"A6\" t=\"inlineStr\"><is><r><t>SKF </t></r><r><t>6206</t></r>"
        "</is></c><c r=\"B6\"><v>0.30000000000000004</v></c><c r=\"C6\"><f>1+1</f><v>2</v></c>"
        "<c r=\"D6\" s=\"0\"/><c r=\"E6\" t=\"inlineStr\"><is><t>  </t></is></c></row>";
    EXPECT_EQ(read(parts),
              "1:型号||轴承\n"
              "2:6205|TRUE|FALSE\n"
              "5:|#N/A|型号x||2024-03-05\n"
              "6:SKF 6206|0.3|2\n");
}

TEST(XlsxQuirks, WorkbooksAsOtherProgramsWriteThem) {
    // Prefixed elements, no package relationships, a sheet part elsewhere, chart sheets and
    // external links among the relationships.
    Parts prefixed;
    prefixed.prefix = "x:";
    prefixed.packageRels = false;
    prefixed.sheetPart = "xl/sheets/data.xml";
    prefixed.sheetData = "<x:row r=\"2\"><x:c r=\"B2\"><x:v>7</x:v></x:c></x:row>";
    QStringList names;
    EXPECT_EQ(read(prefixed, &names), "2:|7\n");
    EXPECT_EQ(names, QStringList({u("库存")}));

    // Dates counted from 1904, and a workbook's own format replacing a built-in number.
    Parts dates;
    dates.workbookPr = "<workbookPr date1904=\"1\"/>";
    dates.numFmts =
        "<numFmt numFmtId=\"14\" formatCode=\"0.00\"/>"
        "<numFmt numFmtId=\"200\" formatCode=\"yyyy&quot;年&quot;m&quot;月&quot;\"/>";
    dates.cellXfs =
        "<xf numFmtId=\"0\"/><xf numFmtId=\"14\"/><xf numFmtId=\"200\"/>"
        "<xf numFmtId=\"22\"/>";
    dates.sheetData =
        "<row r=\"1\"><c r=\"A1\" s=\"1\"><v>45356</v></c>"
        "<c r=\"B1\" s=\"2\"><v>0</v></c><c r=\"C1\" s=\"3\"><v>1.5</v></c>"
        "<c r=\"D1\" s=\"99\"><v>45356</v></c></row>";
    EXPECT_EQ(read(dates), "1:45356|1904-01-01|1904-01-02 12:00:00|45356\n");

    Parts badIndex;
    badIndex.sharedStrings = "<si><t>a</t></si>";
    badIndex.sheetData = "<row r=\"1\"><c r=\"A1\" t=\"s\"><v>1</v></c></row>";
    EXPECT_EQ(read(badIndex), "error: " + std::string(messages::kDamaged));
    Parts unclosed;
    unclosed.sheetData = "<row r=\"1\"><c r=\"A1\"><v>1</v></c>";
    EXPECT_EQ(read(unclosed), "error: " + std::string(messages::kDamaged));
    Parts empty;
    EXPECT_EQ(read(empty), "error: " + std::string(messages::kEmptyFile));
}

TEST(XlsxQuirks, TheCellLimitCountsUtf8Bytes) {
    const struct {
        QString text;
        bool over;
    } cases[] = {
        {QString(65536, QLatin1Char('x')), false},
        {QString(65537, QLatin1Char('x')), true},
        {u("轴").repeated(21845), false},  // 65,535 bytes
        {u("轴").repeated(21846), true},   // 65,538 bytes
        {u("😀").repeated(16384), false},   // four bytes each: 65,536
        {u("😀").repeated(16384) + u("x"), true},
        {u("é").repeated(32768), false},
        {u("é").repeated(32769), true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(exceedsUtf8Bytes(c.text, 65536), c.over) << c.text.size();
    }
}

}  // namespace
}  // namespace lz::shop
