// Sorting the three result lists by a click on a heading, in the real main window: numbers
// as numbers, texts in Chinese collation, blanks last, a second click reversing; and the
// actions that work on "the selected row" or "the whole list" after a sort.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QHeaderView>
#include <QMenu>
#include <QTableView>
#include <QTest>

#include <string>
#include <vector>

#include "catalogue/catalogue_database.h"
#include "query/result_list_export.h"
#include "query/result_list_fill.h"
#include "tests/app_support/main_window_fixture.h"
#include "tests/support/small_catalogue.h"
#include "ui/clipboard.h"
#include "ui/window.h"

namespace lz::query {
namespace {

// IDs that sort differently as texts; sizes with a decimal, a non-number and a blank;
// brands in Latin letters and Chinese, and none.
constexpr std::string_view kRows =
    "INSERT INTO bearing VALUES "
    "(10, 'A', '6205', '205', '25', '52', '15', 'a', '瓦房店', '深沟球轴承', '', NULL),"
    "(9, 'B', '6206', '206', '100.5', '62', '16', 'b', 'NSK', '深沟球轴承', '', NULL),"
    "(100, 'C', '6205-2RS', '180205', '', '52', '15', 'c', NULL, '深沟球轴承', '', NULL),"
    "(2, 'D', '6207', '207', '5', '72', '17', 'd', '哈尔滨', '深沟球轴承', '', NULL),"
    "(30, 'E', '6205-Z', '60205', 'abc', '52', '15', 'e', '洛阳', '深沟球轴承', '', NULL);"
    "INSERT INTO prjk VALUES (1.0, 'NSK', '6205', '27.71', '32.4207'),"
    "(2.0, 'NTN', '6206', '5.3', '6.201'), (3.0, 'FAG', '6207', '', ''),"
    "(4.0, 'SKF', '6208', '100', '117');"
    "INSERT INTO prgc VALUES (1, '205', '6205', '4.5', '5.2', '瓦房店'),"
    "(2, '206', '6206', '6', '7', '哈尔滨'), (3, '207', '6207', '3', '3.5', '洛阳');";

constexpr int kIdColumn = 0, kBoreColumn = 4, kBrandColumn = 7;

class ListSorting : public test::MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        main_ = openMainWindow();
        ASSERT_NE(main_, nullptr);
        const std::string path = (home_.path() / "small.db").string();
        ASSERT_TRUE(test::writeSmallCatalogue(path, kRows));
        ASSERT_TRUE(main_->database(kCatalogueConnection).OpenMdbDatabase(path));
        fillAll();
    }

    void fillAll() {
        // Neither by ID nor by brand: E, D, C, B, A.
        fillBearingList(*main_, "select * from bearing order by zhch desc");
        fillImportedPriceList(*main_, "select * from prjk");
        fillDomesticPriceList(*main_, "select * from prgc");
    }

    QTableView* view(const ResultList& list) const {
        return qobject_cast<QTableView*>(main_->widgetForTesting(list.listName));
    }

    // A click on a heading, where a person would click it.
    void clickHeading(const ResultList& list, int column) {
        for (int page = 0; page < 3; ++page) {
            if (view(list)->isVisible()) {
                break;
            }
            main_->setCurrentPage("选择夹1", page);
        }
        QHeaderView* header = view(list)->horizontalHeader();
        ASSERT_TRUE(header->isVisible());
        QTest::mouseClick(
            header->viewport(), Qt::LeftButton, {},
            QPoint(header->sectionViewportPosition(column) + 5, header->height() / 2));
    }

    // The texts of one column, in the order shown.
    std::vector<std::string> shown(const ResultList& list, int column) const {
        std::vector<std::string> texts;
        for (const int row : main_->rowsInShownOrder(list.listName)) {
            texts.push_back(main_->cellText(list.listName, row, column));
        }
        return texts;
    }

    // The texts of one column by row index: the order the rows were listed in.
    std::vector<std::string> listed(const ResultList& list, int column) const {
        std::vector<std::string> texts;
        for (int row = 0; row < main_->rowCount(list.listName); ++row) {
            texts.push_back(main_->cellText(list.listName, row, column));
        }
        return texts;
    }

    // A click on the row shown at `position`, once the rows are shown.
    void clickShownRow(const ResultList& list, int position) {
        main_->rowsInShownOrder(list.listName);
        QTableView* table = view(list);
        const QRect cell = table->visualRect(table->model()->index(position, 1));
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cell.center());
    }

    ui::Window* main_ = nullptr;
};

using Texts = std::vector<std::string>;

TEST_F(ListSorting, BearingListByNumberAndByTextAndBack) {
    EXPECT_EQ(shown(kBearingList, kIdColumn), (Texts{"30", "2", "100", "9", "10"}));
    clickHeading(kBearingList, kIdColumn);
    EXPECT_EQ(shown(kBearingList, kIdColumn), (Texts{"2", "9", "10", "30", "100"}));
    clickHeading(kBearingList, kIdColumn);
    EXPECT_EQ(shown(kBearingList, kIdColumn), (Texts{"100", "30", "10", "9", "2"}));

    // Non-numbers and blanks last in either order, as they stood before: by ID descending,
    // 100 (blank) above 30 ("abc").
    clickHeading(kBearingList, kBoreColumn);
    EXPECT_EQ(shown(kBearingList, kBoreColumn), (Texts{"5", "25", "100.5", "", "abc"}));
    clickHeading(kBearingList, kBoreColumn);
    EXPECT_EQ(shown(kBearingList, kBoreColumn), (Texts{"100.5", "25", "5", "", "abc"}));

    // Chinese collation: Chinese by pinyin (ha, luo, wa) before Latin letters; the row
    // without a brand last.
    clickHeading(kBearingList, kBrandColumn);
    EXPECT_EQ(shown(kBearingList, kBrandColumn), (Texts{"哈尔滨", "洛阳", "瓦房店", "NSK", ""}));
    clickHeading(kBearingList, kBrandColumn);
    EXPECT_EQ(shown(kBearingList, kBrandColumn), (Texts{"NSK", "瓦房店", "洛阳", "哈尔滨", ""}));

    // The rows themselves keep their places: only the view's order changed.
    EXPECT_EQ(listed(kBearingList, kIdColumn), (Texts{"30", "2", "100", "9", "10"}));
}

