// Ctrl+C and "导出…" in the three result lists, from the window, on a small catalogue whose
// cells hold commas, quotes, line breaks and NULLs.
#include <gtest/gtest.h>

#include <QAbstractScrollArea>
#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTest>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "catalogue/catalogue_database.h"
#include "query/result_list_fill.h"
#include "tests/app_support/main_window_fixture.h"
#include "tests/support/small_catalogue.h"
#include "ui/clipboard.h"
#include "ui/file_dialogs.h"
#include "ui/window.h"

namespace lz::query {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kRows =
    "INSERT INTO bearing VALUES "
    "(7, 'NSK 6205DDU 轴承', '6205-2RS', '180205', '25', '52', '15', '6205DDU', 'NSK', "
    "'深沟球轴承', '两面带密封圈, \"接触式\"', NULL),"
    "(8, NULL, '6205-2RS', NULL, '25', '52', '15', '6205LLU', 'NTN', NULL, "
    "'first line' || char(13) || char(10) || 'second', NULL);"
    "INSERT INTO prjk VALUES (3.0, 'NACHI', '6000 C3', '5.3', '6.201');"
    "INSERT INTO prgc VALUES (12, '205', '6205', '4.5', NULL, '哈尔滨');";

const std::string kBearingHeadings =
    "ID,轴承名称,新型号,旧型号,内径,外径,厚度,品牌,轴承类型,详细说明";
const std::string kBearingCsv =
    "\xEF\xBB\xBF" + kBearingHeadings +
    "\r\n"
    "7,NSK 6205DDU 轴承,6205-2RS,180205,25,52,15,NSK,深沟球轴承,\"两面带密封圈, "
    "\"\"接触式\"\"\"\r\n"
    "8,,6205-2RS,,25,52,15,NTN,,\"first line\r\nsecond\"\r\n";

class CopyAndExport : public test::MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        main_ = openMainWindow();
        ASSERT_NE(main_, nullptr);
        const std::string path = (home_.path() / "small.db").string();
        ASSERT_TRUE(test::writeSmallCatalogue(path, kRows));
        ASSERT_TRUE(main_->database(kCatalogueConnection).OpenMdbDatabase(path));
        fillBearingList(*main_, "select * from bearing");
        fillImportedPriceList(*main_, "select * from prjk");
        fillDomesticPriceList(*main_, "select * from prgc");
        ui::FileDialogs::setResponder([this](const ui::SaveFileRequest& request) {
            dialogs_.push_back(request);
            return chosen_;
        });
    }
    void TearDown() override {
        ui::FileDialogs::setResponder({});
        MainWindowTest::TearDown();
    }

    void pressCopy(std::string_view list) {
        QTest::keyClick(main_->widgetForTesting(list), Qt::Key_C, Qt::ControlModifier);
    }
    // "导出…" in the bearing list's menu: 查看, 互换型号, 型号解读, 按任意型号查找…, 导出….
    static constexpr int kBearingExportItem = 4;
    void chooseMenuItem(std::string_view menu, int item) {
        qobject_cast<QMenu*>(main_->widgetForTesting(menu))->actions().at(item)->trigger();
    }
    static std::string bytesOf(const fs::path& path) {
        std::ifstream file(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    }

    ui::Window* main_ = nullptr;
    std::vector<ui::SaveFileRequest> dialogs_;
    std::optional<std::string> chosen_;
};

TEST_F(CopyAndExport, CopyPutsTheWholeListOnTheClipboardAsTabSeparatedText) {
    ui::setClipboardText("");
    pressCopy(kBearingList.listName);
    EXPECT_EQ(ui::clipboardText(),
              "ID\t轴承名称\t新型号\t旧型号\t内径\t外径\t厚度\t品牌\t轴承类型\t详细说明\n"
              "7\tNSK 6205DDU 轴承\t6205-2RS\t180205\t25\t52\t15\tNSK\t深沟球轴承\t"
              "\"两面带密封圈, \"\"接触式\"\"\"\n"
              "8\t\t6205-2RS\t\t25\t52\t15\tNTN\t\t\"first line\r\nsecond\"\n");
}

