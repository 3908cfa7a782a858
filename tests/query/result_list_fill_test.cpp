// The result-list fill on the real main window, against small catalogues made per test.
#include "query/result_list_fill.h"

#include <gtest/gtest.h>

#include <sqlite3.h>

#include <QCoreApplication>
#include <QMetaObject>
#include <QPushButton>
#include <chrono>
#include <filesystem>
#include <functional>
#include <string>
#include <thread>

#include "catalogue/catalogue_database.h"
#include "query/initial_listing.h"
#include "tests/app_support/main_window_fixture.h"
#include "tests/support/damaged_catalogue.h"
#include "tests/support/small_catalogue.h"
#include "ui/window.h"
#include "ui/window_manager.h"
#include "windows/main_window_template.h"

namespace lz::query {
namespace {

constexpr std::string_view kNoMatch = "对不起，没有符合你查询条件的型号记录";

std::string manyBearings(int count) {
    std::string sql = "INSERT INTO bearing (bh, zhch, newno, njin) VALUES ";
    for (int bh = 1; bh <= count; ++bh) {
        sql += (bh > 1 ? "," : "");
        sql += "(" + std::to_string(bh) + ",'B" + std::to_string(bh) + "','62" +
               std::to_string(bh) + "','" + std::to_string(bh % 50) + "')";
    }
    return sql + ";";
}

constexpr std::string_view kPrices =
    "INSERT INTO prjk VALUES (3.0,'NACHI','6000 C3','5.3','6.201');"
    "INSERT INTO prjk VALUES (NULL,NULL,'深沟球轴承（62XX系列）','0','0');"
    "INSERT INTO prgc VALUES (13691,'24','624','2','2.34','哈尔滨');";

// Runs `work` from inside the next message handling, as a click during a fill would.
void duringNextMessages(std::function<void()> work) {
    QMetaObject::invokeMethod(qApp, std::move(work), Qt::QueuedConnection);
}

void runSqlOn(const std::string& path, const char* sql) {
    sqlite3* db = nullptr;
    sqlite3_open(path.c_str(), &db);
    sqlite3_exec(db, sql, nullptr, nullptr, nullptr);
    sqlite3_close(db);
}

// True when no connection of this process reads the file: an open read (a record set
// standing on a row) would keep another connection from locking it for writing.
bool fileIsFree(const std::filesystem::path& path) {
    sqlite3* db = nullptr;
    const bool free =
        sqlite3_open(path.c_str(), &db) == SQLITE_OK &&
        sqlite3_exec(db, "BEGIN EXCLUSIVE; COMMIT;", nullptr, nullptr, nullptr) == SQLITE_OK;
    sqlite3_close(db);
    return free;
}

class ResultListFillTest : public test::MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        main_ = openMainWindow();
        ASSERT_NE(main_, nullptr);
        const std::string path = (home_.path() / "small.db").string();
        ASSERT_TRUE(test::writeSmallCatalogue(path, manyBearings(300) + std::string(kPrices)));
        ASSERT_TRUE(database().OpenMdbDatabase(path));
        boxes_.clear();
    }

    catalogue::CatalogueDatabase& database() { return main_->database(kCatalogueConnection); }
    int rows(const ResultList& list) const { return main_->rowCount(list.listName); }

    ui::Window* main_ = nullptr;
};

TEST_F(ResultListFillTest, CellsShowTheFieldsAsText) {
    fillBearingList(*main_, "select * from bearing where bh=7");
    EXPECT_EQ(rowsOf(*main_, kBearingList.listName, 10),
              std::vector<std::string>{"7|B7|627||7|||||"});
    fillImportedPriceList(*main_, "select * from prjk");
    EXPECT_EQ(
        rowsOf(*main_, kImportedPriceList.listName, 5),
        (std::vector<std::string>{"3|NACHI|6000 C3|5.3|6.201", "0||深沟球轴承（62XX系列）|0|0"}));
    fillDomesticPriceList(*main_, "select * from prgc");
    EXPECT_EQ(rowsOf(*main_, kDomesticPriceList.listName, 6),
              std::vector<std::string>{"13691|24|624|2|2.34|哈尔滨"});
    EXPECT_TRUE(boxes_.empty());
    EXPECT_EQ(database().openRecordSetCount(), 0);
}