TEST_F(ListSorting, PriceListsByPriceAndByMakerAndBack) {
    clickHeading(kImportedPriceList, 4);
    EXPECT_EQ(shown(kImportedPriceList, 4), (Texts{"6.201", "32.4207", "117", ""}));
    clickHeading(kImportedPriceList, 4);
    EXPECT_EQ(shown(kImportedPriceList, 4), (Texts{"117", "32.4207", "6.201", ""}));
    clickHeading(kImportedPriceList, 1);
    EXPECT_EQ(shown(kImportedPriceList, 1), (Texts{"FAG", "NSK", "NTN", "SKF"}));

    clickHeading(kDomesticPriceList, 5);
    EXPECT_EQ(shown(kDomesticPriceList, 5), (Texts{"哈尔滨", "洛阳", "瓦房店"}));
    clickHeading(kDomesticPriceList, 5);
    EXPECT_EQ(shown(kDomesticPriceList, 5), (Texts{"瓦房店", "洛阳", "哈尔滨"}));
    clickHeading(kDomesticPriceList, 3);
    EXPECT_EQ(shown(kDomesticPriceList, 0), (Texts{"3", "1", "2"}));
}

TEST_F(ListSorting, ANewFillShowsTheStatementsOrderUnsorted) {
    clickHeading(kBearingList, kIdColumn);
    ASSERT_EQ(shown(kBearingList, kIdColumn), (Texts{"2", "9", "10", "30", "100"}));
    fillBearingList(*main_, "select * from bearing where bh <> 9 order by zhch");
    EXPECT_EQ(shown(kBearingList, kIdColumn), (Texts{"10", "100", "2", "30"}));
    EXPECT_EQ(view(kBearingList)->horizontalHeader()->sortIndicatorSection(), -1);
    // And a first click sorts ascending again.
    clickHeading(kBearingList, kIdColumn);
    EXPECT_EQ(shown(kBearingList, kIdColumn), (Texts{"2", "10", "30", "100"}));
}

TEST_F(ListSorting, TheSelectedRowStaysSelectedAndIsTheOneActedOn) {
    // The row shown third after sorting by ID is bh 10, listed last.
    clickHeading(kBearingList, kIdColumn);
    clickShownRow(kBearingList, 2);
    ASSERT_EQ(main_->selectedRow(kBearingList.listName), 4);
    // Sorting by another column moves it; it stays selected.
    clickHeading(kBearingList, kBrandColumn);
    EXPECT_EQ(main_->selectedRow(kBearingList.listName), 4);
    EXPECT_EQ(view(kBearingList)->currentIndex().row(), 2);  // 哈尔滨, 洛阳, then 瓦房店

    // Copy takes the selected row.
    ui::setClipboardText("");
    QTest::keyClick(view(kBearingList), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(ui::clipboardText(),
              "ID\t轴承名称\t新型号\t旧型号\t内径\t外径\t厚度\t品牌\t轴承类型\t详细说明\n"
              "10\tA\t6205\t205\t25\t52\t15\t瓦房店\t深沟球轴承\t\n");

    // "互换型号" lists every bearing of the selected row's new designation, 6205.
    qobject_cast<QMenu*>(main_->widgetForTesting("右键"))->actions().at(1)->trigger();
    EXPECT_EQ(listed(kBearingList, 2), (Texts{"6205"}));

    // selectRow names a row by its index, wherever it is shown.
    fillAll();
    clickHeading(kBearingList, kIdColumn);
    main_->selectRow(kBearingList.listName, 0);  // bh 30
    EXPECT_EQ(view(kBearingList)->currentIndex().row(), 3);
    EXPECT_EQ(main_->selectedRow(kBearingList.listName), 0);
}

TEST_F(ListSorting, CopyAndExportTakeTheWholeListInTheOrderShown) {
    clickHeading(kBearingList, kIdColumn);
    clickHeading(kBearingList, kIdColumn);
    ui::setClipboardText("");
    QTest::keyClick(view(kBearingList), Qt::Key_C, Qt::ControlModifier);
    const std::string copied = ui::clipboardText();
    Texts ids;
    for (std::size_t line = copied.find('\n'); line + 1 < copied.size();
         line = copied.find('\n', line + 1)) {
        ids.push_back(copied.substr(line + 1, copied.find('\t', line + 1) - line - 1));
    }
    EXPECT_EQ(ids, (Texts{"100", "30", "10", "9", "2"}));

    clickHeading(kImportedPriceList, 3);
    EXPECT_EQ(resultListCsv(*main_, kImportedPriceList),
              "\xEF\xBB\xBF"
              "编号,品牌,型号,不含税价格（元）,含税价格（元）\r\n"
              "2,NTN,6206,5.3,6.201\r\n"
              "1,NSK,6205,27.71,32.4207\r\n"
              "4,SKF,6208,100,117\r\n"
              "3,FAG,6207,,\r\n");
}

}  // namespace
}  // namespace lz::query
