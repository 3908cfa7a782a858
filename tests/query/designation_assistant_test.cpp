// "互换型号" and the lookup by any designation, from the window on the shipped catalogue.
#include <gtest/gtest.h>

#include <QMenu>

#include <algorithm>
#include <chrono>

#include "catalogue/catalogue_database.h"
#include "tests/query/shipped_catalogue_window.h"
#include "tests/support/small_catalogue.h"
#include "ui/window_manager.h"
#include "windows/designation_lookup_template.h"

namespace lz::query {
namespace {

constexpr int kName = 1, kNewDesignation = 2;
constexpr std::string_view kNoMatch = "对不起，没有符合你查询条件的型号记录";

class InterchangeAndLookup : public test::ShippedCatalogueWindowTest {
protected:
    void chooseBearingMenuItem(int item) {
        auto* menu = qobject_cast<QMenu*>(widget("右键"));
        ASSERT_NE(menu, nullptr);
        menu->actions().at(item)->trigger();
    }
    ui::Window* lookupDialog() const {
        return ui::WindowManager::instance().find(windows::kDesignationLookupWindowName);
    }
    // The rows of the bearing list whose name holds `part`.
    int rowsNamed(std::string_view part) const {
        const auto names = column(kBearingList, kName);
        return static_cast<int>(std::count_if(names.begin(), names.end(), [&](const auto& name) {
            return name.find(part) != std::string::npos;
        }));
    }
    void searchNewDesignation(std::string_view text) {
        type("编辑框1", text);
        click("按钮1");
    }
    int rowWithNewDesignation(std::string_view newDesignation) const {
        const auto designations = column(kBearingList, kNewDesignation);
        const auto found = std::find(designations.begin(), designations.end(), newDesignation);
        return found == designations.end() ? -1 : static_cast<int>(found - designations.begin());
    }
    // Types into the open lookup dialog, key by key, and presses Enter there.
    void lookUp(std::string_view typed) {
        ui::Window* dialog = lookupDialog();
        ASSERT_NE(dialog, nullptr);
        QWidget* box = dialog->widgetForTesting(windows::kDesignationLookupBox);
        dialog->setText(windows::kDesignationLookupBox, "");
        for (const QChar c :
             QString::fromUtf8(typed.data(), static_cast<qsizetype>(typed.size()))) {
            QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
        ASSERT_EQ(dialog->text(windows::kDesignationLookupBox), typed);
        QTest::keyClick(box, Qt::Key_Return);
    }
};

TEST_F(InterchangeAndLookup, InterchangeListsEveryBrandOfTheCommonDesignation) {
    searchNewDesignation("6205-2R");
    const int row = rowWithNewDesignation("6205-2RS");
    ASSERT_GE(row, 0);
    const std::string selectedName = main_->cellText(kBearingList.listName, row, kName);
    main_->selectRow(kBearingList.listName, row);
    chooseBearingMenuItem(1);

    EXPECT_TRUE(boxes_.empty());
    const auto designations = column(kBearingList, kNewDesignation);
    EXPECT_EQ(designations.size(),
              directRows("select bh from bearing where newno = '6205-2RS'").size());
    EXPECT_GE(designations.size(), 3u);
    EXPECT_TRUE(std::all_of(designations.begin(), designations.end(),
                            [](const std::string& d) { return d == "6205-2RS"; }));
    EXPECT_EQ(rowsNamed("NSK 6205DDU"), 1);
    EXPECT_EQ(rowsNamed("NTN 6205LLU"), 1);
    EXPECT_GE(rowsNamed("SKF  6205-2RSH"), 1);
    EXPECT_EQ(rowsNamed("6205-2RZ"), 0);
    EXPECT_EQ(rowsNamed(selectedName), 1) << "the selected row is listed too";
}

TEST_F(InterchangeAndLookup, InterchangeNeedsARowWithACommonDesignation) {
    searchNewDesignation("6205-2RS");
    const auto before = listed(kBearingList);
    main_->selectRow(kBearingList.listName, -1);
    chooseBearingMenuItem(1);
    EXPECT_EQ(listed(kBearingList), before) << "nothing happens without a selected row";
    EXPECT_TRUE(boxes_.empty());

    // A row without a common designation (NULL shows as an empty cell) lists nothing.
    main_->setCellText(kBearingList.listName, 0, kNewDesignation, "");
    main_->selectRow(kBearingList.listName, 0);
    chooseBearingMenuItem(1);
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(boxes_[0].text, kNoMatch);
    EXPECT_EQ(rows(kBearingList), 0);
}

TEST_F(InterchangeAndLookup, AnyWritingOfAStampedDesignationFindsTheSameRows) {
    main_->activate();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main_->widgetForTesting()));
    showPage(1);
    QTest::keyClick(widget("编辑框2"), Qt::Key_F, Qt::ControlModifier);  // Ctrl+F, anywhere
    lookUp("6205llu");
    EXPECT_EQ(lookupDialog(), nullptr) << "the dialog closes for the search";
    EXPECT_EQ(main_->currentPage("选择夹1"), 0);
    const auto found = listed(kBearingList);
    EXPECT_EQ(rowsNamed("NTN 6205LLU"), 1);
    EXPECT_EQ(rowsNamed("NSK 6205DDU"), 1);
    const auto designations = column(kBearingList, kNewDesignation);
    EXPECT_TRUE(std::all_of(designations.begin(), designations.end(),
                            [](const std::string& d) { return d == "6205-2RS"; }));