TEST_F(CopyAndExport, CopyTakesOnlyTheSelectedRow) {
    main_->selectRow(kBearingList.listName, 1);
    pressCopy(kBearingList.listName);
    EXPECT_EQ(ui::clipboardText(),
              "ID\t轴承名称\t新型号\t旧型号\t内径\t外径\t厚度\t品牌\t轴承类型\t详细说明\n"
              "8\t\t6205-2RS\t\t25\t52\t15\tNTN\t\t\"first line\r\nsecond\"\n");
    EXPECT_EQ(main_->rowCount(kBearingList.listName), 2) << "copying changes no list";
}

TEST_F(CopyAndExport, CopyWorksInBothPriceLists) {
    main_->setCurrentPage("选择夹1", 1);
    pressCopy(kImportedPriceList.listName);
    EXPECT_EQ(ui::clipboardText(),
              "编号\t品牌\t型号\t不含税价格（元）\t含税价格（元）\n"
              "3\tNACHI\t6000 C3\t5.3\t6.201\n");
    main_->setCurrentPage("选择夹1", 2);
    pressCopy(kDomesticPriceList.listName);
    EXPECT_EQ(ui::clipboardText(),
              "编号\t旧型号\t新型号\t不含税价格（元）\t含税价格（元）\t厂家\n"
              "12\t205\t6205\t4.5\t\t哈尔滨\n");
}

TEST_F(CopyAndExport, ExportSavesTheWholeListAsCsv) {
    main_->selectRow(kBearingList.listName, 0);  // a selection does not narrow the export
    chosen_ = (home_.path() / "轴承列表.csv").string();
    chooseMenuItem("右键", kBearingExportItem);
    ASSERT_EQ(dialogs_.size(), 1u);
    EXPECT_EQ(dialogs_[0].suffix, "csv");
    EXPECT_EQ(bytesOf(*chosen_), kBearingCsv);
    EXPECT_TRUE(boxes_.empty());
}

TEST_F(CopyAndExport, ExportFromThePriceListMenus) {
    chosen_ = (home_.path() / "imported.csv").string();
    chooseMenuItem("右键1", 0);
    EXPECT_EQ(bytesOf(*chosen_),
              "\xEF\xBB\xBF编号,品牌,型号,不含税价格（元）,含税价格（元）\r\n"
              "3,NACHI,6000 C3,5.3,6.201\r\n");
    chosen_ = (home_.path() / "domestic.csv").string();
    chooseMenuItem("右键2", 0);
    EXPECT_EQ(bytesOf(*chosen_),
              "\xEF\xBB\xBF编号,旧型号,新型号,不含税价格（元）,含税价格（元）,厂家\r\n"
              "12,205,6205,4.5,,哈尔滨\r\n");
    EXPECT_TRUE(boxes_.empty());
}

TEST_F(CopyAndExport, RightClickInAPriceListPopsUpItsMenu) {
    for (const auto& [list, menu] : {std::pair{kImportedPriceList.listName, "右键1"},
                                     std::pair{kDomesticPriceList.listName, "右键2"}}) {
        main_->setCurrentPage("选择夹1", list == kImportedPriceList.listName ? 1 : 2);
        auto* view = qobject_cast<QAbstractScrollArea*>(main_->widgetForTesting(list));
        QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(20, 30),
                                view->viewport()->mapToGlobal(QPoint(20, 30)));
        QApplication::sendEvent(view->viewport(), &click);
        auto* popup = qobject_cast<QMenu*>(main_->widgetForTesting(menu));
        EXPECT_TRUE(popup->isVisible()) << menu;
        // "导出…" first, where the bindings expect it; "加入报价单" after it.
        ASSERT_EQ(popup->actions().size(), 2);
        EXPECT_EQ(popup->actions()[0]->text().toStdString(), "导出…");
        EXPECT_EQ(popup->actions()[1]->text().toStdString(), "加入报价单");
        popup->close();
    }
}

TEST_F(CopyAndExport, CancellingTheDialogWritesNothing) {
    chosen_ = std::nullopt;
    chooseMenuItem("右键", kBearingExportItem);
    EXPECT_EQ(dialogs_.size(), 1u);
    EXPECT_TRUE(boxes_.empty());
}

