// Whole runs of the command line on a small catalogue: what reaches standard output and
// standard error, and the exit status, for rows, no match, refused input and mistakes.
#include <gtest/gtest.h>

#include <initializer_list>
#include <span>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/query_tool.h"
#include "tests/cli/small_catalogue_image.h"
#include "tests/cli/text_readers.h"
#include "tests/support/damaged_catalogue.h"
#include "tests/support/temp_dir.h"

namespace lz::query_cli {
namespace {

constexpr std::string_view kNoMatch = "对不起，没有符合你查询条件的型号记录";

struct Answer {
    int status;
    std::string out, err;
};

class QueryToolTest : public ::testing::Test {
protected:
    Answer run(std::initializer_list<std::string_view> arguments) {
        return runOn(image_, arguments);
    }

    static Answer runOn(std::span<const std::byte> image,
                        std::initializer_list<std::string_view> arguments) {
        const std::vector<std::string_view> list(arguments);
        std::ostringstream out, err;
        const int status = runQueryTool(list, image, out, err);
        return {status, out.str(), err.str()};
    }

    // The given column of every row of a JSON answer.
    static std::vector<std::string> column(const Answer& answer, std::string_view heading) {
        std::vector<std::string> values;
        const auto objects = test::readJsonArrayOfObjects(answer.out);
        EXPECT_TRUE(objects) << answer.out;
        for (const test::JsonObject& object : objects.value_or(std::vector<test::JsonObject>{})) {
            for (const auto& [name, value] : object) {
                if (name == heading) {
                    values.push_back(value);
                }
            }
        }
        return values;
    }