    chooseBearingMenuItem(2);
    lookUp("6205 LLU");
    EXPECT_EQ(listed(kBearingList), found);

    chooseBearingMenuItem(2);
    lookUp("６２０５ＬＬＵ");
    EXPECT_EQ(listed(kBearingList), found);
    EXPECT_TRUE(boxes_.empty());
}

TEST_F(InterchangeAndLookup, TheDialogIsModalAndRefusesEmptyText) {
    chooseBearingMenuItem(2);
    ui::Window* dialog = lookupDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->widgetForTesting()->isModal());

    QTest::mouseClick(dialog->widgetForTesting("按钮_查找"), Qt::LeftButton);
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(boxes_[0].text, "查询内容不能为空！");
    EXPECT_EQ(boxes_[0].caption, "提示信息");
    lookUp(" - / ");
    EXPECT_EQ(boxes_.size(), 2u);
    EXPECT_EQ(lookupDialog(), dialog) << "the dialog stays for another try";
    EXPECT_EQ(rows(kBearingList), 29);

    QTest::mouseClick(dialog->widgetForTesting("按钮_取消"), Qt::LeftButton);
    EXPECT_EQ(lookupDialog(), nullptr);
    EXPECT_EQ(rows(kBearingList), 29);
}

TEST_F(InterchangeAndLookup, AnUnknownDesignationShowsTheNoMatchMessage) {
    chooseBearingMenuItem(2);
    lookUp("6205XYZ'");
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(boxes_[0].text, kNoMatch);
    EXPECT_EQ(boxes_[0].caption, "提示信息");
    EXPECT_EQ(rows(kBearingList), 0);
}

// The key index is read from the whole bearing table; when that read fails the lookup
// says so, keeps no partial index, and the next lookup reads the table again.
TEST_F(InterchangeAndLookup, ALookupWhoseIndexCannotBeReadSaysSoAndTriesAgain) {
    auto& database = main_->database(kCatalogueConnection);
    database.setQueryTimeout(std::chrono::milliseconds(0));  // every read fails at once
    chooseBearingMenuItem(2);
    lookUp("6205LLU");
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(boxes_[0].text, "读取数据出错，列表可能不完整");
    EXPECT_EQ(boxes_[0].caption, "提示信息");
    EXPECT_EQ(rows(kBearingList), 0);
    EXPECT_EQ(lookupDialog(), nullptr);

    database.setQueryTimeout(std::chrono::seconds(15));
    boxes_.clear();
    chooseBearingMenuItem(2);
    lookUp("6205LLU");
    EXPECT_TRUE(boxes_.empty());
    EXPECT_EQ(rowsNamed("NTN 6205LLU"), 1);
    EXPECT_EQ(rowsNamed("NSK 6205DDU"), 1);
}

TEST_F(InterchangeAndLookup, TheIndexFollowsTheConnection) {
    chooseBearingMenuItem(2);
    lookUp("6205LLU");
    ASSERT_GT(rows(kBearingList), 1);

    // Another catalogue on the connection: the rows found are its own.
    const std::string path = (home_.path() / "small.db").string();
    ASSERT_TRUE(test::writeSmallCatalogue(
        path,
        "INSERT INTO bearing (bh, zhch, newno, ckxh) VALUES (70001, 'small one', '6205-2RS', "
        "'6205LLU'), (70002, 'small two', '6205-2RS', '6205DDU');"));
    ASSERT_TRUE(main_->database(kCatalogueConnection).OpenMdbDatabase(path));
    chooseBearingMenuItem(2);
    lookUp("6205LLU");
    EXPECT_EQ(listed(kBearingList).size(), 2u);
    EXPECT_EQ(rowsNamed("small"), 2);
}

}  // namespace
}  // namespace lz::query
