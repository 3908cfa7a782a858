// The statements of the two price queries, composed from plain control values.
#include "query/sql/price_query_sql.h"

#include <gtest/gtest.h>

namespace lz::query::sql {
namespace {

using enum DomesticModelColumn;

TEST(ImportedPriceQuery, ModelBrandOrBoth) {
    EXPECT_EQ(composeImportedPriceQuery("6000", "全部"),
              "select * from prjk where newno like '%6000%'");
    EXPECT_EQ(composeImportedPriceQuery("", "SKF"), "select * from prjk where ppai='SKF'");
    EXPECT_EQ(composeImportedPriceQuery("6000", "NACHI"),
              "select * from prjk where newno like '%6000%' and  ppai='NACHI'");
    EXPECT_EQ(composeImportedPriceQuery("", "全部"), std::nullopt);
}

TEST(ImportedPriceQuery, TakesTheTextsAsTheyStand) {
    EXPECT_EQ(composeImportedPriceQuery(" ", "全部"), "select * from prjk where newno like '% %'");
    EXPECT_EQ(composeImportedPriceQuery("", "TORRINGTON FAFNIR"),
              "select * from prjk where ppai='TORRINGTON FAFNIR'");
    EXPECT_EQ(composeImportedPriceQuery("", "IJK"), "select * from prjk where ppai='IJK'");
    EXPECT_EQ(composeImportedPriceQuery("", "EZO "), "select * from prjk where ppai='EZO '");
    EXPECT_EQ(composeImportedPriceQuery("60_0%", "全部 "),
              "select * from prjk where newno like '%60_0%%' and  ppai='全部 '");
    EXPECT_EQ(composeImportedPriceQuery("深沟球轴承", "全部"),
              "select * from prjk where newno like '%深沟球轴承%'");
}

TEST(DomesticPriceQuery, EveryRowOfTheStatementTable) {
    EXPECT_EQ(composeDomesticPriceQuery("6204", New, "全部"),
              "select * from prgc where newno like '%6204%'");
    EXPECT_EQ(composeDomesticPriceQuery("204", Old, "全部"),
              "select * from prgc where oldno like '%204%'");
    for (const auto column : {New, Old, Neither}) {
        EXPECT_EQ(composeDomesticPriceQuery("", column, "哈尔滨"),
                  "select * from prgc  where ppai='哈尔滨'");
        EXPECT_EQ(composeDomesticPriceQuery("", column, "全部"), std::nullopt);
    }
    EXPECT_EQ(composeDomesticPriceQuery("6204", New, "洛阳"),
              "select * from prgc where newno like '%6204%' and  ppai='洛阳'");
    EXPECT_EQ(composeDomesticPriceQuery("204", Old, "洛阳"),
              "select * from prgc where oldno like '%204%' and  ppai='洛阳'");
    EXPECT_EQ(composeDomesticPriceQuery("6204", Neither, "洛阳"),
              "select * from prgc  where ppai='洛阳'");
    EXPECT_EQ(composeDomesticPriceQuery("6204", Neither, "全部"), "select * from prgc");
}

TEST(DomesticPriceQuery, EitherSpellingOfTheHuxiMakerFindsBoth) {
    const char* both = "ppai in ('菏泽湖西','荷泽湖西')";
    for (const char* maker : {"菏泽湖西", "荷泽湖西"}) {
        EXPECT_EQ(composeDomesticPriceQuery("", New, maker),
                  std::string("select * from prgc  where ") + both);
        EXPECT_EQ(composeDomesticPriceQuery("6204", New, maker),
                  std::string("select * from prgc where newno like '%6204%' and  ") + both);
    }
    // Only those two: near spellings stay exact equalities.
    EXPECT_EQ(composeDomesticPriceQuery("", New, "荷泽湖西 "),
              "select * from prgc  where ppai='荷泽湖西 '");
    EXPECT_EQ(composeDomesticPriceQuery("", New, "泽湖西"),
              "select * from prgc  where ppai='泽湖西'");
}

TEST(PriceQueryQuotes, ModelsBrandsAndMakersKeepTheirQuotesInsideTheLiteral) {
    EXPECT_EQ(composeImportedPriceQuery("6000'", "全部"),
              "select * from prjk where newno like '%6000''%'");
    EXPECT_EQ(composeImportedPriceQuery("'", "O'Neil"),
              "select * from prjk where newno like '%''%' and  ppai='O''Neil'");
    EXPECT_EQ(composeImportedPriceQuery("", "x'; drop table prjk; --"),
              "select * from prjk where ppai='x''; drop table prjk; --'");
    EXPECT_EQ(composeDomesticPriceQuery("6204'", New, "全部"),
              "select * from prgc where newno like '%6204''%'");
    EXPECT_EQ(composeDomesticPriceQuery("2'4", Old, "洛'阳"),
              "select * from prgc where oldno like '%2''4%' and  ppai='洛''阳'");
    EXPECT_EQ(composeDomesticPriceQuery("", Neither, "'"), "select * from prgc  where ppai=''''");
}

}  // namespace
}  // namespace lz::query::sql
