// Lists as CSV and as tab-separated text: the exact bytes, and a CSV reader written here
// that gets the cells back.
#include "query/table_text/delimited_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lz::query::text {
namespace {

using Row = std::vector<std::string>;

// Headings, then rows with commas, quotes, line breaks, NULL (empty) cells and Chinese.
const Row kHeadings = {"ID", "轴承名称", "新型号", "详细说明"};
const std::vector<Row> kRows = {
    {"1", "NSK 681 轴承", "618/1", "深沟球轴承 （60000 型）"},
    {"2", "a,b", "say \"hi\"", ""},
    {"3", "", "two\r\nlines", "line\nfeed and\rreturn"},
    {"4", "tab\there", "\"", ","},
};

std::string csvOf(const Row& headings, const std::vector<Row>& rows) {
    std::string out(kUtf8ByteOrderMark);
    appendCsvRecord(out, headings);
    for (const Row& row : rows) {
        appendCsvRecord(out, row);
    }
    return out;
}

// RFC 4180, read independently of the writer: records end with CR LF outside quotes;
// a quoted field runs to the quote that is not doubled.
std::vector<Row> readCsv(std::string_view text) {
    std::vector<Row> records;
    Row record;
    std::string field;
    std::size_t i = 0;
    bool fieldStarted = false;
    while (i < text.size()) {
        const char c = text[i];
        if (c == '"' && !fieldStarted) {
            ++i;
            for (;;) {
                if (i >= text.size()) {
                    ADD_FAILURE() << "unterminated quoted field";
                    return records;
                }
                if (text[i] == '"') {
                    if (i + 1 < text.size() && text[i + 1] == '"') {
                        field += '"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                field += text[i++];
            }
            fieldStarted = true;
        } else if (c == ',') {
            record.push_back(field);
            field.clear();
            fieldStarted = false;
            ++i;
        } else if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            record.push_back(field);
            records.push_back(record);
            record.clear();
            field.clear();
            fieldStarted = false;
            i += 2;
        } else {
            EXPECT_FALSE(c == '"' || c == '\r' || c == '\n')
                << "bare special character at byte " << i;
            field += c;
            fieldStarted = true;
            ++i;
        }
    }
    EXPECT_TRUE(record.empty() && field.empty()) << "last record not ended by CR LF";
    return records;
}

TEST(DelimitedText, CsvQuotesOnlyTheCellsThatNeedIt) {
    const std::string expected =
        "\xEF\xBB\xBF"
        "ID,轴承名称,新型号,详细说明\r\n"
        "1,NSK 681 轴承,618/1,深沟球轴承 （60000 型）\r\n"
        "2,\"a,b\",\"say \"\"hi\"\"\",\r\n"
        "3,,\"two\r\nlines\",\"line\nfeed and\rreturn\"\r\n"
        "4,tab\there,\"\"\"\",\",\"\r\n";
    EXPECT_EQ(csvOf(kHeadings, kRows), expected);
}

TEST(DelimitedText, CsvReadsBackToTheCells) {
    const std::string csv = csvOf(kHeadings, kRows);
    ASSERT_EQ(csv.substr(0, 3), "\xEF\xBB\xBF");
    const std::vector<Row> records = readCsv(std::string_view(csv).substr(3));
    ASSERT_EQ(records.size(), kRows.size() + 1);
    EXPECT_EQ(records[0], kHeadings);
    for (std::size_t i = 0; i < kRows.size(); ++i) {
        EXPECT_EQ(records[i + 1], kRows[i]) << "row " << i;
    }
}

TEST(DelimitedText, CsvOfEmptyCellsKeepsTheirCount) {
    std::string out;
    appendCsvRecord(out, Row{"", "", ""});
    EXPECT_EQ(out, ",,\r\n");
    EXPECT_EQ(readCsv(out), (std::vector<Row>{{"", "", ""}}));
    out.clear();
    const std::vector<std::string_view> views = {"x", "y,z"};
    appendCsvRecord(out, views);
    EXPECT_EQ(out, "x,\"y,z\"\r\n");
}

TEST(DelimitedText, TabSeparatedLinesQuoteTabsBreaksAndQuotes) {
    std::string out;
    appendTabSeparatedLine(out, kHeadings);
    for (const Row& row : kRows) {
        appendTabSeparatedLine(out, row);
    }
    const std::string expected =
        "ID\t轴承名称\t新型号\t详细说明\n"
        "1\tNSK 681 轴承\t618/1\t深沟球轴承 （60000 型）\n"
        "2\ta,b\t\"say \"\"hi\"\"\"\t\n"
        "3\t\t\"two\r\nlines\"\t\"line\nfeed and\rreturn\"\n"
        "4\t\"tab\there\"\t\"\"\"\"\t,\n";
    EXPECT_EQ(out, expected);
}

// Spreadsheets read a cell beginning with "=", "+", "-", "@", TAB or CR as a formula; in a
// file for them such a cell gets a leading apostrophe. Programs get every cell as stored.
TEST(CsvForSpreadsheets, CellsThatLookLikeFormulasGetALeadingApostrophe) {
    struct Case {
        std::string cell, shownAsText;
    };
    const std::vector<Case> cases = {
        {"-6301-2ZNR 轴承", "'-6301-2ZNR 轴承"},
        {"-", "'-"},
        {"=1+1", "'=1+1"},
        {"+86 10 1234", "'+86 10 1234"},
        {"@SUM(A1)", "'@SUM(A1)"},
        {"\tindented", "'\tindented"},
        {"\rreturn", "\"'\rreturn\""},
        {"=a,\"b\"", "\"'=a,\"\"b\"\"\""},
        {"6301-2ZNR", "6301-2ZNR"},
        {" -6301", " -6301"},
        {"'-6301", "'-6301"},
        {"－6301", "－6301"},
        {"", ""},
    };
    for (const Case& c : cases) {
        std::string shown, stored;
        appendCsvRecord(shown, Row{c.cell, "x"}, CsvCells::ShownAsText);
        appendCsvRecord(stored, Row{c.cell, "x"});
        EXPECT_EQ(shown, c.shownAsText + ",x\r\n") << c.cell;
        std::string expectedStored;
        appendCsvRecord(expectedStored, Row{c.cell, "x"}, CsvCells::AsStored);
        EXPECT_EQ(stored, expectedStored) << "as stored unless asked otherwise";
        ASSERT_EQ(readCsv(stored).size(), 1u);
        EXPECT_EQ(readCsv(stored)[0][0], c.cell) << "stored cells read back unchanged";
    }
    const std::vector<std::string_view> headings = {"轴承名称", "-"};
    const std::vector<Row> rows = {{"-6301-2ZNR 轴承", "@"}};
    EXPECT_EQ(csvDocument(headings, rows),
              std::string(kUtf8ByteOrderMark) + "轴承名称,-\r\n-6301-2ZNR 轴承,@\r\n")
        << "a whole document for programs keeps every cell";
}

}  // namespace
}  // namespace lz::query::text
