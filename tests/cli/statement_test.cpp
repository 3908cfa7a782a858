// The statement each command runs, from the command line as typed to the text sent to the
// catalogue: the same text the window sends for the same inputs, written out here.
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "catalogue/catalogue_database.h"
#include "cli/argument_parser.h"
#include "cli/query_plan.h"
#include "tests/cli/small_catalogue_image.h"

namespace lz::query_cli {
namespace {

class StatementTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(database_.openImage(image_)); }

    QueryPlan plan(std::initializer_list<std::string_view> arguments) {
        const std::vector<std::string_view> list(arguments);
        const ParsedArguments parsed = parseArguments(list);
        const auto* invocation = std::get_if<Invocation>(&parsed);
        if (invocation == nullptr) {
            ADD_FAILURE() << "not a search: " << list.front();
            return {};
        }
        return planQuery(*invocation, database_);
    }

    std::string statement(std::initializer_list<std::string_view> arguments) {
        const QueryPlan planned = plan(arguments);
        EXPECT_TRUE(planned.refusal.empty()) << planned.refusal;
        return planned.statement.value_or("<none>");
    }

    std::vector<std::byte> image_ = test::smallCatalogueImage();
    catalogue::CatalogueDatabase database_;
};

TEST_F(StatementTest, BearingSearchesTheChosenFieldAndTurnsOnlyDimensionsExact) {
    EXPECT_EQ(statement({"bearing", "6205"}), "select * from bearing where newno like '%6205%'");
    EXPECT_EQ(statement({"bearing", "6205", "--by", "new", "--exact"}),
              "select * from bearing where newno like '%6205%'");
    EXPECT_EQ(statement({"bearing", "--by=old", "8206", "--exact"}),
              "select * from bearing where oldno like '%8206%'");
    EXPECT_EQ(statement({"bearing", "25", "--by", "inner"}),
              "select * from bearing where njin like '%25%'");
    EXPECT_EQ(statement({"bearing", "25", "--by", "inner", "--exact"}),
              "select * from bearing where njin='25'");
    EXPECT_EQ(statement({"bearing", "52", "--by", "outer", "--exact"}),
              "select * from bearing where wjin='52'");
    EXPECT_EQ(statement({"bearing", "15", "--by", "width"}),
              "select * from bearing where gdu like '%15%'");
    EXPECT_EQ(statement({"bearing", "15", "--by", "width", "--exact"}),
              "select * from bearing where gdu='15'");
    // The issue's own spelling of the field choice.
    EXPECT_EQ(statement({"bearing", "--new", "6205"}),
              "select * from bearing where newno like '%6205%'");
    EXPECT_EQ(statement({"bearing", "--old", "8206"}),
              "select * from bearing where oldno like '%8206%'");
    EXPECT_EQ(statement({"bearing", "--width", "15", "--exact"}),
              "select * from bearing where gdu='15'");
}

TEST_F(StatementTest, TextsGoInAsTypedWithQuotesDoubled) {
    EXPECT_EQ(statement({"bearing", " 6205"}), "select * from bearing where newno like '% 6205%'");
    EXPECT_EQ(statement({"bearing", "62'05"}), "select * from bearing where newno like '%62''05%'");
    EXPECT_EQ(statement({"bearing", "--", "-2RS"}),
              "select * from bearing where newno like '%-2RS%'");
    EXPECT_EQ(statement({"bearing", "6_0%"}), "select * from bearing where newno like '%6_0%%'");
    EXPECT_EQ(statement({"combined", "--brand", "O'Neil"}),
              "select * from bearing where ppai='O''Neil'");
    EXPECT_EQ(statement({"imported", "--model", "6000'"}),
              "select * from prjk where newno like '%6000''%'");
    EXPECT_EQ(statement({"domestic", "--maker", "x' or '1'='1"}),
              "select * from prgc  where ppai='x'' or ''1''=''1'");
}