TEST_F(ResultListFillTest, NoMatchEmptiesTheListAndSaysSoOnce) {
    fillBearingList(*main_, "select * from bearing");
    ASSERT_EQ(rows(kBearingList), 300);
    int rowsWhenTheBoxAppeared = -1;
    ui::MessageBoxes::setResponder([&](const ui::BoxRequest& request) {
        rowsWhenTheBoxAppeared = rows(kBearingList);
        boxes_.push_back(request);
        return ui::BoxAnswer::Ok;
    });
    fillBearingList(*main_, "select * from bearing where newno like '%nothing%'");
    EXPECT_EQ(rowsWhenTheBoxAppeared, 0) << "the list is empty before the message shows";
    EXPECT_EQ(rows(kBearingList), 0);
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(boxes_[0].text, kNoMatch);
    EXPECT_EQ(boxes_[0].caption, "提示信息");
    EXPECT_EQ(boxes_[0].buttons, ui::BoxButtons::Ok);
    EXPECT_EQ(database().openRecordSetCount(), 0);
}

TEST_F(ResultListFillTest, ClosedConnectionOrRejectedStatementLooksLikeNoMatch) {
    fillBearingList(*main_, "select * from bearing where newno like '%6'2%'");
    fillBearingList(*main_, "");
    database().CloseDatabase();
    fillBearingList(*main_, "select * from bearing");
    ASSERT_EQ(boxes_.size(), 3u);
    for (const auto& box : boxes_) {
        EXPECT_EQ(box.text, kNoMatch);
    }
    EXPECT_EQ(rows(kBearingList), 0);
}

TEST_F(ResultListFillTest, AClickOnAnotherPagesQueryDuringAFillRunsNestedAndBothListsEndRight) {
    duringNextMessages([this] { fillImportedPriceList(*main_, "select * from prjk"); });
    fillBearingList(*main_, "select * from bearing");
    EXPECT_EQ(rows(kBearingList), 300);
    EXPECT_EQ(rows(kImportedPriceList), 2);
    EXPECT_EQ(database().openRecordSetCount(), 0);
}

TEST_F(ResultListFillTest, ANestedFailingFillDoesNotCutTheInterruptedFillShort) {
    duringNextMessages([this] { fillImportedPriceList(*main_, "select * from nowhere"); });
    fillBearingList(*main_, "select * from bearing");
    EXPECT_EQ(rows(kBearingList), 300) << "the outer fill keeps its record set";
    EXPECT_EQ(rows(kImportedPriceList), 0);
    EXPECT_EQ(boxes_.size(), 1u);
}

TEST_F(ResultListFillTest, ANewerFillOfTheSameListLeavesOnlyItsOwnRows) {
    int outerRowsWhenInterrupted = -1;
    duringNextMessages([this, &outerRowsWhenInterrupted] {
        outerRowsWhenInterrupted = rows(kBearingList);
        fillBearingList(*main_, "select * from bearing where bh<=5");
    });
    fillBearingList(*main_, "select * from bearing");
    EXPECT_GE(outerRowsWhenInterrupted, 1);
    const auto listed = rowsOf(*main_, kBearingList.listName, 1);
    EXPECT_EQ(listed, (std::vector<std::string>{"1", "2", "3", "4", "5"}));
    EXPECT_EQ(database().openRecordSetCount(), 0);
}

TEST_F(ResultListFillTest, TheInitialListingDuringAFillReplacesItsResult) {
    duringNextMessages([this] { listInitialBearings(*main_); });
    fillBearingList(*main_, "select * from bearing where bh>100");
    EXPECT_EQ(rows(kBearingList), 29);
    EXPECT_EQ(main_->cellText(kBearingList.listName, 0, 0), "1");
    EXPECT_EQ(database().openRecordSetCount(), 0);
}

TEST_F(ResultListFillTest, ClosingTheMainWindowDuringAFillEndsTheFillQuietly) {
    // As in the program, the fill runs inside a click's event, so the closed window stays
    // in memory until the event is over and can be looked at afterwards.
    ui::WindowManager::instance().setEventSink([](ui::Window& window, const ui::Event& event) {
        if (event.control == "按钮1" && event.kind == ui::EventKind::Clicked) {
            fillBearingList(window, "select * from bearing");
        }
    });
    int rowsWhenClosed = -1;
    duringNextMessages([this, &rowsWhenClosed] {
        rowsWhenClosed = rows(kBearingList);
        main_->close();
    });
    qobject_cast<QPushButton*>(main_->widgetForTesting("按钮1"))->click();

    EXPECT_GE(rowsWhenClosed, 1);
    EXPECT_EQ(rows(kBearingList), rowsWhenClosed) << "no row was added after the close";
    EXPECT_TRUE(boxes_.empty());

    // The record set goes with the window: nothing holds the file any longer.
    QCoreApplication::processEvents();
    ASSERT_EQ(ui::WindowManager::instance().find(windows::kMainWindowName), nullptr);
    EXPECT_TRUE(fileIsFree(home_.path() / "small.db"));
}

