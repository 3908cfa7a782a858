// The statements of the five bearing searches, composed from plain control values.
#include "query/sql/bearing_search_sql.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

namespace lz::query::sql {
namespace {

using Values = BearingSearchValues;

TEST(SingleFieldSearch, ComposesTheFieldsColumnInEitherMode) {
    struct Row {
        SingleField field;
        const char* text;
        const char* substring;
        const char* exact;
    };
    const std::vector<Row> rows = {
        {SingleField::NewDesignation, "6205", "select * from bearing where newno like '%6205%'",
         "select * from bearing where newno like '%6205%'"},
        {SingleField::OldDesignation, "205", "select * from bearing where oldno like '%205%'",
         "select * from bearing where oldno like '%205%'"},
        {SingleField::InnerDiameter, "25", "select * from bearing where njin like '%25%'",
         "select * from bearing where njin='25'"},
        {SingleField::OuterDiameter, "52", "select * from bearing where wjin like '%52%'",
         "select * from bearing where wjin='52'"},
        {SingleField::Width, "15", "select * from bearing where gdu like '%15%'",
         "select * from bearing where gdu='15'"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(composeSingleFieldSearch(row.text, row.field, false), row.substring);
        EXPECT_EQ(composeSingleFieldSearch(row.text, row.field, true), row.exact);
        EXPECT_EQ(composeSingleFieldSearch("", row.field, false), std::nullopt);
        EXPECT_EQ(composeSingleFieldSearch("", row.field, true), std::nullopt);
    }
}

TEST(SingleFieldSearch, TakesTheTextAsItStands) {
    EXPECT_EQ(composeSingleFieldSearch(" ", SingleField::NewDesignation, false),
              "select * from bearing where newno like '% %'");
    EXPECT_EQ(composeSingleFieldSearch("62%5_", SingleField::NewDesignation, false),
              "select * from bearing where newno like '%62%5_%'");
    EXPECT_EQ(composeSingleFieldSearch("25 ", SingleField::InnerDiameter, true),
              "select * from bearing where njin='25 '");
    EXPECT_EQ(composeSingleFieldSearch("nu 416", SingleField::NewDesignation, true),
              "select * from bearing where newno like '%nu 416%'");
    EXPECT_EQ(composeSingleFieldSearch("轴承", SingleField::OldDesignation, false),
              "select * from bearing where oldno like '%轴承%'");
}

TEST(CombinedSearch, EmptyOnlyWhenNoBoxIsFilledAndBothCombosShowAll) {
    EXPECT_EQ(composeCombinedSearch({"", "", "", "全部", "全部"}), std::nullopt);
    // A prompt is not "empty", although it sets no condition: the whole table.
    EXPECT_EQ(composeCombinedSearch({"", "", "", "全部", "请选择类型"}), "select * from bearing ");
    EXPECT_EQ(composeCombinedSearch({"", "", "", "请选择品牌", "全部"}), "select * from bearing ");
    EXPECT_EQ(composeCombinedSearch({"", "", "", "请选择品牌", "请选择类型"}),
              "select * from bearing ");
    EXPECT_EQ(composeCombinedSearch({" ", "", "", "全部", "全部"}),
              "select * from bearing where njin=' '");
}

TEST(CombinedSearch, JoinsTheConditionsWithoutASpaceBeforeAnd) {
    EXPECT_EQ(composeCombinedSearch({"", "", "", "FAG", "全部"}),
              "select * from bearing where ppai='FAG'");
    EXPECT_EQ(composeCombinedSearch({"30", "", "", "全部", "圆锥滚子轴承"}),
              "select * from bearing where njin='30'and  btype='圆锥滚子轴承'");
    EXPECT_EQ(composeCombinedSearch({"25", "52", "", "SKF", "全部"}),
              "select * from bearing where njin='25'and wjin='52'and ppai='SKF'");
    EXPECT_EQ(composeCombinedSearch({"25", "52", "", "SKF", "深沟球轴承"}),
              "select * from bearing where njin='25'and wjin='52'and ppai='SKF'and  "
              "btype='深沟球轴承'");
    EXPECT_EQ(composeCombinedSearch({"", "52", "15", "全部", "全部"}),
              "select * from bearing where wjin='52'and gdu='15'");
    EXPECT_EQ(composeCombinedSearch({"", "", "15", "请选择品牌", "全部"}),
              "select * from bearing where gdu='15'");
    EXPECT_EQ(composeCombinedSearch({"", "", "", "全部", "推力球轴承"}),
              "select * from bearing where btype='推力球轴承'");
    EXPECT_EQ(composeCombinedSearch({"25", "52", "15", "TORRINGTON FAFNIR", "深沟球轴承"}),
              "select * from bearing where njin='25'and wjin='52'and gdu='15'and "
              "ppai='TORRINGTON FAFNIR'and  btype='深沟球轴承'");
    EXPECT_EQ(composeCombinedSearch({"30 ", "", "", "全部", "全部"}),
              "select * from bearing where njin='30 '");
}

TEST(BrandAndTypeSearch, KeyFirstThenEachFilledDimension) {
    // N, W, G filled (F) or empty (E), in the eight combinations.
    const std::vector<std::tuple<Values, const char*>> rows = {
        {{"", "", "", "SKF", ""}, "select * from bearing where ppai='SKF'"},
        {{"", "", "15", "SKF", ""}, "select * from bearing where ppai='SKF' and gdu='15'"},
        {{"", "52", "", "SKF", ""}, "select * from bearing where ppai='SKF' and wjin='52'"},
        {{"25", "", "", "SKF", ""}, "select * from bearing where ppai='SKF' and njin='25'"},
        {{"", "52", "15", "SKF", ""},
         "select * from bearing where ppai='SKF' and wjin='52' and gdu='15'"},
        {{"25", "", "15", "SKF", ""},
         "select * from bearing where ppai='SKF' and njin='25' and gdu='15'"},
        {{"25", "52", "", "SKF", ""},
         "select * from bearing where ppai='SKF' and njin='25' and wjin='52'"},
        {{"25", "52", "15", "SKF", ""},
         "select * from bearing where ppai='SKF' and njin='25' and wjin='52' and gdu='15'"},
    };
    for (const auto& [values, sql] : rows) {
        EXPECT_EQ(composeBrandSearch(values), sql);
    }
    EXPECT_EQ(composeTypeSearch({"25", "", "15", "SKF", "深沟球轴承"}),
              "select * from bearing where btype='深沟球轴承' and njin='25' and gdu='15'");
    EXPECT_EQ(composeTypeSearch({"", "", "", "", "关节轴承"}),
              "select * from bearing where btype='关节轴承'");
}

TEST(BrandAndTypeSearch, OnlyAnEmptyKeyRefusesAndAllIsSearchedFor) {
    EXPECT_EQ(composeBrandSearch({"25", "52", "15", "", "深沟球轴承"}), std::nullopt);
    EXPECT_EQ(composeTypeSearch({"25", "52", "15", "SKF", ""}), std::nullopt);
    EXPECT_EQ(composeBrandSearch({"", "", "", "全部", "全部"}),
              "select * from bearing where ppai='全部'");
    EXPECT_EQ(composeTypeSearch({"", "", "", "全部", "请选择类型"}),
              "select * from bearing where btype='请选择类型'");
}

TEST(DimensionSearch, OneDimensionOrAllThreeInReverseOrder) {
    const std::vector<std::tuple<Values, std::optional<std::string>>> rows = {
        {{"", "", "", "SKF", "深沟球轴承"}, std::nullopt},
        {{"25", "", "", "", ""}, "select * from bearing where njin='25'"},
        {{"", "52", "", "", ""}, "select * from bearing where wjin='52'"},
        {{"", "", "15", "", ""}, "select * from bearing where gdu='15'"},
        {{"25", "52", "", "", ""}, std::nullopt},
        {{"25", "", "15", "", ""}, std::nullopt},
        {{"", "52", "15", "", ""}, std::nullopt},
        {{"25", "52", "15", "SKF", ""},
         "select * from bearing where gdu='15' and wjin='52' and njin='25'"},
    };
    for (const auto& [values, sql] : rows) {
        EXPECT_EQ(composeDimensionSearch(values), sql)
            << values.innerDiameter << "/" << values.outerDiameter << "/" << values.width;
    }
}

TEST(BearingSearchQuotes, EveryValueKeepsItsQuotesInsideItsLiteral) {
    EXPECT_EQ(composeSingleFieldSearch("O'Neil", SingleField::NewDesignation, false),
              "select * from bearing where newno like '%O''Neil%'");
    EXPECT_EQ(composeSingleFieldSearch("25' or '1'='1", SingleField::InnerDiameter, true),
              "select * from bearing where njin='25'' or ''1''=''1'");
    EXPECT_EQ(composeSingleFieldSearch("'", SingleField::Width, false),
              "select * from bearing where gdu like '%''%'");
    EXPECT_EQ(composeCombinedSearch({"2'5", "5'2", "1'5", "S'KF", "深'沟"}),
              "select * from bearing where njin='2''5'and wjin='5''2'and gdu='1''5'and "
              "ppai='S''KF'and  btype='深''沟'");
    EXPECT_EQ(composeBrandSearch({"'", "", "''", "a'b", ""}),
              "select * from bearing where ppai='a''b' and njin='''' and gdu=''''''");
    EXPECT_EQ(composeDimensionSearch({"1'", "2'", "3'", "", ""}),
              "select * from bearing where gdu='3''' and wjin='2''' and njin='1'''");
}

}  // namespace
}  // namespace lz::query::sql