TEST_F(StatementTest, FullWidthTextsAreFoldedToHalfWidthAsTheWindowFoldsThem) {
    EXPECT_EQ(statement({"bearing", "６２０５"}),
              "select * from bearing where newno like '%6205%'");
    EXPECT_EQ(statement({"bearing", "　６２＇０５　"}),
              "select * from bearing where newno like '% 62''05 %'");
    EXPECT_EQ(statement({"bearing", "２５", "--by", "inner", "--exact"}),
              "select * from bearing where njin='25'");
    EXPECT_EQ(statement({"combined", "--inner", "２５", "--outer", "５２", "--width", "１５",
                         "--brand", "ＳＫＦ", "--type", "深沟球轴承"}),
              "select * from bearing where njin='25'and wjin='52'and gdu='15'and ppai='SKF'and  "
              "btype='深沟球轴承'");
    EXPECT_EQ(statement({"imported", "--model", "６０００", "--brand", "ＮＡＣＨＩ"}),
              "select * from prjk where newno like '%6000%' and  ppai='NACHI'");
    EXPECT_EQ(statement({"domestic", "--model", "２０４", "--old", "--maker", "瓦房店"}),
              "select * from prgc where oldno like '%204%' and  ppai='瓦房店'");
    // Case stays as typed.
    EXPECT_EQ(statement({"bearing", "ｌｌｕ"}), "select * from bearing where newno like '%llu%'");
}

TEST_F(StatementTest, CombinedJoinsItsConditionsAsTheWindowWritesThem) {
    EXPECT_EQ(statement({"combined", "--inner", "25", "--outer", "52", "--brand", "SKF"}),
              "select * from bearing where njin='25'and wjin='52'and ppai='SKF'");
    EXPECT_EQ(statement({"combined", "--inner", "25", "--outer", "52", "--brand", "SKF", "--type",
                         "深沟球轴承"}),
              "select * from bearing where njin='25'and wjin='52'and ppai='SKF'and  "
              "btype='深沟球轴承'");
    EXPECT_EQ(statement({"combined", "--brand", "FAG"}), "select * from bearing where ppai='FAG'");
    EXPECT_EQ(statement({"combined", "--inner", "30", "--brand", "全部", "--type", "圆锥滚子轴承"}),
              "select * from bearing where njin='30'and  btype='圆锥滚子轴承'");
    EXPECT_EQ(statement({"combined", "--width", "15", "--outer", "52"}),
              "select * from bearing where wjin='52'and gdu='15'");
    // A prompt sets no condition but is not "全部": the whole table.
    EXPECT_EQ(statement({"combined", "--type", "请选择类型"}), "select * from bearing ");
    EXPECT_EQ(statement({"combined", "--brand", "请选择品牌"}), "select * from bearing ");
}

TEST_F(StatementTest, PriceQueriesComposeAsTheirPages) {
    EXPECT_EQ(statement({"imported", "--model", "6000"}),
              "select * from prjk where newno like '%6000%'");
    EXPECT_EQ(statement({"imported", "--brand", "SKF"}), "select * from prjk where ppai='SKF'");
    EXPECT_EQ(statement({"imported", "--model", "6000", "--brand", "NACHI"}),
              "select * from prjk where newno like '%6000%' and  ppai='NACHI'");
    EXPECT_EQ(statement({"imported", "--brand", "TORRINGTON FAFNIR"}),
              "select * from prjk where ppai='TORRINGTON FAFNIR'");
    EXPECT_EQ(statement({"imported", "--model", " "}), "select * from prjk where newno like '% %'");

    EXPECT_EQ(statement({"domestic", "--model", "6204"}),
              "select * from prgc where newno like '%6204%'");
    EXPECT_EQ(statement({"domestic", "--model", "204", "--old"}),
              "select * from prgc where oldno like '%204%'");
    EXPECT_EQ(statement({"domestic", "--maker", "哈尔滨"}),
              "select * from prgc  where ppai='哈尔滨'");
    EXPECT_EQ(statement({"domestic", "--old", "--maker", "哈尔滨"}),
              "select * from prgc  where ppai='哈尔滨'");
    EXPECT_EQ(statement({"domestic", "--model", "6204", "--maker", "洛阳"}),
              "select * from prgc where newno like '%6204%' and  ppai='洛阳'");
    EXPECT_EQ(statement({"domestic", "--model", "204", "--old", "--maker", "洛阳"}),
              "select * from prgc where oldno like '%204%' and  ppai='洛阳'");
}

