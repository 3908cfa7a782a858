// The binding table and the toolbar's page switch on the real main window.
#include "app/bindings/event_bindings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "catalogue/catalogue_database.h"
#include "content/bearing_picture.h"
#include "content/web_links.h"
#include "query/bearing_search.h"
#include "query/designation_lookup.h"
#include "query/price_list_menus.h"
#include "query/price_queries.h"
#include "query/result_list_copy.h"
#include "query/result_list_export.h"
#include "query/result_list_fill.h"
#include "tests/app_support/main_window_fixture.h"
#include "tests/support/small_catalogue.h"
#include "ui/window.h"
#include "windows/designation_lookup_template.h"
#include "windows/main_window_template.h"
#include "windows/picture_window_template.h"
#include "windows/web_window_templates.h"

namespace lz::bindings {
namespace {

using ui::ControlKind;
using ui::EventKind;

const ui::WindowTemplate* templateNamed(std::string_view name) {
    for (const auto* candidate :
         {&windows::mainWindowTemplate(), &windows::bearingPictureWindowTemplate(),
          &windows::designationLookupWindowTemplate()}) {
        if (candidate->name == name) {
            return candidate;
        }
    }
    return nullptr;
}

ControlKind kindRaising(EventKind event) {
    switch (event) {
        case EventKind::Clicked:
            return ControlKind::Button;
        case EventKind::EnterPressed:
            return ControlKind::EditBox;  // or a combo box, see below
        case EventKind::LeftButtonPressed:
            return ControlKind::Label;
        case EventKind::ItemSelected:
            return ControlKind::Menu;
        case EventKind::CurrentItemChanged:
        case EventKind::RightClicked:
        case EventKind::RowDoubleClicked:
        case EventKind::CopyPressed:
            return ControlKind::ListView;
        case EventKind::ToolButtonClicked:
            return ControlKind::ToolBar;
        case EventKind::Created:
            break;
    }
    return ControlKind::RecordSet;
}

TEST(EventBindings, EveryBindingNamesAControlThatRaisesItsEvent) {
    for (const Binding& binding : eventBindings()) {
        SCOPED_TRACE(std::string(binding.window) + " / " + std::string(binding.control));
        const ui::WindowTemplate* window = templateNamed(binding.window);
        ASSERT_NE(window, nullptr);
        if (binding.event == EventKind::Created) {
            EXPECT_TRUE(binding.control.empty());
            continue;
        }
        const auto control =
            std::find_if(window->controls.begin(), window->controls.end(),
                         [&](const ui::ControlTemplate& c) { return c.name == binding.control; });
        ASSERT_NE(control, window->controls.end());
        if (binding.event == EventKind::EnterPressed && control->kind == ControlKind::ComboBox) {
            continue;
        }
        EXPECT_EQ(control->kind, kindRaising(binding.event));
        if (binding.event == EventKind::ItemSelected) {
            const std::string_view expected = binding.control != "右键" ? "导出…"
                                              : binding.item == 0       ? "查看"
                                              : binding.item == 1       ? "互换型号"
                                              : binding.item == 2       ? "按任意型号查找…"
                                                                        : "导出…";
            ASSERT_GE(binding.item, 0);
            EXPECT_EQ(control->menuItems.at(binding.item).caption, expected);
        }
    }
}

TEST(EventBindings, BindExactlyTheEventsTheTemplatesWire) {
    for (const auto* window :
         {&windows::mainWindowTemplate(), &windows::bearingPictureWindowTemplate(),
          &windows::designationLookupWindowTemplate()}) {
        std::vector<ui::WiredEvent> bound;
        for (const Binding& binding : eventBindings()) {
            const ui::WiredEvent wired{binding.control, binding.event};
            // The items of one menu are bound one by one under its one wired event.
            if (binding.window == window->name &&
                std::find(bound.begin(), bound.end(), wired) == bound.end()) {
                bound.push_back(wired);
            }
        }
        EXPECT_EQ(bound, window->wiredEvents) << window->name;
    }
    for (const auto* web :
         {&windows::importedPriceWebWindowTemplate(), &windows::domesticPriceWebWindowTemplate()}) {
        EXPECT_TRUE(web->wiredEvents.empty()) << web->name;
    }
}

// Which action each event runs, line by line as the program wires them.
TEST(EventBindings, EachEventRunsItsOwnAction) {
    struct Expected {
        std::string_view window;
        std::string_view control;
        EventKind event;
        int item;
        Action action;
    };
    const std::string_view main = windows::kMainWindowName;
    const std::string_view picture = windows::kBearingPictureWindowName;
    const std::string_view lookup = windows::kDesignationLookupWindowName;
    const Expected expected[] = {
        {main, "", EventKind::Created, -1, startUp},
        {main, "工具条", EventKind::ToolButtonClicked, 3, toolbarClicked},
        {main, "标签12", EventKind::LeftButtonPressed, -1, bannerPressed},
        {main, "超级列表框_主窗口", EventKind::RightClicked, -1,
         withoutArguments<content::showBearingMenu>},
        {main, "超级列表框_主窗口", EventKind::CurrentItemChanged, -1, noAction},
        {main, "右键", EventKind::ItemSelected, 0, withoutArguments<content::openBearingPicture>},
        {main, "按钮1", EventKind::Clicked, -1, withoutArguments<query::searchSingleField>},
        {main, "按钮搜索", EventKind::Clicked, -1, withoutArguments<query::searchCombined>},
        {main, "按钮2", EventKind::Clicked, -1, withoutArguments<query::searchByBrand>},
        {main, "按钮3", EventKind::Clicked, -1, withoutArguments<query::searchByType>},
        {main, "按钮11", EventKind::Clicked, -1, withoutArguments<query::searchByDimensions>},
        {main, "按钮4", EventKind::Clicked, -1, withoutArguments<content::openOnlineSite>},
        {main, "按钮12", EventKind::Clicked, -1, withoutArguments<query::runImportedPriceQuery>},
        {main, "按钮5", EventKind::Clicked, -1,
         withoutArguments<content::showImportedPriceWebWindow>},
        {main, "按钮_查询国产", EventKind::Clicked, -1,
         withoutArguments<query::runDomesticPriceQuery>},
        {main, "按钮9", EventKind::Clicked, -1,
         withoutArguments<content::showDomesticPriceWebWindow>},
        {picture, "", EventKind::Created, -1, withoutArguments<content::initBearingPictureWindow>},
        {main, "超级列表框_主窗口", EventKind::RowDoubleClicked, -1,
         withoutArguments<content::openBearingPicture>},
        {main, "编辑框1", EventKind::EnterPressed, -1, enterSingleField},
        {main, "编辑框_内径", EventKind::EnterPressed, -1, enterCombined},
        {main, "编辑框_外径", EventKind::EnterPressed, -1, enterCombined},
        {main, "编辑框_厚度", EventKind::EnterPressed, -1, enterCombined},
        {main, "组合框_品牌", EventKind::EnterPressed, -1, enterCombined},
        {main, "组合框_类型", EventKind::EnterPressed, -1, enterCombined},
        {main, "编辑框2", EventKind::EnterPressed, -1, enterImportedPrice},
        {main, "组合框3", EventKind::EnterPressed, -1, enterImportedPrice},
        {main, "编辑框3", EventKind::EnterPressed, -1, enterDomesticPrice},
        {main, "组合框4", EventKind::EnterPressed, -1, enterDomesticPrice},
        {main, "右键", EventKind::ItemSelected, 1,
         withoutArguments<query::showInterchangeableBearings>},
        {main, "右键", EventKind::ItemSelected, 2, withoutArguments<query::openDesignationLookup>},
        {main, "右键", EventKind::ItemSelected, 3, withoutArguments<query::exportBearingList>},
        {main, "超级列表框_主窗口", EventKind::CopyPressed, -1,
         withoutArguments<query::copyBearingList>},
        {main, "超级列表框_主窗口1", EventKind::RightClicked, -1,
         withoutArguments<query::showImportedPriceMenu>},
        {main, "超级列表框_主窗口1", EventKind::CopyPressed, -1,
         withoutArguments<query::copyImportedPriceList>},
        {main, "右键1", EventKind::ItemSelected, 0,
         withoutArguments<query::exportImportedPriceList>},
        {main, "超级列表框_主窗口2", EventKind::RightClicked, -1,
         withoutArguments<query::showDomesticPriceMenu>},
        {main, "超级列表框_主窗口2", EventKind::CopyPressed, -1,
         withoutArguments<query::copyDomesticPriceList>},
        {main, "右键2", EventKind::ItemSelected, 0,
         withoutArguments<query::exportDomesticPriceList>},
        {lookup, "编辑框_型号", EventKind::EnterPressed, -1,
         withoutArguments<query::lookUpDesignation>},
        {lookup, "按钮_查找", EventKind::Clicked, -1, withoutArguments<query::lookUpDesignation>},
        {lookup, "按钮_取消", EventKind::Clicked, -1,
         withoutArguments<query::closeDesignationLookup>},
    };
    for (const Expected& line : expected) {
        SCOPED_TRACE(std::string(line.window) + " / " + std::string(line.control));
        const Binding* binding = bindingFor(line.window, {line.control, line.event, {line.item}});
        ASSERT_NE(binding, nullptr);
        EXPECT_EQ(binding->action, line.action);
    }
    // The bearing menu has four items: any other index runs nothing.
    EXPECT_EQ(bindingFor(main, {"右键", EventKind::ItemSelected, {4}}), nullptr);
    EXPECT_EQ(bindingFor(main, {"单选框1", EventKind::Clicked, {}}), nullptr);
    EXPECT_EQ(bindingFor(picture, {"", EventKind::Clicked, {}}), nullptr);
}

class PageSwitchTest : public test::MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        main_ = openMainWindow();
        ASSERT_NE(main_, nullptr);
        std::string rows;
        for (int bh = 1; bh <= 40; ++bh) {
            rows += "INSERT INTO bearing (bh) VALUES (" + std::to_string(bh) + ");";
        }
        rows += "INSERT INTO prjk VALUES (3.0,'NACHI','6000 C3','5.3','6.201');";
        const std::string path = (home_.path() / "small.db").string();
        ASSERT_TRUE(test::writeSmallCatalogue(path, rows));
        ASSERT_TRUE(main_->database(query::kCatalogueConnection).OpenMdbDatabase(path));
    }