    std::vector<std::byte> image_ = test::smallCatalogueImage();
};

TEST_F(QueryToolTest, RowsFoundArePrintedAsATableAndExitZero) {
    const Answer answer = run({"imported", "--brand", "NACHI"});
    EXPECT_EQ(answer.status, 0);
    EXPECT_EQ(answer.err, "");
    EXPECT_EQ(answer.out,
              "编号  品牌   型号     不含税价格（元）  含税价格（元）\n"
              "----  -----  -------  ----------------  --------------\n"
              "3     NACHI  6000 C3  5.3               6.201\n");
}

TEST_F(QueryToolTest, CellsShowAsInTheWindowsLists) {
    // prgc: a NULL price is an empty cell; id in decimal.
    const Answer domestic = run({"domestic", "--maker", "洛阳", "--format", "csv"});
    EXPECT_EQ(domestic.status, 0);
    EXPECT_EQ(domestic.out,
              "\xEF\xBB\xBF"
              "编号,旧型号,新型号,不含税价格（元）,含税价格（元）,厂家\r\n"
              "2,205,6205,,,洛阳\r\n");
    // prjk: the double ID as a whole number, a NULL one as 0, commas and quotes quoted.
    const Answer imported = run({"imported", "--model", "6", "--format", "csv"});
    EXPECT_EQ(imported.status, 0);
    EXPECT_EQ(imported.out,
              "\xEF\xBB\xBF"
              "编号,品牌,型号,不含税价格（元）,含税价格（元）\r\n"
              "0,,深沟球轴承（62XX系列）,0,0\r\n"
              "3,NACHI,6000 C3,5.3,6.201\r\n"
              "4,SKF,\"6000, \"\"ZZ\"\"\",1,2\r\n");
}

TEST_F(QueryToolTest, JsonNamesTheMembersByTheListsHeadings) {
    const Answer answer = run({"--format", "json", "bearing", "30205"});
    EXPECT_EQ(answer.status, 0);
    const auto objects = test::readJsonArrayOfObjects(answer.out);
    ASSERT_TRUE(objects) << answer.out;
    ASSERT_EQ(objects->size(), 1u);
    const test::JsonObject expected = {{"ID", "5"},
                                       {"轴承名称", "FAG 30205 轴承"},
                                       {"新型号", "30205"},
                                       {"旧型号", "7205E"},
                                       {"内径", "25"},
                                       {"外径", "52"},
                                       {"厚度", "16.25"},
                                       {"品牌", "FAG"},
                                       {"轴承类型", "圆锥滚子轴承"},
                                       {"详细说明", "圆锥滚子轴承（30000 型）"}};
    EXPECT_EQ(objects->front(), expected);
}

TEST_F(QueryToolTest, SearchesFindWhatTheirStatementsSelect) {
    EXPECT_EQ(column(run({"bearing", "6205", "--format", "json"}), "ID"),
              (std::vector<std::string>{"1", "2", "3", "4"}));
    EXPECT_EQ(column(run({"bearing", "25", "--by", "inner", "--format", "json"}), "ID"),
              (std::vector<std::string>{"1", "2", "3", "4", "5", "6"}));
    EXPECT_EQ(column(run({"bearing", "25", "--by", "inner", "--exact", "--format", "json"}), "ID"),
              (std::vector<std::string>{"1", "2", "3", "4", "5"}));
    // A typed quote is searched for, not taken as the end of the value.
    EXPECT_EQ(column(run({"bearing", "62'05", "--format", "json"}), "新型号"),
              (std::vector<std::string>{"62'05"}));
    // Brands compare regardless of letter case, as in the window.
    EXPECT_EQ(
        column(run({"combined", "--brand", "skf", "--type", "深沟球轴承", "--format", "json"}),
               "ID"),
        (std::vector<std::string>{"3", "4"}));
    EXPECT_EQ(column(run({"domestic", "--model", "204", "--old", "--format", "json"}), "厂家"),
              (std::vector<std::string>{"哈尔滨"}));
}

TEST_F(QueryToolTest, NoMatchSaysSoOnStandardErrorAndExitsOne) {
    for (const auto& arguments : {std::vector<std::string_view>{"bearing", "9999"},
                                  {"bearing", "9999", "--format", "json"},
                                  {"combined", "--inner", "30.0"},
                                  {"imported", "--brand", "IJK", "--format", "csv"},
                                  {"domestic", "--maker", "哈尔滨", "--model", "6205"},
                                  {"lookup", "6206"}}) {
        std::ostringstream out, err;
        EXPECT_EQ(runQueryTool(arguments, image_, out, err), 1) << arguments[1];
        EXPECT_EQ(out.str(), "") << arguments[1];
        EXPECT_EQ(err.str(), "lingzhou-query: " + std::string(kNoMatch) + "\n") << arguments[1];
    }
}

TEST_F(QueryToolTest, EmptyInputIsRefusedWithTheWindowsMessageAndExitsTwo) {
    const Answer bearing = run({"bearing", ""});
    EXPECT_EQ(bearing.status, 2);
    EXPECT_EQ(bearing.out, "");
    EXPECT_EQ(bearing.err, "lingzhou-query: 查询内容不能为空！\n");
    const Answer combined = run({"combined", "--format", "csv"});
    EXPECT_EQ(combined.status, 2);
    EXPECT_EQ(combined.err, "lingzhou-query: 查询内容不能为空！\n");
    const Answer imported = run({"imported"});
    EXPECT_EQ(imported.status, 2);
    EXPECT_EQ(imported.err, "lingzhou-query: 查询内容不能为空\n");
    const Answer domestic = run({"domestic", "--print-sql"});
    EXPECT_EQ(domestic.status, 2);
    EXPECT_EQ(domestic.out, "");
    EXPECT_EQ(domestic.err, "lingzhou-query: 查询内容不能为空\n");
    // The window's lookup refuses text without letters or digits as empty; so does this.
    for (const auto& arguments : {std::vector<std::string_view>{"lookup", "--", "-"},
                                  {"lookup", "   "},
                                  {"lookup", " - / "},
                                  {"lookup", ""},
                                  {"lookup", "-", "--print-sql"}}) {
        std::ostringstream out, err;
        EXPECT_EQ(runQueryTool(arguments, image_, out, err), 2) << arguments[1];
        EXPECT_EQ(out.str(), "") << arguments[1];
        EXPECT_EQ(err.str(), "lingzhou-query: 查询内容不能为空！\n") << arguments[1];
    }
}

TEST_F(QueryToolTest, MistakesPrintTheUsageOnStandardErrorAndExitTwo) {
    const Answer unknown = run({"bearing", "6205", "--bogus"});
    EXPECT_EQ(unknown.status, 2);
    EXPECT_EQ(unknown.out, "");
    EXPECT_TRUE(
        unknown.err.starts_with("lingzhou-query: unknown option '--bogus'\n\n"
                                "Usage: lingzhou-query bearing TEXT"))
        << unknown.err;
    const Answer none = run({});
    EXPECT_EQ(none.status, 2);
    EXPECT_TRUE(none.err.starts_with("lingzhou-query: no command given\n\nUsage: lingzhou-query "))
        << none.err;
}

TEST_F(QueryToolTest, HelpAndVersionAnswerOnStandardOutput) {
    const Answer help = run({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.err, "");
    EXPECT_TRUE(help.out.starts_with("Usage: lingzhou-query "));
    for (const std::string_view command :
         {"bearing", "combined", "imported", "domestic", "lookup"}) {
        EXPECT_NE(help.out.find("  " + std::string(command) + " "), std::string::npos) << command;
        const Answer commandHelp = run({command, "--help"});
        EXPECT_EQ(commandHelp.status, 0) << command;
        EXPECT_TRUE(commandHelp.out.starts_with("Usage: lingzhou-query " + std::string(command)))
            << commandHelp.out;
    }
    const Answer version = run({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_TRUE(version.out.starts_with("lingzhou-query ")) << version.out;
}

TEST_F(QueryToolTest, PrintSqlShowsTheStatementAndRunsNothing) {
    const Answer answer = run({"bearing", "9999", "--print-sql"});
    EXPECT_EQ(answer.status, 0);  // the statement was printed, although it would find nothing
    EXPECT_EQ(answer.out, "select * from bearing where newno like '%9999%'\n");
    EXPECT_EQ(answer.err, "");
}

TEST_F(QueryToolTest, ACatalogueThatCannotBeOpenedIsReportedAsSuch) {
    const std::vector<std::byte> garbage(4096, std::byte{0x41});
    const Answer answer = runOn(garbage, {"bearing", "6205"});
    EXPECT_EQ(answer.status, 3);
    EXPECT_EQ(answer.out, "");
    EXPECT_EQ(answer.err, "lingzhou-query: 连接失败\n");
    // Help needs no catalogue.
    EXPECT_EQ(runOn(garbage, {"--help"}).status, 0);
}

TEST_F(QueryToolTest, ACatalogueFailingPartWayGivesTheRowsReadBeforeAndSaysSo) {
    lz::test::TempDir dir;
    const std::string path = (dir.path() / "damaged.db").string();
    const int readable = lz::test::writeCatalogueWithADamagedPage(path, 2000);
    ASSERT_GT(readable, 0);
    const std::vector<std::byte> damaged = test::fileBytes(path);
    const Answer answer = runOn(damaged, {"combined", "--type", "请选择类型", "--format", "json"});
    EXPECT_EQ(answer.status, 3);
    EXPECT_EQ(answer.err, "lingzhou-query: 读取数据出错，列表可能不完整\n");
    std::vector<std::string> expected;
    for (int bh = 1; bh <= readable; ++bh) {
        expected.push_back(std::to_string(bh));
    }
    EXPECT_EQ(column(answer, "ID"), expected);
}

// A statement failing on its first row has found nothing, but it has not found "no match"
// either: status 3 and the read-failed text, with nothing on standard output.
TEST_F(QueryToolTest, AFailureBeforeTheFirstRowIsAReadErrorNotNoMatch) {
    lz::test::TempDir dir;
    const std::string path = (dir.path() / "damaged.db").string();
    ASSERT_GT(lz::test::writeCatalogueWithADamagedPage(path, 400), 0);
    const std::vector<std::byte> damaged = test::fileBytes(path);
    const std::string percents(50'000, '%');
    for (const auto& [image, arguments] :
         {std::pair{std::span<const std::byte>(image_),
                    std::vector<std::string_view>{"bearing", percents}},
          {std::span<const std::byte>(image_), {"imported", "--model", percents}},
          {std::span<const std::byte>(image_),
           {"domestic", "--model", percents, "--format", "csv"}},
          // Row 400 lies beyond the damaged page: the scan fails before it finds a row.
          {std::span<const std::byte>(damaged), {"bearing", "62400"}}}) {
        std::ostringstream out, err;
        EXPECT_EQ(runQueryTool(arguments, image, out, err), 3) << arguments[1].substr(0, 10);
        EXPECT_EQ(out.str(), "");
        EXPECT_EQ(err.str(), "lingzhou-query: 读取数据出错，列表可能不完整\n");
    }
}

// The lookup's key index is built from every row of the bearing table: rows behind a
// damaged page would be missing from it, and the rows it still finds pass for all.
TEST_F(QueryToolTest, ALookupWhoseIndexCannotBeReadWholeIsAReadError) {
    lz::test::TempDir dir;
    const std::string path = (dir.path() / "damaged.db").string();
    ASSERT_GT(lz::test::writeCatalogueWithADamagedPage(path, 400), 0);
    const std::vector<std::byte> damaged = test::fileBytes(path);
    for (const std::string_view typed : {"621", "62400"}) {  // before and after the damage
        const Answer answer = runOn(damaged, {"lookup", typed});
        EXPECT_EQ(answer.status, 3) << typed;
        EXPECT_EQ(answer.out, "") << typed;
        EXPECT_EQ(answer.err, "lingzhou-query: 读取数据出错，列表可能不完整\n") << typed;
    }
    EXPECT_EQ(runOn(damaged, {"lookup", "621", "--print-sql"}).status, 3);
}

TEST_F(QueryToolTest, RowsThatCannotBeWrittenAreNotReportedAsFound) {
    std::ostream broken(nullptr);  // every write fails, as on a full disk
    std::ostringstream err;
    const std::vector<std::string_view> arguments = {"bearing", "6205"};
    EXPECT_EQ(runQueryTool(arguments, image_, broken, err), 4);
    EXPECT_EQ(err.str(), "lingzhou-query: the output cannot be written\n");
}

// The same writings the 型号助手 takes, and its groups, each row with its "差异".
TEST_F(QueryToolTest, LookupListsTheSameBearingFirstWhateverTheWriting) {
    // NTN's 6205LLU is a 6205-2RS: every 6205-2RS first (the row stamped so first of all),
    // then the 6205-2RZ, the same size with other seals.
    const struct {
        std::string_view typed;
        std::vector<std::string> ids;
    } writings[] = {
        {"6205LLU", {"2", "1", "3", "4"}},   {"6205llu", {"2", "1", "3", "4"}},
        {"6205 LLU", {"2", "1", "3", "4"}},  {"６２０５ＬＬＵ", {"2", "1", "3", "4"}},
        {"6205DDU", {"1", "2", "3", "4"}},   {"6205-2RSH", {"3", "1", "2", "4"}},
        {"6205/2rs", {"1", "2", "3", "4"}},  {"62052RS", {"1", "2", "3", "4"}},
        {"6205-2RS1", {"1", "2", "3", "4"}}, {"6205 2RZ", {"4", "1", "2", "3"}},
    };
    for (const auto& writing : writings) {
        const Answer answer = run({"lookup", writing.typed, "--format", "json"});
        EXPECT_EQ(answer.status, 0) << writing.typed;
        EXPECT_EQ(column(answer, "ID"), writing.ids) << writing.typed;
    }
    EXPECT_EQ(column(run({"lookup", "6205LLU", "--format", "json"}), "差异"),
              (std::vector<std::string>{"", "", "", "同尺寸，密封不同；密封 -2RS → -2RZ"}));
    EXPECT_EQ(column(run({"lookup", "6205-2RZ", "--format", "json"}), "差异"),
              (std::vector<std::string>{"", "同尺寸，密封不同；密封 -2RZ → -2RS",
                                        "同尺寸，密封不同；密封 -2RZ → -2RS",
                                        "同尺寸，密封不同；密封 -2RZ → -2RS"}));
    // A clearance the catalogue does not hold: the bearing without it, saying so.
    EXPECT_EQ(column(run({"lookup", "6205LLUC3", "--format", "json"}), "差异"),
              (std::vector<std::string>{"游隙 C3 → 普通", "游隙 C3 → 普通", "游隙 C3 → 普通",
                                        "同尺寸，密封不同；游隙 C3 → 普通；密封 -2RS → -2RZ"}));
    // An open 6205 is not held: the sealed ones of its size are.
    EXPECT_EQ(column(run({"lookup", "6205", "--format", "json"}), "ID"),
              (std::vector<std::string>{"1", "2", "3", "4"}));
    EXPECT_EQ(column(run({"lookup", "62'05", "--format", "json"}), "ID"),
              (std::vector<std::string>{"6"}));
    EXPECT_EQ(column(run({"lookup", "62'05", "--format", "json"}), "差异"),
              (std::vector<std::string>{""}));
    const Answer none = run({"lookup", "6206"});
    EXPECT_EQ(none.status, 1);
    EXPECT_EQ(none.err, "lingzhou-query: " + std::string(kNoMatch) + "\n");
}

// "差异" is the last column in every format.
TEST_F(QueryToolTest, LookupHasTheDifferenceColumnLastInEveryFormat) {
    const Answer table = run({"lookup", "6205-2RZ"});
    ASSERT_EQ(table.status, 0);
    const std::string firstLine = table.out.substr(0, table.out.find('\n'));
    EXPECT_TRUE(firstLine.starts_with("ID")) << firstLine;
    EXPECT_TRUE(firstLine.ends_with("  差异")) << firstLine;
    EXPECT_NE(table.out.find("同尺寸，密封不同；密封 -2RZ → -2RS\n"), std::string::npos);
    const Answer csv = run({"lookup", "6205-2RZ", "--format", "csv"});
    const std::string heading = csv.out.substr(0, csv.out.find("\r\n"));
    EXPECT_EQ(heading,
              "\xEF\xBB\xBFID,轴承名称,新型号,旧型号,内径,外径,厚度,品牌,轴承类型,详细说明,差异");
    EXPECT_NE(csv.out.find(",同尺寸，密封不同；密封 -2RZ → -2RS\r\n"), std::string::npos);
    const auto objects =
        test::readJsonArrayOfObjects(run({"lookup", "6205-2RZ", "--format", "json"}).out);
    ASSERT_TRUE(objects && !objects->empty());
    EXPECT_EQ(objects->front().back().first, "差异");
}

// decode: the readings of a designation, its parts and their meanings.
TEST_F(QueryToolTest, DecodeTellsThePartsOfEachReading) {
    const Answer table = run({"decode", "6205-2RS1/C3"});
    ASSERT_EQ(table.status, 0) << table.err;
    EXPECT_EQ(table.err, "");
    const auto hasLine = [&](std::string_view line) {
        return ("\n" + table.out).find("\n" + std::string(line) + "\n") != std::string::npos;
    };
    EXPECT_TRUE(table.out.starts_with("读法 1：6205-2RS/C3　深沟球轴承\n部分  含义\n"))
        << table.out;
    EXPECT_TRUE(hasLine("62    尺寸系列 02（轻系列）"));
    EXPECT_TRUE(hasLine("05    内径代号：05×5 = 25 mm"));
    EXPECT_TRUE(
        hasLine("2RS1  两面接触式密封圈（SKF 写法）；通用写法 -2RS，NSK 写 DDU，NTN 写 "
                "LLU，FAG 写 2RSR"));
    EXPECT_TRUE(hasLine("C3    径向游隙大于普通组"));
    EXPECT_TRUE(hasLine("内径代号推得内径：25 mm"));
    EXPECT_EQ(table.out.find("读法 2"), std::string::npos) << "one reading";

    // The catalogue supplies the old designation it pairs with the common one; the parts
    // are an array of their own.
    const auto objects =
        test::readJsonArrayOfNestedObjects(run({"decode", "6205LLU", "--format", "json"}).out);
    ASSERT_TRUE(objects);
    ASSERT_EQ(objects->size(), 1u);
    const auto value = [](const test::JsonObject& object, std::string_view name) {
        for (const auto& [key, text] : object) {
            if (key == name) {
                return text;
            }
        }
        return std::string("<missing>");
    };
    const test::JsonNestedObject& reading = objects->front();
    EXPECT_EQ(value(reading.strings, "读法"), "1");
    EXPECT_EQ(value(reading.strings, "通用写法"), "6205-2RS");
    EXPECT_EQ(value(reading.strings, "旧型号"), "180205");
    EXPECT_EQ(value(reading.strings, "旧型号来源"), "目录");
    EXPECT_EQ(value(reading.strings, "内径（mm）"), "25");
    ASSERT_EQ(reading.arrays.size(), 1u);
    EXPECT_EQ(reading.arrays[0].first, "部分");
    ASSERT_EQ(reading.arrays[0].second.size(), 3u);
    EXPECT_EQ(reading.arrays[0].second[1],
              (test::JsonObject{{"部分", "05"}, {"含义", "内径代号：05×5 = 25 mm"}}));
    EXPECT_EQ(value(reading.arrays[0].second[2], "部分"), "LLU");
    // Two readings: both, the most likely first, each with its own bore.
    const auto split =
        test::readJsonArrayOfNestedObjects(run({"decode", "6052Z", "--format", "json"}).out);
    ASSERT_TRUE(split);
    ASSERT_EQ(split->size(), 2u);
    EXPECT_EQ(value((*split)[0].strings, "内径（mm）"), "5");
    EXPECT_EQ(value((*split)[1].strings, "通用写法"), "6052-Z");
    EXPECT_EQ(value((*split)[1].strings, "内径（mm）"), "260");

    const Answer csv = run({"decode", "6052Z", "--format", "csv"});
    ASSERT_EQ(csv.status, 0);
    EXPECT_TRUE(csv.out.starts_with(
        "\xEF\xBB\xBF读法,通用写法,轴承类型,读法说明,部分,含义,旧型号,旧型号来源,内径（mm）\r\n"));
    EXPECT_NE(csv.out.find("\r\n1,605-2Z,深沟球轴承,"), std::string::npos);
    EXPECT_NE(csv.out.find(",52,内径代号：52×5 = 260 mm,"), std::string::npos);
    EXPECT_NE(csv.out.find("\r\n2,6052-Z,深沟球轴承,"), std::string::npos);
}

TEST_F(QueryToolTest, DecodeOfNoDesignationEndsAsNoMatchOrRefusal) {
    const Answer unknown = run({"decode", "XYZ?"});
    EXPECT_EQ(unknown.status, 1);
    EXPECT_EQ(unknown.out, "");
    EXPECT_EQ(unknown.err, "lingzhou-query: 无法识别的型号\n");
    for (const std::string_view empty : {"", "  ", " - / "}) {
        const Answer refused = run({"decode", empty});
        EXPECT_EQ(refused.status, 2) << empty;
        EXPECT_EQ(refused.err, "lingzhou-query: 查询内容不能为空！\n");
    }
    EXPECT_EQ(run({"decode", "6205", "--print-sql"}).status, 2);
    EXPECT_EQ(run({"decode"}).status, 2);
    EXPECT_EQ(run({"decode", "6205", "6206"}).status, 2);
    // Decoding needs what the catalogue knows: a catalogue that cannot be read whole fails.
    lz::test::TempDir dir;
    const std::string path = (dir.path() / "damaged.db").string();
    ASSERT_GT(lz::test::writeCatalogueWithADamagedPage(path, 400), 0);
    const Answer failed = runOn(test::fileBytes(path), {"decode", "6205"});
    EXPECT_EQ(failed.status, 3);
    EXPECT_EQ(failed.err, "lingzhou-query: 读取数据出错，列表可能不完整\n");
}

}  // namespace
}  // namespace lz::query_cli
