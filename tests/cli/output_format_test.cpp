// The three ways the rows are printed: a table for the terminal, aligned although Chinese
// characters take two columns; CSV as spreadsheets read it; JSON that any reader takes back.
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "cli/output_formats.h"
#include "cli/utf8_text.h"
#include "query/table_text/delimited_text.h"
#include "tests/cli/text_readers.h"

namespace lz::query_cli {
namespace {

TEST(DisplayWidth, ChineseAndFullWidthCharactersTakeTwoColumns) {
    EXPECT_EQ(displayWidth(""), 0);
    EXPECT_EQ(displayWidth("6205-2RS"), 8);
    EXPECT_EQ(displayWidth("轴承"), 4);
    EXPECT_EQ(displayWidth("６２０５"), 8);
    EXPECT_EQ(displayWidth("（60000 型）"), 12);
    EXPECT_EQ(displayWidth("不含税价格（元）"), 16);
    EXPECT_EQ(displayWidth("한글"), 4);
    EXPECT_EQ(displayWidth("ｱ"), 1);              // half-width katakana
    EXPECT_EQ(displayWidth("e\xCC\x81"), 1);      // e and a combining acute accent
    EXPECT_EQ(displayWidth("Ø·"), 2);             // ambiguous width: one column each
    EXPECT_EQ(displayWidth("a\xFF\xE8\xBD"), 4);  // bytes that are no UTF-8: one each
    EXPECT_EQ(displayWidth("\xC0\xAF"), 2);       // an overlong "/" is no character
}

TEST(TableText, ColumnsLineUpOnScreenWithChineseTexts) {
    const std::vector<std::string_view> headings = {"ID", "轴承名称", "品牌"};
    const Rows rows = {{"1", "NSK 6205DDU 轴承", "NSK"}, {"12", "深沟球", "哈尔滨"}, {"3", "", ""}};
    EXPECT_EQ(tableText(headings, rows),
              "ID  轴承名称          品牌\n"
              "--  ----------------  ------\n"
              "1   NSK 6205DDU 轴承  NSK\n"
              "12  深沟球            哈尔滨\n"
              "3\n");
}

TEST(TableText, ControlCharactersInACellCannotBreakTheLayout) {
    const std::vector<std::string_view> headings = {"型号", "品牌"};
    const Rows rows = {{"a\nb\tc", "x\r"}};
    EXPECT_EQ(tableText(headings, rows),
              "型号   品牌\n"
              "-----  ----\n"
              "a b c  x\n");
}

TEST(CsvText, FieldsAreQuotedOnlyWhenRfc4180NeedsIt) {
    // One cell alone in its record, without the record's CR LF.
    const auto csvField = [](std::string_view cell) {
        std::string record;
        query::text::appendCsvRecord(record, std::span(&cell, 1));
        return record.substr(0, record.size() - 2);
    };
    EXPECT_EQ(csvField("6205-2RS"), "6205-2RS");
    EXPECT_EQ(csvField(""), "");
    EXPECT_EQ(csvField(" NSK 6205 轴承 "), " NSK 6205 轴承 ");
    EXPECT_EQ(csvField("6000, ZZ"), "\"6000, ZZ\"");
    EXPECT_EQ(csvField("6000 \"ZZ\""), "\"6000 \"\"ZZ\"\"\"");
    EXPECT_EQ(csvField("two\nlines"), "\"two\nlines\"");
    EXPECT_EQ(csvField("cr\r"), "\"cr\r\"");
    EXPECT_EQ(csvField("it's"), "it's");
}

TEST(CsvText, DocumentStartsWithTheByteOrderMarkAndTheHeadings) {
    const std::vector<std::string_view> headings = {"编号", "品牌", "型号"};
    const std::vector<std::vector<std::string>> rows = {{"3", "NACHI", "6000 C3"},
                                                        {"4", "", "6000, \"ZZ\""}};
    EXPECT_EQ(query::text::csvDocument(headings, rows),
              "\xEF\xBB\xBF"
              "编号,品牌,型号\r\n"
              "3,NACHI,6000 C3\r\n"
              "4,,\"6000, \"\"ZZ\"\"\"\r\n");
}

TEST(CsvText, EveryCellComesBackThroughACsvReader) {
    const std::vector<std::string_view> headings = {"编号", "型号", "说明"};
    const std::vector<std::vector<std::string>> rows = {
        {"1", "6205-2RS", "两面带密封圈（接触式）的深沟球轴承 （60000-2RS 型）"},
        {"2", "", "a,b"},
        {"3", "\"quoted\"", "line\r\nbreak and a lone \n and \r"},
        {"", " ", "\"\""},
    };
    const std::string document = query::text::csvDocument(headings, rows);
    ASSERT_TRUE(document.starts_with(query::text::kUtf8ByteOrderMark));
    const auto records = test::readCsv(std::string_view(document).substr(3));
    ASSERT_TRUE(records);
    ASSERT_EQ(records->size(), rows.size() + 1);
    EXPECT_EQ((*records)[0], std::vector<std::string>(headings.begin(), headings.end()));
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ((*records)[i + 1], rows[i]) << "row " << i;
    }
}

TEST(JsonText, RowsBecomeObjectsNamedByTheHeadings) {
    const std::vector<std::string_view> headings = {"编号", "品牌"};
    EXPECT_EQ(jsonText(headings, {{"3", "NACHI"}, {"4", ""}}),
              "[\n"
              "  {\"编号\": \"3\", \"品牌\": \"NACHI\"},\n"
              "  {\"编号\": \"4\", \"品牌\": \"\"}\n"
              "]\n");
    EXPECT_EQ(jsonText(headings, {}), "[]\n");
}

TEST(JsonText, StringsAreEscapedSoThatTheyStayValid) {
    EXPECT_EQ(jsonString("6000 \"ZZ\""), "\"6000 \\\"ZZ\\\"\"");
    EXPECT_EQ(jsonString("a\\b"), "\"a\\\\b\"");
    EXPECT_EQ(jsonString("\n\r\t\b\f\x01\x1f"), "\"\\n\\r\\t\\b\\f\\u0001\\u001f\"");
    EXPECT_EQ(jsonString("轴承 /"), "\"轴承 /\"");
    EXPECT_EQ(jsonString("a\xFF"
                         "b"),
              "\"a\xEF\xBF\xBD"
              "b\"");                                                   // U+FFFD
    EXPECT_EQ(jsonString("\xE8\xBD"), "\"\xEF\xBF\xBD\xEF\xBF\xBD\"");  // cut short
}

TEST(JsonText, EveryCellComesBackThroughAJsonReader) {
    const std::vector<std::string_view> headings = {"ID", "轴承名称", "详细说明"};
    const Rows rows = {
        {"1", "NSK 6205DDU 轴承 ", "两面带密封圈（接触式）的深沟球轴承 （60000-2RS 型）"},
        {"2", "", "quote \" backslash \\ slash / tab \t newline \n bell \x07"},
    };
    const auto objects = test::readJsonArrayOfObjects(jsonText(headings, rows));
    ASSERT_TRUE(objects);
    ASSERT_EQ(objects->size(), rows.size());
    for (std::size_t r = 0; r < rows.size(); ++r) {
        ASSERT_EQ((*objects)[r].size(), headings.size());
        for (std::size_t c = 0; c < headings.size(); ++c) {
            EXPECT_EQ((*objects)[r][c].first, headings[c]);
            EXPECT_EQ((*objects)[r][c].second, rows[r][c]) << r << "," << c;
        }
    }
}

}  // namespace
}  // namespace lz::query_cli
