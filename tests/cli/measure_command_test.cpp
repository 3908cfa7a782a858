// The measure command: its arguments, and whole runs on the shipped catalogue with what
// reaches standard output and standard error, and the exit status.
#include <gtest/gtest.h>

#include <initializer_list>
#include <sstream>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "catalogue/image/catalogue_image.h"
#include "cli/argument_parser.h"
#include "cli/query_tool.h"
#include "tests/cli/text_readers.h"

namespace lz::query_cli {
namespace {

constexpr std::string_view kLeftOut =
    "lingzhou-query: 225 行的内径、外径或厚度不是正数，不在尺寸查找之内\n";

TEST(MeasureArguments, SizesOptionsAndMistakes) {
    const auto parsed = [](std::vector<std::string_view> arguments) {
        return parseArguments(arguments);
    };
    const ParsedArguments full =
        parsed({"measure", "--unit", "inch", "1-3/8", "2-27/32", "--tolerance=0.05", "1",
                "--width-tolerance", "0.3", "--type", "圆锥滚子轴承", "--format", "csv"});
    ASSERT_TRUE(std::holds_alternative<Invocation>(full));
    const Invocation& a = std::get<Invocation>(full);
    EXPECT_EQ(a.subcommand, Subcommand::Measure);
    EXPECT_EQ(a.unit, sizes::LengthUnit::Inch);
    EXPECT_EQ(a.innerDiameter, "1-3/8");
    EXPECT_EQ(a.outerDiameter, "2-27/32");
    EXPECT_EQ(a.width, "1");
    EXPECT_EQ(a.tolerance, "0.05");
    EXPECT_EQ(a.widthTolerance, "0.3");
    EXPECT_EQ(a.type, "圆锥滚子轴承");
    EXPECT_EQ(a.format, OutputFormat::Csv);

    const Invocation b = std::get<Invocation>(parsed({"measure", "25", "52", "--unit=in"}));
    EXPECT_EQ(b.unit, sizes::LengthUnit::Inch);
    EXPECT_EQ(b.width, "");
    EXPECT_EQ(b.tolerance, "");
    EXPECT_EQ(b.type, "全部");
    // A negative size is a size, to be refused as one, not an unknown option.
    EXPECT_EQ(std::get<Invocation>(parsed({"measure", "-5", "-.5"})).outerDiameter, "-.5");

    const std::pair<std::vector<std::string_view>, std::string> mistakes[] = {
        {{"measure"}, "the inner and outer diameters are missing"},
        {{"measure", "25"}, "the inner and outer diameters are missing"},
        {{"measure", "25", "52", "15", "3"}, "unexpected argument '3'"},
        {{"measure", "25", "52", "--unit", "cm"}, "unknown unit 'cm': use mm or inch"},
        {{"measure", "25", "52", "--brand", "SKF"}, "unknown option '--brand'"},
        {{"measure", "25", "52", "--tolerance"}, "option '--tolerance' needs a value"},
    };
    for (const auto& [arguments, message] : mistakes) {
        const ParsedArguments result = parsed(arguments);
        ASSERT_TRUE(std::holds_alternative<UsageError>(result)) << message;
        EXPECT_EQ(std::get<UsageError>(result).message, message);
        EXPECT_EQ(std::get<UsageError>(result).subcommand, Subcommand::Measure);
    }
}

struct Answer {
    int status;
    std::string out, err;
};

Answer run(std::initializer_list<std::string_view> arguments) {
    const std::vector<std::string_view> list(arguments);
    std::ostringstream out, err;
    const int status = runQueryTool(list, catalogue::catalogueImage(), out, err);
    return {status, out.str(), err.str()};
}

// The records of a CSV answer, headings first.
std::vector<std::vector<std::string>> records(const Answer& answer) {
    const std::string_view bom = "\xEF\xBB\xBF";
    EXPECT_TRUE(answer.out.starts_with(bom));
    const auto csv = test::readCsv(std::string_view(answer.out).substr(bom.size()));
    EXPECT_TRUE(csv) << answer.out;
    return csv.value_or(std::vector<std::vector<std::string>>{});
}

TEST(MeasureCommand, ListsTheBearingsWithinToleranceNearestFirst) {
    const Answer answer = run({"measure", "24.98", "52.02", "15", "--format", "csv"});
    EXPECT_EQ(answer.status, 0);
    EXPECT_EQ(answer.err, kLeftOut);
    const auto rows = records(answer);
    ASSERT_EQ(rows.size(), 1u + 307u);
    EXPECT_EQ(rows[0],
              (std::vector<std::string>{"ID", "轴承名称", "新型号", "旧型号", "内径", "外径",
                                        "厚度", "品牌", "轴承类型", "详细说明", "偏差"}));
    EXPECT_EQ(rows[1][0], "463");
    EXPECT_EQ(rows[1][2], "6205");
    EXPECT_EQ(rows[1][10], "d -0.020, D +0.020, B 0.000 mm");
    EXPECT_EQ(rows[307][0], "46123");
    EXPECT_EQ(rows[307][10], "d -0.001, D +0.020, B -0.011 mm");

    // Inch sizes, the deviation in inches; the same in millimetres with a written unit.
    const Answer inch =
        run({"measure", "--unit", "inch", "1-3/8", "2-27/32", "1", "--format", "json"});
    EXPECT_EQ(inch.status, 0);
    const auto objects = test::readJsonArrayOfObjects(inch.out);
    ASSERT_TRUE(objects);
    ASSERT_EQ(objects->size(), 1u);
    EXPECT_EQ(objects->front().front(), (std::pair<std::string, std::string>{"ID", "46134"}));
    EXPECT_EQ(objects->front().back(), (std::pair<std::string, std::string>{
                                           "偏差", "d 0.0000, D -0.0001, B 0.0000 in，英制"}));
    // Without the width the inch cup of 72.238 mm joins it.
    const Answer mixed = run({"measure", "1-3/8\"", "72.233mm", "--format", "csv"});
    EXPECT_EQ(mixed.status, 0);
    const auto mixedRows = records(mixed);
    ASSERT_EQ(mixedRows.size(), 1u + 2u);
    EXPECT_EQ(mixedRows[1].front(), "46134");
    EXPECT_EQ(mixedRows[1].back(), "d 0.0000 in, D 0.000 mm，英制");
    EXPECT_EQ(mixedRows[2].front(), "46296");
    EXPECT_EQ(mixedRows[2].back(), "d 0.0000 in, D -0.005 mm，英制");

    // A type, and a tolerance that lets 35 × 72 reach 34.93.
    EXPECT_EQ(
        records(run({"measure", "35", "72", "--type", "深沟球轴承", "--format", "csv"})).size(),
        1u + 64u);
    const Answer narrow = run({"measure", "34.85", "72", "--format", "csv"});
    EXPECT_EQ(narrow.status, 1);
    EXPECT_EQ(records(narrow).size(), 1u + 20u);
    const Answer wide = run({"measure", "34.85", "72", "--tolerance", "0.2", "--format", "csv"});
    EXPECT_EQ(wide.status, 0);
    EXPECT_EQ(records(wide).size(), 1u + 2u + 561u);
}

TEST(MeasureCommand, NothingWithinToleranceStillPrintsTheNearestAndExitsOne) {
    const Answer answer = run({"measure", "27.5", "61.3", "9", "--format", "csv"});
    EXPECT_EQ(answer.status, 1);
    EXPECT_EQ(answer.err,
              std::string(kLeftOut) + "lingzhou-query: 容差内无匹配，以下为最接近的型号\n");
    const auto rows = records(answer);
    ASSERT_EQ(rows.size(), 1u + 20u);
    EXPECT_EQ(rows[1][0], "29268");
    EXPECT_EQ(rows[20][0], "7582");
}

TEST(MeasureCommand, RefusedValuesSayWhyAndSearchNothing) {
    const Answer bad = run({"measure", "abc", "0", "-5", "--tolerance", "0"});
    EXPECT_EQ(bad.status, 2);
    EXPECT_EQ(bad.out, "");
    EXPECT_EQ(bad.err,
              "lingzhou-query: 内径 INNER: 请输入正数，例如 25、24.98 或 1-3/8\n"
              "lingzhou-query: 外径 OUTER: 请输入正数，例如 25、24.98 或 1-3/8\n"
              "lingzhou-query: 厚度 WIDTH: 请输入正数，例如 25、24.98 或 1-3/8\n"
              "lingzhou-query: --tolerance: 请输入 0.001 到 10 mm 之间的公差\n");
    for (const auto& sizes : {std::pair{"1e300", "nan"}, std::pair{"inf", "52"},
                              std::pair{"52", "25"}, std::pair{"25", "25"}}) {
        const Answer answer = run({"measure", sizes.first, sizes.second});
        EXPECT_EQ(answer.status, 2) << sizes.first << " " << sizes.second;
        EXPECT_EQ(answer.out, "");
    }
    EXPECT_EQ(run({"measure", "52", "25"}).err, "lingzhou-query: 外径 OUTER: 外径须大于内径\n");
    const Answer type = run({"measure", "35", "72", "--type", "深沟球"});
    EXPECT_EQ(type.status, 2);
    EXPECT_TRUE(
        type.err.starts_with("lingzhou-query: unknown type '深沟球': use 全部 or one of "
                             "深沟球轴承、"))
        << type.err;
    const Answer usage = run({"measure", "25"});
    EXPECT_EQ(usage.status, 2);
    EXPECT_NE(usage.err.find("Usage: lingzhou-query measure"), std::string::npos);
}

TEST(MeasureCommand, PrintSqlShowsTheStatementThatReadsTheRows) {
    const Answer answer = run({"measure", "1-3/8", "2-27/32", "--unit", "inch", "--print-sql"});
    EXPECT_EQ(answer.status, 0);
    EXPECT_EQ(answer.out, "select * from bearing where bh in (46134,46296)\n");
}

}  // namespace
}  // namespace lz::query_cli
