// The two price queries from their pages, on the shipped catalogue.
#include <gtest/gtest.h>

#include <QComboBox>
#include <algorithm>
#include <memory>
#include <optional>
#include <string>
#include <tuple>

#include "tests/query/shipped_catalogue_window.h"

namespace lz::query {
namespace {

constexpr int kImportedBrand = 1, kImportedModel = 2;
constexpr int kDomesticOldModel = 1, kDomesticMaker = 5;

class PriceQueryActions : public test::ShippedCatalogueWindowTest {
protected:
    void expectEmptyInputRefused(const ResultList& list, int rowsBefore) {
        ASSERT_EQ(boxes_.size(), 1u);
        EXPECT_EQ(boxes_[0].text, "查询内容不能为空");
        EXPECT_EQ(boxes_[0].caption, "信息：");
        EXPECT_EQ(rows(list), rowsBefore) << "the list keeps its rows";
        boxes_.clear();
    }

    // Clicks `button` and tells whether it was disabled while the fill handled messages
    // (when rows came) and while a message was up (when none did), and enabled afterwards.
    bool lockedWhileRunning(std::string_view button) {
        auto disabledDuringFill = std::make_shared<std::optional<bool>>();
        std::optional<bool> disabledAtMessage;
        duringNextMessages([=, this] { *disabledDuringFill = !main_->isEnabled(button); });
        onEveryBox([&] { disabledAtMessage = !main_->isEnabled(button); });
        click(button);
        onEveryBox({});
        const bool lockedInFill = disabledDuringFill->value_or(true);
        QCoreApplication::processEvents();  // a fill without rows left the check queued
        return (disabledDuringFill->has_value() || disabledAtMessage.has_value()) && lockedInFill &&
               disabledAtMessage.value_or(true) && main_->isEnabled(button);
    }
};

TEST_F(PriceQueryActions, ImportedByModelAndBrand) {
    showPage(1);
    type("编辑框2", "6000");
    type("组合框3", "NACHI");
    click("按钮12");
    EXPECT_EQ(rows(kImportedPriceList), 6);
    for (const std::string& brand : column(kImportedPriceList, kImportedBrand)) {
        EXPECT_EQ(brand, "NACHI");
    }
    for (const std::string& model : column(kImportedPriceList, kImportedModel)) {
        EXPECT_NE(model.find("6000"), std::string::npos) << model;
    }
    EXPECT_TRUE(boxes_.empty());

    type("编辑框2", "");
    type("组合框3", "SKF");
    click("按钮12");
    EXPECT_EQ(rows(kImportedPriceList), 1301);
}

TEST_F(PriceQueryActions, EmptyInputIsRefusedUnderTheDefaultCaption) {
    showPage(1);
    type("编辑框2", "6000");
    click("按钮12");
    const int imported = rows(kImportedPriceList);
    ASSERT_GT(imported, 0);
    type("编辑框2", "");
    click("按钮12");
    expectEmptyInputRefused(kImportedPriceList, imported);
    EXPECT_TRUE(main_->isEnabled("按钮12"));

    showPage(2);
    click("按钮_查询国产");
    expectEmptyInputRefused(kDomesticPriceList, 0);
    EXPECT_TRUE(main_->isEnabled("按钮_查询国产"));
}

TEST_F(PriceQueryActions, BothQueriesLockTheirButtonsAlsoThroughTheNoMatchMessage) {
    showPage(1);
    type("编辑框2", "6000'");
    EXPECT_TRUE(lockedWhileRunning("按钮12"));
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(boxes_[0].text, "对不起，没有符合你查询条件的型号记录");
    EXPECT_EQ(rows(kImportedPriceList), 0);

    showPage(2);
    boxes_.clear();
    type("组合框4", "不存在的厂家");
    EXPECT_TRUE(lockedWhileRunning("按钮_查询国产"));
    EXPECT_EQ(boxes_.size(), 1u);

    // And through a fill that lists rows.
    boxes_.clear();
    type("组合框4", "洛阳");
    EXPECT_TRUE(lockedWhileRunning("按钮_查询国产"));
    EXPECT_EQ(rows(kDomesticPriceList), 5012);
    showPage(1);
    type("编辑框2", "6");
    EXPECT_TRUE(lockedWhileRunning("按钮12"));
    EXPECT_TRUE(boxes_.empty());
}

// A model of 50,000 "%" makes a LIKE pattern SQLite refuses on the first row it compares:
// the statement fails where it starts. The list says so, and the button comes back.
TEST_F(PriceQueryActions, AQueryFailingOnItsFirstRowSaysTheReadFailedAndUnlocksItsButton) {
    // Over SQLite's 50,000-byte LIKE pattern limit, yet within the box's 32,767 characters.
    std::string tooLong;
    for (int i = 0; i < 20'000; ++i) {
        tooLong += "轴";
    }
    for (const auto& [page, box, button, list] :
         {std::tuple{1, "编辑框2", "按钮12", &kImportedPriceList},
          std::tuple{2, "编辑框3", "按钮_查询国产", &kDomesticPriceList}}) {
        SCOPED_TRACE(button);
        showPage(page);
        type(box, "6204");
        click(button);
        ASSERT_GT(rows(*list), 0);

        boxes_.clear();
        main_->setText(box, tooLong);
        EXPECT_TRUE(lockedWhileRunning(button));
        ASSERT_EQ(boxes_.size(), 1u);
        EXPECT_EQ(boxes_[0].text, "读取数据出错，列表可能不完整");
        EXPECT_EQ(boxes_[0].caption, "提示信息");
        EXPECT_EQ(rows(*list), 0);
    }
}

TEST_F(PriceQueryActions, TheHuxiMakerChosenFromTheListFindsItsStoredRows) {
    showPage(2);
    auto* makers = static_cast<QComboBox*>(widget("组合框4"));
    makers->setCurrentIndex(makers->findText("菏泽湖西"));
    ASSERT_EQ(main_->text("组合框4"), "菏泽湖西");
    click("按钮_查询国产");
    const auto listedMakers = column(kDomesticPriceList, kDomesticMaker);
    EXPECT_EQ(listedMakers.size(), 229u);
    EXPECT_TRUE(std::all_of(listedMakers.begin(), listedMakers.end(),
                            [](const std::string& maker) { return maker == "荷泽湖西"; }));
    EXPECT_TRUE(boxes_.empty());
}

TEST_F(PriceQueryActions, TheRadioButtonsChooseTheModelColumn) {
    showPage(2);
    type("编辑框3", "204");
    main_->setChecked("单选框7", true);
    type("组合框4", "洛阳");
    click("按钮_查询国产");
    ASSERT_GT(rows(kDomesticPriceList), 0);
    for (const std::string& model : column(kDomesticPriceList, kDomesticOldModel)) {
        EXPECT_NE(model.find("204"), std::string::npos) << model;
    }
    for (const std::string& maker : column(kDomesticPriceList, kDomesticMaker)) {
        EXPECT_EQ(maker, "洛阳");
    }
    EXPECT_EQ(listed(kDomesticPriceList),
              directRows("select id,oldno,newno,nonprice,price,ppai from prgc where oldno like "
                         "'%204%' and ppai='洛阳'"));
}

}  // namespace
}  // namespace lz::query
