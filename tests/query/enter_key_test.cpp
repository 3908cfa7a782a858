// Enter in a search field runs that field's search, as a click on its button would.
#include <gtest/gtest.h>

#include <QComboBox>

#include "tests/query/shipped_catalogue_window.h"

namespace lz::query {
namespace {

class EnterKey : public test::ShippedCatalogueWindowTest {};

TEST_F(EnterKey, RunsTheSearchOfTheFieldItIsPressedIn) {
    type("编辑框1", "6205");
    pressEnter("编辑框1");
    EXPECT_EQ(rows(kBearingList), 61);

    // Each field of the combined search, with its own value and the others empty.
    const std::vector<std::pair<const char*, const char*>> combined = {{"编辑框_内径", "25"},
                                                                       {"编辑框_外径", "52"},
                                                                       {"编辑框_厚度", "15"},
                                                                       {"组合框_品牌", "FAG"},
                                                                       {"组合框_类型", "关节轴承"}};
    for (const auto& [field, value] : combined) {
        for (const auto& [other, unused] : combined) {
            main_->setText(other, std::string_view(other).starts_with("组合框") ? "全部" : "");
        }
        type(field, value);
        pressEnter(field);
        EXPECT_GT(rows(kBearingList), 0) << field;
        EXPECT_NE(rows(kBearingList), 61) << field << " ran the single-field search";
    }
    EXPECT_TRUE(boxes_.empty());

    showPage(1);
    type("编辑框2", "6000");
    pressEnter("编辑框2");
    EXPECT_EQ(rows(kImportedPriceList), 49);
    main_->setText("编辑框2", "");
    type("组合框3", "SKF");
    pressEnter("组合框3");
    EXPECT_EQ(rows(kImportedPriceList), 1301);

    showPage(2);
    type("编辑框3", "6204");
    pressEnter("编辑框3");
    EXPECT_EQ(rows(kDomesticPriceList), 40);
    main_->setText("编辑框3", "");
    type("组合框4", "荷泽湖西");
    pressEnter("组合框4");
    EXPECT_EQ(rows(kDomesticPriceList), 229);
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
