#include <gtest/gtest.h>

#include <QByteArray>
#include <QString>
#include <QStringEncoder>

#include <string>
#include <vector>

#include "shop/import/delimited_reader.h"
#include "shop/import/html_table_reader.h"
#include "shop/import/sheet_format.h"
#include "shop/import/text_decoding.h"
#include "shop/shop_messages.h"
#include "tests/shop/fixture_files.h"

namespace lz::shop {
namespace {

QString u(const char* text) {
    return QString::fromUtf8(text);
}

// A sheet in one string: rows as "number:cell|cell", merged blocks as "rA-B cC-D".
std::string layout(const Sheet& sheet) {
    std::string out;
    for (const SheetRow& row : sheet.rows) {
        out += std::to_string(row.number) + ":";
        for (std::size_t k = 0; k < row.cells.size(); ++k) {
            out += (k ? "|" : "") + row.cells[k].toStdString();
        }
        out += "\n";
    }
    for (const MergedRange& range : sheet.merged) {
        out += "r" + std::to_string(range.firstRow) + "-" + std::to_string(range.lastRow) + " c" +
               std::to_string(range.firstColumn) + "-" + std::to_string(range.lastColumn) + "\n";
    }
    return out;
}

std::string readText(const std::string& bytes) {
    SheetBuilder builder(u("表"), ReadLimits{});
    readDelimitedText(QByteArray::fromStdString(bytes), builder);
    return builder.failed() ? "error: " + builder.error().toStdString() : layout(builder.take());
}

TEST(TextTables, CsvAndTabSeparatedText) {
    const struct {
        const char* bytes;
        const char* layout;
    } cases[] = {
        {"a,b,c\n1,2,3\n", "1:a|b|c\n2:1|2|3\n"},
        {"a\tb,c\n1\t2,3\n", "1:a|b,c\n2:1|2,3\n"},  // tabs win over commas in cells
        {"a;b;c\r\n1;2;3", "1:a|b|c\n2:1|2|3\n"},
        {"sep=;\r\na;b,c\r\n", "2:a|b,c\n"},  // Excel's separator line
        {"\"a,b\",\"say \"\"hi\"\"\"\n", "1:a,b|say \"hi\"\n"},
        {"\"two\nlines\",x\nnext,y\n", "1:two\nlines|x\n3:next|y\n"},
        {"a,b\r\r\n\r\n,\nc,d", "1:a|b\n5:c|d\n"},  // blank lines and a bare CR
        {",,x\n", "1:||x\n"},
        {"\"unclosed,x\ny", "1:unclosed,x\ny\n"},  // a quote left open runs to the end
        {"a\"b,c\n", "1:a\"b|c\n"},                // a quote inside a field is text
        {"\xEF\xBB\xBF型号,数量\n", "1:型号|数量\n"},
        {"\xD0\xCD\xBA\xC5,\xCA\xFD\xC1\xBF\n", "1:型号|数量\n"},  // GBK
        {"", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(readText(c.bytes), c.layout) << c.bytes;
    }
}

std::string readHtml(const char* html, int table = 0) {
    SheetBuilder builder(u("表"), ReadLimits{});
    if (!readHtmlTable(u(html), table, builder)) {
        return "no table";
    }
    return builder.failed() ? "error: " + builder.error().toStdString() : layout(builder.take());
}

TEST(TextTables, WebPageTablesAsBrowsersReadThem) {
    const struct {
        const char* html;
        const char* layout;
    } cases[] = {
        {"<table><tr><td>a</td><td>b</td></tr><tr><td>1</td><td>2</td></tr></table>",
         "1:a|b\n2:1|2\n"},
        // End tags left out, upper case, attributes with quotes holding ">".
        {"<TABLE border=1><TR><TD title=\"x>y\">a<TD>b<TR><TH>1<TH>2</TABLE>", "1:a|b\n2:1|2\n"},
        // White space collapsed, line breaks as spaces, references resolved.
        {"<table><tr><td>  a \n "
         "b<br>c&nbsp;</td><td>&lt;&amp;&gt;&quot;&#20013;&#x6587;&yen;&bogus;</td>"
         "</tr></table>",
         "1:a b c|<&>\"中文¥&bogus;\n"},
        // Comments, scripts and styles hold no cells, even when they look like tables.
        {"<!-- <table><tr><td>no</td></tr></table> --><style>td{}</style><script>var t='<td>';"
         "</script><table><tr><td>yes</td></tr></table>",
         "1:yes\n"},
        // Spans become merged blocks and push the cells after them along.
        {"<table><tr><td rowspan=2>A</td><td colspan=\"2\">B</td><td>C</td></tr>"
         "<tr><td>D</td><td>E</td><td>F</td></tr><tr><td>G</td></tr></table>",
         "1:A|B||C\n2:|D|E|F\n3:G\nr1-2 c0-0\nr1-1 c1-2\n"},
        // A table inside a cell gives its text to that cell.
        {"<table><tr><td>a<table><tr><td>x</td><td>y</td></tr></table></td><td>b</td></tr></table>",
         "1:a x y|b\n"},
        // Empty rows keep their numbers.
        {"<table><tr></tr><tr><td></td></tr><tr><td>c</td></tr></table>", "3:c\n"},
        {"<p>no table here</p>", "no table"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(readHtml(c.html), c.layout) << c.html;
    }
    const char* twoTables = "<table><tr><td>1</td></tr></table><table><tr><td>2</td></tr></table>";
    EXPECT_EQ(htmlTableNames(u(twoTables)), QStringList({u("表格1"), u("表格2")}));
    EXPECT_EQ(readHtml(twoTables, 1), "1:2\n");
    EXPECT_EQ(readHtml(twoTables, 2), "no table");
}

TEST(TextTables, TextIsDecodedByMarkDeclarationOrContent) {
    QStringEncoder gbk("GB18030");
    const QByteArray gbkBytes = gbk(u("型号"));
    const struct {
        QByteArray bytes;
        QByteArray declared;
        const char* encoding;
    } cases[] = {
        {QByteArray("\xEF\xBB\xBF") + u("型号").toUtf8(), "gbk", "UTF-8"},  // a mark wins
        {QByteArray("\xFF\xFE\x8B\x57\xF7\x53", 6), "", "UTF-16LE"},
        {QByteArray("\xFE\xFF\x57\x8B\x53\xF7", 6), "", "UTF-16BE"},
        {gbkBytes, "gb2312", "gb18030"},
        {gbkBytes, "", "GB18030"},  // not UTF-8, so GBK
        {u("型号").toUtf8(), "", "UTF-8"},
        {u("型号").toUtf8(), "no-such-charset", "UTF-8"},
    };
    for (const auto& c : cases) {
        const DecodedText decoded = decodeText(c.bytes, c.declared);
        EXPECT_EQ(decoded.text, u("型号")) << c.encoding;
        EXPECT_EQ(decoded.encoding, QByteArray(c.encoding)) << c.encoding;
    }
    EXPECT_EQ(declaredHtmlCharset("<meta http-equiv=\"Content-Type\" content=\"text/html; "
                                  "charset=GB2312\">"),
              QByteArray("gb2312"));
    EXPECT_EQ(declaredHtmlCharset("<meta charset = 'utf-8'>"), QByteArray("utf-8"));
    EXPECT_EQ(declaredHtmlCharset("<html><body>charset</body>"), QByteArray());
}

TEST(TextTables, FormatsAreToldByTheFirstBytes) {
    const struct {
        QByteArray head;
        SheetFormat format;
    } cases[] = {
        {QByteArray("PK\x03\x04\x14\x00", 6), SheetFormat::Xlsx},
        {QByteArray("PK\x05\x06", 4), SheetFormat::Xlsx},
        {QByteArray("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1\0\0", 10), SheetFormat::Xls},
        {"\r\n  <html><body><table>", SheetFormat::HtmlTable},
        {"<!DOCTYPE html><HTML>", SheetFormat::HtmlTable},
        {"\xEF\xBB\xBF<table>", SheetFormat::HtmlTable},
        {"<?xml version=\"1.0\"?><Workbook>", SheetFormat::Unknown},
        {"型号,数量\r\n", SheetFormat::Delimited},
        {QByteArray("\xFF\xFE<\0t\0", 6), SheetFormat::Unknown},  // UTF-16 markup, no table
        {QByteArray("\xFF\xFE\x8B\x57\t\0", 6), SheetFormat::Delimited},
        {QByteArray("\x89PNG\r\n\x1a\n\0\0", 10), SheetFormat::Unknown},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(detectSheetFormat(c.head), c.format) << c.head.toHex().toStdString();
    }
}

}  // namespace
}  // namespace lz::shop
