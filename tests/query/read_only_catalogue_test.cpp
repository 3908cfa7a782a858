// Start-up opens the deployed catalogue read-only: the first listing and every search of the
// window must work on that connection, and none of them may leave anything on disk.
#include <gtest/gtest.h>

#include <QMenu>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "app/bindings/event_bindings.h"
#include "catalogue/catalogue_database.h"
#include "tests/query/shipped_catalogue_window.h"
#include "ui/window_manager.h"
#include "windows/designation_assistant_template.h"

namespace lz::query {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kBearingColumns =
    "select bh,zhch,newno,oldno,njin,wjin,gdu,ppai,btype,tt from bearing where ";

std::string contentOf(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

class ReadOnlyCatalogue : public test::ShippedCatalogueWindowTest {
protected:
    std::vector<std::string> direct(std::string_view where) const {
        return directRows(std::string(kBearingColumns) + std::string(where));
    }
    void singleField(std::string_view radio, std::string_view text, bool exact = false) {
        main_->setChecked(radio, true);
        main_->setChecked("选择框1", exact);
        type("编辑框1", text);
        click("按钮1");
    }
    void bearingMenuItem(int item) {
        auto* menu = qobject_cast<QMenu*>(widget("右键"));
        ASSERT_NE(menu, nullptr);
        menu->actions().at(item)->trigger();
    }
    // In the 型号助手, whose rows then go to the bearing list.
    void lookUp(std::string_view typed) {
        bearingMenuItem(3);
        ui::Window* assistant =
            ui::WindowManager::instance().find(windows::kDesignationAssistantWindowName);
        ASSERT_NE(assistant, nullptr);
        assistant->setText(windows::kAssistantInput, typed);
        QTest::keyClick(assistant->widgetForTesting(windows::kAssistantInput), Qt::Key_Return);
        bindings::dispatchEvent(*assistant,
                                {windows::kAssistantToBearingList, ui::EventKind::Clicked, {}});
    }
};

TEST_F(ReadOnlyCatalogue, TheFirstListingAndEverySearchNeedNoWriting) {
    const std::string before = contentOf(deployedPath());
    ASSERT_TRUE(main_->database(kCatalogueConnection).isReadOnly());

    ASSERT_EQ(rows(kBearingList), 29);
    EXPECT_EQ(main_->cellText(kBearingList.listName, 0, 1), "NSK 681 轴承");

    singleField("单选框1", "6205");
    EXPECT_EQ(rows(kBearingList), 61);
    singleField("单选框2", "8206");
    EXPECT_EQ(listed(kBearingList), direct("oldno like '%8206%'"));
    singleField("单选框3", "25", /*exact=*/true);
    EXPECT_EQ(listed(kBearingList), direct("njin='25'"));
    singleField("单选框4", "52");
    EXPECT_EQ(listed(kBearingList), direct("wjin like '%52%'"));
    singleField("单选框5", "15", /*exact=*/true);
    EXPECT_EQ(listed(kBearingList), direct("gdu='15'"));

    type("组合框_品牌", "FAG");
    click("按钮搜索");
    EXPECT_EQ(rows(kBearingList), 7273);

    type("编辑框_内径", "25");
    type("编辑框_外径", "52");
    type("编辑框_厚度", "15");
    bindings::dispatchEvent(*main_, {"按钮11", ui::EventKind::Clicked, {}});
    EXPECT_EQ(listed(kBearingList), direct("gdu='15' and wjin='52' and njin='25'"));
    type("组合框_品牌", "SKF");
    bindings::dispatchEvent(*main_, {"按钮2", ui::EventKind::Clicked, {}});
    EXPECT_EQ(listed(kBearingList), direct("ppai='SKF' and njin='25' and wjin='52' and gdu='15'"));

    lookUp("6205LLU");
    const auto designations = column(kBearingList, 2);
    ASSERT_FALSE(designations.empty());
    EXPECT_EQ(designations.front(), "6205-2RS");
    main_->selectRow(kBearingList.listName, 0);
    bearingMenuItem(1);  // 互换型号
    EXPECT_EQ(rows(kBearingList),
              static_cast<int>(direct("newno in ('6205-2RS', '6205-2RS/C3')").size()));

    showPage(1);
    type("编辑框2", "6000");
    type("组合框3", "NACHI");
    click("按钮12");
    EXPECT_EQ(rows(kImportedPriceList), 6);
    showPage(2);
    type("组合框4", "洛阳");
    click("按钮_查询国产");
    EXPECT_EQ(rows(kDomesticPriceList), 5012);

    EXPECT_TRUE(boxes_.empty());
    EXPECT_TRUE(main_->database(kCatalogueConnection).isReadOnly());
    EXPECT_TRUE(contentOf(deployedPath()) == before) << "the catalogue file is unchanged";
    std::vector<std::string> entries;
    for (const auto& entry : fs::directory_iterator(dataDirectory())) {
        entries.push_back(entry.path().filename().string());
    }
    std::sort(entries.begin(), entries.end());
    // The shop's own file, opened at start, is the only other file.
    EXPECT_EQ(entries, (std::vector<std::string>{"bearing.mdb", "shop.sqlite"}))
        << "no journal, no lock file";
}

}  // namespace
}  // namespace lz::query
