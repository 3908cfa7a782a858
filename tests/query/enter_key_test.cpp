// Enter in a search field runs that field's search, as a click on its button would.
#include <gtest/gtest.h>

#include <QComboBox>
#include <string>
#include <utility>
#include <vector>

#include "tests/query/shipped_catalogue_window.h"

namespace lz::query {
namespace {

class EnterKey : public test::ShippedCatalogueWindowTest {};

// The five fields of the combined search, each filled: its statement then differs from
// those of the brand, type and dimension searches on the same values.
constexpr std::pair<const char*, const char*> kCombinedValues[] = {{"编辑框_内径", "25"},
                                                                   {"编辑框_外径", "52"},
                                                                   {"编辑框_厚度", "15"},
                                                                   {"组合框_品牌", "SKF"},
                                                                   {"组合框_类型", "深沟球轴承"}};
constexpr const char* kCombinedStatement =
    "select * from bearing where njin='25'and wjin='52'and gdu='15'and ppai='SKF'and  "
    "btype='深沟球轴承'";

// Enter in each field, with the list emptied first, lists what the statement of its own
// search (typed here as the statement tables type it) selects: a field whose Enter is
// unbound leaves the list empty, one bound to another search lists other rows.
TEST_F(EnterKey, RunsTheSearchOfTheFieldItIsPressedIn) {
    struct Field {
        int page;
        const char* field;
        const char* typed;
        const ResultList* list;
        const char* statement;
    };
    const Field fields[] = {
        {0, "编辑框1", "6205", &kBearingList, "select * from bearing where newno like '%6205%'"},
        {0, "编辑框_内径", "25", &kBearingList, kCombinedStatement},
        {0, "编辑框_外径", "52", &kBearingList, kCombinedStatement},
        {0, "编辑框_厚度", "15", &kBearingList, kCombinedStatement},
        {0, "组合框_品牌", "SKF", &kBearingList, kCombinedStatement},
        {0, "组合框_类型", "深沟球轴承", &kBearingList, kCombinedStatement},
        {1, "编辑框2", "6000", &kImportedPriceList, "select * from prjk where newno like '%6000%'"},
        {1, "组合框3", "SKF", &kImportedPriceList, "select * from prjk where ppai='SKF'"},
        {2, "编辑框3", "6204", &kDomesticPriceList, "select * from prgc where newno like '%6204%'"},
        {2, "组合框4", "荷泽湖西", &kDomesticPriceList,
         "select * from prgc  where ppai in ('菏泽湖西','荷泽湖西')"},
    };
    for (const Field& each : fields) {
        SCOPED_TRACE(each.field);
        for (const Field& other : fields) {
            main_->setText(other.field,
                           std::string_view(other.field).starts_with("组合框") ? "全部" : "");
        }
        if (each.statement == kCombinedStatement) {
            for (const auto& [field, value] : kCombinedValues) {
                main_->setText(field, value);
            }
        }
        showPage(each.page);
        type(each.field, each.typed);
        main_->clearRows(each.list->listName);
        pressEnter(each.field);
        const std::vector<std::string> expected = statementRows(*each.list, each.statement);
        ASSERT_FALSE(expected.empty());
        EXPECT_EQ(listed(*each.list), expected);
    }
    EXPECT_TRUE(boxes_.empty());
}

TEST_F(EnterKey, EmptyInputIsRefusedAsOnAClick) {
    pressEnter("编辑框1");
    pressEnter("组合框_品牌");
    showPage(1);
    pressEnter("编辑框2");
    ASSERT_EQ(boxes_.size(), 3u);
    EXPECT_EQ(boxes_[0].text, "查询内容不能为空！");
    EXPECT_EQ(boxes_[1].text, "查询内容不能为空！");
    EXPECT_EQ(boxes_[2].text, "查询内容不能为空");
}

TEST_F(EnterKey, NeverAddsTheTypedTextToAComboList) {
    auto* brands = static_cast<QComboBox*>(widget("组合框_品牌"));
    const int items = brands->count();
    type("组合框_品牌", "IJK");
    pressEnter("组合框_品牌");
    EXPECT_EQ(brands->count(), items);
    EXPECT_EQ(main_->text("组合框_品牌"), "IJK");
}

TEST_F(EnterKey, DoesNothingWhileTheButtonIsDisabled) {
    for (const auto& [button, field] :
         {std::pair{"按钮1", "编辑框1"}, std::pair{"按钮搜索", "编辑框_厚度"},
          std::pair{"按钮12", "编辑框2"}, std::pair{"按钮_查询国产", "组合框4"}}) {
        main_->setEnabled(button, false);
        const auto generations = std::array{main_->listGeneration(kBearingList.listName),
                                            main_->listGeneration(kImportedPriceList.listName),
                                            main_->listGeneration(kDomesticPriceList.listName)};
        pressEnter(field);  // with the field empty, a running search would at least refuse
        EXPECT_TRUE(boxes_.empty()) << field;
        EXPECT_EQ(generations, (std::array{main_->listGeneration(kBearingList.listName),
                                           main_->listGeneration(kImportedPriceList.listName),
                                           main_->listGeneration(kDomesticPriceList.listName)}))
            << field;
        main_->setEnabled(button, true);
    }
}

}  // namespace
}  // namespace lz::query
