// What an input method's full-width mode types ("６２０５", "ＳＫＦ", "　") finds what the
// same keys find in half-width mode, in every search and price query of the main window,
// with nothing else changed: no trimming, quotes still doubled.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "app/bindings/event_bindings.h"
#include "tests/query/shipped_catalogue_window.h"

namespace lz::query {
namespace {

using FullWidthInput = test::ShippedCatalogueWindowTest;

TEST_F(FullWidthInput, FindsWhatTheHalfWidthTextFinds) {
    const struct {
        const char* what;
        int page;
        std::vector<std::pair<std::string_view, std::string_view>> typed;
        std::string_view radio;  // none when empty
        bool exact;
        std::string_view button;
        const ResultList& list;
        // The same search written out with half-width text, and its rows in the catalogue.
        std::string direct;
        std::size_t rows;
    } cases[] = {
        {"new designation",
         0,
         {{"编辑框1", "６２０５"}},
         "单选框1",
         false,
         "按钮1",
         kBearingList,
         "select bh,zhch,newno,oldno,njin,wjin,gdu,ppai,btype,tt from bearing "
         "where newno like '%6205%'",
         61},
        {"new designation with a full-width hyphen",
         0,
         {{"编辑框1", "６２０５－２ＲＳ"}},
         "单选框1",
         false,
         "按钮1",
         kBearingList,
         "select bh,zhch,newno,oldno,njin,wjin,gdu,ppai,btype,tt from bearing "
         "where newno like '%6205-2RS%'",
         12},
        {"an ideographic space stays, as a space",
         0,
         {{"编辑框1", "６２０５　"}},
         "单选框1",
         false,
         "按钮1",
         kBearingList,
         "select bh,zhch,newno,oldno,njin,wjin,gdu,ppai,btype,tt from bearing "
         "where newno like '%6205 %'",
         9},
        {"exact inner diameter",
         0,
         {{"编辑框1", "２５"}},
         "单选框3",
         true,
         "按钮1",
         kBearingList,
         "select bh,zhch,newno,oldno,njin,wjin,gdu,ppai,btype,tt from bearing where njin='25'",
         1868},
        {"combined: dimensions and brand",
         0,
         {{"编辑框_内径", "２５"}, {"编辑框_外径", "５２"}, {"组合框_品牌", "ＳＫＦ"}},
         "",
         false,
         "按钮搜索",
         kBearingList,
         "select bh,zhch,newno,oldno,njin,wjin,gdu,ppai,btype,tt from bearing "
         "where njin='25' and wjin='52' and ppai='SKF'",
         74},
        {"brand search",
         0,
         {{"编辑框_内径", ""}, {"编辑框_外径", ""}, {"组合框_品牌", "ＦＡＧ"}},
         "",
         false,
         "按钮2",
         kBearingList,
         "select bh,zhch,newno,oldno,njin,wjin,gdu,ppai,btype,tt from bearing where ppai='FAG'",
         7273},
        {"imported prices",
         1,
         {{"编辑框2", "６０００"}, {"组合框3", "ＮＡＣＨＩ"}},
         "",
         false,
         "按钮12",
         kImportedPriceList,
         "select cast(ID as integer),ppai,newno,nonprice,price from prjk where newno like '%6000%' "
         "and "
         "ppai='NACHI'",
         6},
        {"domestic prices",
         2,
         {{"编辑框3", "６２０４"}},
         "单选框6",
         false,
         "按钮_查询国产",
         kDomesticPriceList,
         "select id,oldno,newno,nonprice,price,ppai from prgc where newno like '%6204%'",
         40},
    };
    for (const auto& search : cases) {
        SCOPED_TRACE(search.what);
        showPage(search.page);
        for (const auto& [control, text] : search.typed) {
            type(control, text);
        }
        if (!search.radio.empty()) {
            main_->setChecked(search.radio, true);
        }
        main_->setChecked("选择框1", search.exact);
        // The brand search's button is hidden; its event is what a click raises.
        bindings::dispatchEvent(*main_, {search.button, ui::EventKind::Clicked, {}});
        const std::vector<std::string> expected = directRows(search.direct);
        EXPECT_EQ(expected.size(), search.rows);
        EXPECT_EQ(listed(search.list), expected);
        EXPECT_TRUE(boxes_.empty());
        boxes_.clear();
    }
}

TEST_F(FullWidthInput, AFullWidthQuoteIsSearchedForLikeATypedOne) {
    // "＇" becomes "'", which is doubled as ever: a search that finds nothing, never a
    // statement cut short.
    type("编辑框1", "６２＇０５");
    click("按钮1");
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(boxes_[0].text, "对不起，没有符合你查询条件的型号记录");
    EXPECT_EQ(rows(kBearingList), 0);
}

}  // namespace
}  // namespace lz::query