TEST_F(CopyAndExport, AnExistingFileIsReplacedOnlyWhenTheUserSaysSo) {
    const fs::path target = home_.path() / "list.csv";
    std::ofstream(target) << "old";
    chosen_ = target.string();
    answer_ = ui::BoxAnswer::No;
    chooseMenuItem("右键", kBearingExportItem);
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(boxes_[0].buttons, ui::BoxButtons::YesNo);
    EXPECT_NE(boxes_[0].text.find(target.string()), std::string::npos);
    EXPECT_EQ(bytesOf(target), "old");

    answer_ = ui::BoxAnswer::Yes;
    chooseMenuItem("右键", kBearingExportItem);
    EXPECT_EQ(bytesOf(target), kBearingCsv);
}

TEST_F(CopyAndExport, ExportToAnUnwritablePlaceSaysSoAndLeavesNothing) {
    std::ofstream(home_.path() / "plain") << "x";
    for (const fs::path& target :
         {home_.path() / "missing" / "list.csv", home_.path() / "plain" / "list.csv"}) {
        boxes_.clear();
        chosen_ = target.string();
        chooseMenuItem("右键", kBearingExportItem);
        ASSERT_EQ(boxes_.size(), 1u) << target;
        EXPECT_EQ(boxes_[0].text.rfind("导出失败", 0), 0u) << boxes_[0].text;
        EXPECT_NE(boxes_[0].text.find(target.string()), std::string::npos);
        EXPECT_EQ(boxes_[0].caption, "提示信息");
        EXPECT_FALSE(fs::exists(target));
    }
    EXPECT_FALSE(fs::exists(home_.path() / "missing"));
}

// Cells a spreadsheet would read as formulas ("-6301-2ZNR 轴承", the brand "-") show as
// text in the exported file; the clipboard keeps them as stored.
TEST_F(CopyAndExport, ExportMarksCellsThatSpreadsheetsTakeForFormulasCopyDoesNot) {
    const std::string path = (home_.path() / "formulas.db").string();
    ASSERT_TRUE(
        test::writeSmallCatalogue(path,
                                  "INSERT INTO bearing (bh, zhch, newno, oldno, ppai) VALUES "
                                  "(58951, '-6301-2ZNR 轴承', '6301-2ZNR', '=1+1', '-'),"
                                  "(58952, '@SUM(A1)', '+6301', char(9) || 'tab', 'NSK');"));
    ASSERT_TRUE(main_->database(kCatalogueConnection).OpenMdbDatabase(path));
    fillBearingList(*main_, "select * from bearing");

    chosen_ = (home_.path() / "list.csv").string();
    chooseMenuItem("右键", kBearingExportItem);
    EXPECT_EQ(bytesOf(*chosen_), "\xEF\xBB\xBF" + kBearingHeadings +
                                     "\r\n"
                                     "58951,'-6301-2ZNR 轴承,6301-2ZNR,'=1+1,,,,'-,,\r\n"
                                     "58952,'@SUM(A1),'+6301,'\ttab,,,,NSK,,\r\n");

    pressCopy(kBearingList.listName);
    EXPECT_EQ(ui::clipboardText(),
              "ID\t轴承名称\t新型号\t旧型号\t内径\t外径\t厚度\t品牌\t轴承类型\t详细说明\n"
              "58951\t-6301-2ZNR 轴承\t6301-2ZNR\t=1+1\t\t\t\t-\t\t\n"
              "58952\t@SUM(A1)\t+6301\t\"\ttab\"\t\t\t\tNSK\t\t\n");
    EXPECT_TRUE(boxes_.empty());
}

// Replacing a private file keeps it private.
TEST_F(CopyAndExport, ExportOverAPrivateFileKeepsItPrivate) {
    const fs::path target = home_.path() / "private.csv";
    std::ofstream(target) << "old";
    fs::permissions(target, fs::perms(0600), fs::perm_options::replace);
    chosen_ = target.string();
    answer_ = ui::BoxAnswer::Yes;
    chooseMenuItem("右键", kBearingExportItem);
    EXPECT_EQ(bytesOf(target), kBearingCsv);
    EXPECT_EQ(fs::status(target).permissions(), fs::perms(0600));
}

}  // namespace
}  // namespace lz::query