    void pressToolButton(int index) {
        dispatchEvent(*main_, {"工具条", EventKind::ToolButtonClicked, {.index = index}});
    }
    int page() const { return main_->currentPage("选择夹1"); }
    int bearingRows() const { return main_->rowCount(query::kBearingList.listName); }

    ui::Window* main_ = nullptr;
};

TEST_F(PageSwitchTest, ButtonsShowTheirPagesAndOnlyTheFirstRelists) {
    query::fillBearingList(*main_, "select * from bearing where bh=40");
    ASSERT_EQ(bearingRows(), 1);
    for (int index = 2; index <= 6; ++index) {
        pressToolButton(index);
        EXPECT_EQ(page(), index - 1);
        EXPECT_EQ(bearingRows(), 1) << "button " << index << " must not relist";
    }
    pressToolButton(1);
    EXPECT_EQ(page(), 0);
    EXPECT_EQ(bearingRows(), 29);

    query::fillBearingList(*main_, "select * from bearing where bh=40");
    pressToolButton(1);
    EXPECT_EQ(bearingRows(), 29) << "also when the page is shown already";
}

TEST_F(PageSwitchTest, SeparatorAndUnknownIndexesDoNothing) {
    pressToolButton(3);
    for (int index : {0, 7, -1, 100}) {
        pressToolButton(index);
        EXPECT_EQ(page(), 2);
    }
}

TEST_F(PageSwitchTest, APageKeepsItsListBetweenVisits) {
    pressToolButton(2);
    query::fillImportedPriceList(*main_, "select * from prjk");
    pressToolButton(1);
    pressToolButton(2);
    EXPECT_EQ(page(), 1);
    EXPECT_EQ(main_->cellText(query::kImportedPriceList.listName, 0, 1), "NACHI");
}

TEST_F(PageSwitchTest, UnboundEventsAreIgnored) {
    dispatchEvent(*main_, {"单选框1", EventKind::Clicked, {}});
    dispatchEvent(*main_, {"超级列表框_主窗口", EventKind::CurrentItemChanged, {}});
    dispatchEvent(*main_, {"右键", EventKind::ItemSelected, {.index = 5}});
    EXPECT_EQ(page(), 0);
    EXPECT_TRUE(boxes_.empty());
}

}  // namespace
}  // namespace lz::bindings