TEST_F(ResultListFillTest, AReadErrorPartWayKeepsTheRowsAndSaysSoOnce) {
    const std::string path = (home_.path() / "damaged.db").string();
    const int rowsBefore = test::writeCatalogueWithADamagedPage(path, 400);
    ASSERT_GT(rowsBefore, 0);
    ASSERT_TRUE(database().OpenMdbDatabase(path));

    fillBearingList(*main_, "select * from bearing");
    EXPECT_EQ(rows(kBearingList), rowsBefore);
    EXPECT_EQ(main_->cellText(kBearingList.listName, rowsBefore - 1, 0),
              std::to_string(rowsBefore));
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(boxes_[0].text, "读取数据出错，列表可能不完整");
    EXPECT_EQ(boxes_[0].caption, "提示信息");
    EXPECT_EQ(boxes_[0].buttons, ui::BoxButtons::Ok);
    EXPECT_EQ(database().openRecordSetCount(), 0);
}

// A failure on the first row is a read error, not "no match": whatever made it fail.
TEST_F(ResultListFillTest, AFirstRowThatFailsSaysTheReadFailedAndLeavesTheListEmpty) {
    const std::string path = (home_.path() / "damaged.db").string();
    ASSERT_GT(test::writeCatalogueWithADamagedPage(path, 400), 0);
    ASSERT_TRUE(database().OpenMdbDatabase(path));
    struct Case {
        const char* what;
        std::string sql;
        std::chrono::milliseconds timeout;
    };
    const Case failing[] = {
        {"a damaged page ahead of the first matching row",
         "select * from bearing where zhch = 'B400'", std::chrono::seconds(15)},
        {"the time limit",
         "with recursive c(x) as (select 1 union all select x + 1 from c) "
         "select max(x) as bh from c",
         std::chrono::milliseconds(50)},
        {"a value over 64 KiB", "select zeroblob(65537) as bh", std::chrono::seconds(15)},
        {"a search text of 50,000 \"%\"",
         "select * from bearing where newno like '%" + std::string(50'000, '%') + "%'",
         std::chrono::seconds(15)},
    };
    for (const Case& each : failing) {
        SCOPED_TRACE(each.what);
        database().setQueryTimeout(std::chrono::seconds(15));
        fillBearingList(*main_, "select * from bearing where bh <= 5");
        ASSERT_EQ(rows(kBearingList), 5);
        boxes_.clear();

        database().setQueryTimeout(each.timeout);
        fillBearingList(*main_, each.sql);
        EXPECT_EQ(rows(kBearingList), 0);
        ASSERT_EQ(boxes_.size(), 1u);
        EXPECT_EQ(boxes_[0].text, "读取数据出错，列表可能不完整");
        EXPECT_EQ(boxes_[0].caption, "提示信息");
        EXPECT_EQ(database().openRecordSetCount(), 0);
    }
}

// A box held open while a long fill waits is the user's time, not the query's.
TEST_F(ResultListFillTest, AMessageHeldOpenDuringAFillDoesNotUseUpItsTimeLimit) {
    database().setQueryTimeout(std::chrono::milliseconds(200));
    ui::MessageBoxes::setResponder([this](const ui::BoxRequest& request) {
        boxes_.push_back(request);
        std::this_thread::sleep_for(std::chrono::milliseconds(400));  // the user reads it
        return ui::BoxAnswer::Ok;
    });
    duringNextMessages([] { ui::MessageBoxes::show("请稍候", "提示信息"); });
    fillBearingList(*main_, "select * from bearing");
    EXPECT_EQ(rows(kBearingList), 300);
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(boxes_[0].text, "请稍候");
}

// The initial listing's statement failing (here: a bearing table without its columns)
// must not close the record set of a fill it interrupted.
TEST_F(ResultListFillTest, AFailingInitialListingLeavesOtherRecordSetsAlone) {
    const std::string path = (home_.path() / "bare.db").string();
    runSqlOn(path,
             "CREATE TABLE bearing (bh INTEGER); CREATE TABLE prgc (id SMALLINT);"
             "CREATE TABLE prjk (ID DOUBLE, ppai TEXT, newno TEXT, nonprice TEXT, price TEXT);"
             "INSERT INTO prjk VALUES (1, 'A', '1', '1', '1'), (2, 'B', '2', '2', '2'),"
             "(3, 'C', '3', '3', '3');");
    ASSERT_TRUE(database().OpenMdbDatabase(path));
    duringNextMessages([this] { listInitialBearings(*main_); });
    fillImportedPriceList(*main_, "select * from prjk");
    EXPECT_EQ(rowsOf(*main_, kImportedPriceList.listName, 1),
              (std::vector<std::string>{"1", "2", "3"}));
    EXPECT_EQ(rows(kBearingList), 0);
    EXPECT_TRUE(boxes_.empty());
}

}  // namespace
}  // namespace lz::query
