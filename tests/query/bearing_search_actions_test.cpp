// The bearing searches from the window, on the shipped catalogue.
#include <gtest/gtest.h>

#include <algorithm>

#include "app/bindings/event_bindings.h"
#include "tests/query/shipped_catalogue_window.h"

namespace lz::query {
namespace {

using query::kBearingList;

constexpr std::string_view kDirectColumns =
    "select bh,zhch,newno,oldno,njin,wjin,gdu,ppai,btype,tt from bearing";
constexpr int kInnerDiameter = 4, kBrand = 7;

class BearingSearchActions : public test::ShippedCatalogueWindowTest {
protected:
    std::vector<std::string> direct(std::string_view where) const {
        return directRows(std::string(kDirectColumns) + " where " + std::string(where));
    }
    void clickHidden(std::string_view button) {
        bindings::dispatchEvent(*main_, {button, ui::EventKind::Clicked, {}});
    }
    void expectEmptyInputRefused(std::string_view what) {
        ASSERT_EQ(boxes_.size(), 1u) << what;
        EXPECT_EQ(boxes_[0].text, "查询内容不能为空！") << what;
        EXPECT_EQ(boxes_[0].caption, "提示信息") << what;
        EXPECT_EQ(rows(kBearingList), 29) << what << ": the list keeps its rows";
        boxes_.clear();
    }
    void expectNoMatch(std::string_view what) {
        ASSERT_EQ(boxes_.size(), 1u) << what;
        EXPECT_EQ(boxes_[0].text, "对不起，没有符合你查询条件的型号记录") << what;
        EXPECT_EQ(rows(kBearingList), 0) << what;
        boxes_.clear();
    }
};

TEST_F(BearingSearchActions, NewDesignationListsWhatTheSameStatementFindsDirectly) {
    type("编辑框1", "6205");
    click("按钮1");
    const auto expected = direct("newno like '%6205%'");
    EXPECT_EQ(expected.size(), 61u);
    EXPECT_EQ(listed(kBearingList), expected);

    main_->setChecked("选择框1", true);  // exact mode leaves designations substring searches
    click("按钮1");
    EXPECT_EQ(listed(kBearingList), expected);
    EXPECT_TRUE(boxes_.empty());
}

TEST_F(BearingSearchActions, ExactInnerDiameterListsOnlyThatValueTheSubstringAlsoOthers) {
    main_->setChecked("单选框3", true);
    main_->setChecked("选择框1", true);
    type("编辑框1", "25");
    click("按钮1");
    const auto exact = column(kBearingList, kInnerDiameter);
    EXPECT_EQ(exact.size(), direct("njin='25'").size());
    EXPECT_TRUE(std::all_of(exact.begin(), exact.end(), [](auto& v) { return v == "25"; }));

    main_->setChecked("选择框1", false);
    click("按钮1");
    const auto substring = column(kBearingList, kInnerDiameter);
    EXPECT_EQ(listed(kBearingList), direct("njin like '%25%'"));
    EXPECT_GT(substring.size(), exact.size());
    for (const char* other : {"25.4", "254"}) {
        EXPECT_NE(std::find(substring.begin(), substring.end(), other), substring.end()) << other;
    }
}

TEST_F(BearingSearchActions, EmptyInputIsRefusedAndTheListKept) {
    for (const char* radio : {"单选框1", "单选框2", "单选框3", "单选框4", "单选框5"}) {
        main_->setChecked(radio, true);
        click("按钮1");
        expectEmptyInputRefused(radio);
    }
    click("按钮搜索");
    expectEmptyInputRefused("combined search, nothing set");
    EXPECT_TRUE(main_->isEnabled("按钮搜索"));

    type("编辑框_内径", "25");
    type("编辑框_外径", "52");
    clickHidden("按钮11");
    expectEmptyInputRefused("exact dimensions, two of three");
    main_->setText("组合框_品牌", "");
    clickHidden("按钮2");
    expectEmptyInputRefused("brand search without a brand");
}

TEST_F(BearingSearchActions, WithoutAFieldChosenTheSingleFieldSearchDoesNothing) {
    main_->setChecked("单选框1", false);
    type("编辑框1", "6205");
    click("按钮1");
    EXPECT_TRUE(boxes_.empty());
    EXPECT_EQ(rows(kBearingList), 29);

    main_->setText("编辑框1", "");
    click("按钮1");
    expectEmptyInputRefused("empty text, no field");
}

TEST_F(BearingSearchActions, CombinedSearchFindsBrandsWhateverTheirCase) {
    type("组合框_品牌", "NACHI");
    click("按钮搜索");
    const auto brands = column(kBearingList, kBrand);
    EXPECT_EQ(std::count(brands.begin(), brands.end(), "NACHI"), 5025);
    EXPECT_EQ(std::count(brands.begin(), brands.end(), "Nachi"), 47);
    EXPECT_EQ(brands.size(), 5025u + 47u);
}

TEST_F(BearingSearchActions, CombinedSearchJoinsItsConditions) {
    type("编辑框_内径", "30");
    type("组合框_类型", "圆锥滚子轴承");
    click("按钮搜索");
    EXPECT_EQ(listed(kBearingList), direct("njin='30' and btype='圆锥滚子轴承'"));
    EXPECT_GT(rows(kBearingList), 0);

    type("编辑框_内径", "30 ");  // a trailing space never equals a stored value
    click("按钮搜索");
    expectNoMatch("trailing space");
}

TEST_F(BearingSearchActions, CombinedSearchWithOnlyAPromptListsTheWholeTable) {
    type("组合框_类型", "请选择类型");
    click("按钮搜索");
    EXPECT_EQ(rows(kBearingList), 59188);
    EXPECT_TRUE(boxes_.empty());
    EXPECT_TRUE(main_->isEnabled("按钮搜索"));
}

TEST_F(BearingSearchActions, CombinedSearchDisablesItsButtonForTheWholeFill) {
    type("组合框_品牌", "FAG");
    bool disabledDuringFill = false;
    std::uint64_t generationBefore = 0, generationAfter = 0;
    duringNextMessages([&] {
        disabledDuringFill = !main_->isEnabled("按钮搜索");
        generationBefore = main_->listGeneration(kBearingList.listName);
        click("按钮搜索");  // neither a click nor Enter starts a second fill
        pressEnter("编辑框_内径");
        generationAfter = main_->listGeneration(kBearingList.listName);
    });
    click("按钮搜索");
    EXPECT_TRUE(disabledDuringFill);
    EXPECT_EQ(generationAfter, generationBefore);
    EXPECT_EQ(rows(kBearingList), 7273);
    EXPECT_TRUE(main_->isEnabled("按钮搜索"));

    // Also while the no-match message is up, and enabled again after it.
    bool disabledAtMessage = false;
    onEveryBox([&] { disabledAtMessage = !main_->isEnabled("按钮搜索"); });
    type("编辑框_内径", "30.0");
    click("按钮搜索");
    onEveryBox({});
    expectNoMatch("30.0 is not stored so");
    EXPECT_TRUE(disabledAtMessage);
    EXPECT_TRUE(main_->isEnabled("按钮搜索"));
}

TEST_F(BearingSearchActions, TheSingleFieldSearchLeavesItsButtonAlone) {
    type("编辑框1", "62");
    bool enabledDuringFill = false;
    duringNextMessages([&] { enabledDuringFill = main_->isEnabled("按钮1"); });
    click("按钮1");
    EXPECT_TRUE(enabledDuringFill);
    EXPECT_EQ(listed(kBearingList), direct("newno like '%62%'"));
}

TEST_F(BearingSearchActions, TypedQuotesAreSearchedForNeverRun) {
    for (const char* text : {"62'05", "'", "' or '1'='1", "%' or ppai like '%"}) {
        type("编辑框1", text);
        click("按钮1");
        expectNoMatch(text);
    }
    type("组合框_品牌", "SKF' or 'a'='a");
    click("按钮搜索");
    expectNoMatch("brand with a quote");
    EXPECT_TRUE(main_->isEnabled("按钮搜索"));
}

// SQLite refuses a LIKE pattern over 50,000 bytes on the first row it compares: a failure,
// which must not pass for a search that found nothing. The box holds 32,767 characters, so
// such a text is one of Chinese characters, three bytes each.
TEST_F(BearingSearchActions, ASearchTextTheStoreRefusesAsTooComplexIsAReadErrorNotNoMatch) {
    ASSERT_EQ(rows(kBearingList), 29);
    std::string tooLong;
    for (int i = 0; i < 20'000; ++i) {
        tooLong += "轴";
    }
    main_->setText("编辑框1", tooLong);
    ASSERT_EQ(main_->text("编辑框1"), tooLong);
    click("按钮1");
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(boxes_[0].text, "读取数据出错，列表可能不完整");
    EXPECT_EQ(boxes_[0].caption, "提示信息");
    EXPECT_EQ(rows(kBearingList), 0);
}

TEST_F(BearingSearchActions, TheHiddenSearchesWorkWhenTheirButtonsAreClicked) {
    type("编辑框_内径", "25");
    type("编辑框_外径", "52");
    type("编辑框_厚度", "15");
    clickHidden("按钮11");
    EXPECT_EQ(listed(kBearingList), direct("gdu='15' and wjin='52' and njin='25'"));
    EXPECT_GT(rows(kBearingList), 0);

    type("组合框_品牌", "SKF");
    clickHidden("按钮2");
    EXPECT_EQ(listed(kBearingList), direct("ppai='SKF' and njin='25' and wjin='52' and gdu='15'"));

    type("组合框_品牌", "全部");
    clickHidden("按钮2");
    expectNoMatch("brand search for 全部");
}

}  // namespace
}  // namespace lz::query