TEST_F(StatementTest, NothingToSearchForIsRefusedWithTheWindowsMessage) {
    for (const auto& arguments : {std::vector<std::string_view>{"bearing", ""},
                                  {"bearing", "", "--by", "inner", "--exact"},
                                  {"combined"},
                                  {"combined", "--brand", "全部", "--type", "全部"},
                                  {"lookup", ""}}) {
        const ParsedArguments parsed = parseArguments(arguments);
        ASSERT_TRUE(std::holds_alternative<Invocation>(parsed)) << arguments.front();
        const QueryPlan planned = planQuery(std::get<Invocation>(parsed), database_);
        EXPECT_FALSE(planned.statement) << arguments.front();
        EXPECT_EQ(planned.refusal, "查询内容不能为空！") << arguments.front();
    }
    for (const auto& arguments : {std::vector<std::string_view>{"imported"},
                                  {"imported", "--model", "", "--brand", "全部"},
                                  {"domestic"},
                                  {"domestic", "--old"}}) {
        const ParsedArguments parsed = parseArguments(arguments);
        ASSERT_TRUE(std::holds_alternative<Invocation>(parsed)) << arguments.front();
        const QueryPlan planned = planQuery(std::get<Invocation>(parsed), database_);
        EXPECT_FALSE(planned.statement) << arguments.front();
        EXPECT_EQ(planned.refusal, "查询内容不能为空") << arguments.front();
    }
}

// The 型号助手's lookup names its rows by number, in the order it lists them: the row stamped
// so, the rest of the same bearing, then the same size with other seals.
TEST_F(StatementTest, LookupNamesTheRowsItFindsByNumberInItsOrder) {
    EXPECT_EQ(statement({"lookup", "6205LLU"}),
              "select * from bearing where bh in (2,1,3,4) order by case bh when 2 then 0 when 1 "
              "then 1 when 3 then 2 when 4 then 3 end");
    EXPECT_EQ(statement({"lookup", "62'05"}), "select * from bearing where bh in (6)");
    const QueryPlan none = plan({"lookup", "6206"});
    EXPECT_FALSE(none.statement);
    EXPECT_EQ(none.refusal, "");
}

TEST_F(StatementTest, EachSearchFillsTheColumnsOfItsList) {
    const auto expectColumns = [](const QueryPlan& planned, std::vector<std::string_view> headings,
                                  std::vector<std::string_view> fields) {
        EXPECT_EQ(std::vector<std::string_view>(planned.columns.headings.begin(),
                                                planned.columns.headings.end()),
                  headings);
        EXPECT_EQ(std::vector<std::string_view>(planned.columns.fields.begin(),
                                                planned.columns.fields.end()),
                  fields);
    };
    const std::vector<std::string_view> bearingHeadings = {
        "ID",   "轴承名称", "新型号", "旧型号",   "内径",
        "外径", "厚度",     "品牌",   "轴承类型", "详细说明"};
    const std::vector<std::string_view> bearingFields = {"bh",   "zhch", "newno", "oldno", "njin",
                                                         "wjin", "gdu",  "ppai",  "btype", "tt"};
    expectColumns(plan({"bearing", "6205"}), bearingHeadings, bearingFields);
    expectColumns(plan({"combined", "--brand", "SKF"}), bearingHeadings, bearingFields);
    std::vector<std::string_view> lookupHeadings = bearingHeadings;
    lookupHeadings.push_back("差异");
    expectColumns(plan({"lookup", "6205LLU"}), lookupHeadings, bearingFields);
    expectColumns(plan({"imported", "--brand", "SKF"}),
                  {"编号", "品牌", "型号", "不含税价格（元）", "含税价格（元）"},
                  {"ID", "ppai", "newno", "nonprice", "price"});
    expectColumns(plan({"domestic", "--maker", "洛阳"}),
                  {"编号", "旧型号", "新型号", "不含税价格（元）", "含税价格（元）", "厂家"},
                  {"id", "oldno", "newno", "nonprice", "price", "ppai"});
}

}  // namespace
}  // namespace lz::query_cli
