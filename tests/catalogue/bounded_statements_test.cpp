// What a statement may do and how far it may go: read errors and limits end a record set
// as failed, never as a short but seemingly whole result.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <chrono>
#include <string>
#include <thread>

#include "tests/catalogue/sample_catalogue.h"
#include "tests/support/damaged_catalogue.h"

namespace lz::catalogue::test {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

constexpr const char* kEndlessRows =
    "with recursive c(x) as (select 1 union all select x + 1 from c) select x from c";

// Moves through the record set until its end, for at most `patience`; the number of
// records it stood on.
long long rowsUntilTheEnd(CatalogueDatabase& db, RecordSetHandle handle,
                          std::chrono::seconds patience) {
    const auto giveUp = Clock::now() + patience;
    long long rows = 0;
    while (!db.IsEOF(handle) && Clock::now() < giveUp) {
        ++rows;
        db.MoveNext(handle);
    }
    return rows;
}

TEST(DamagedCatalogue, AReadErrorInTheMiddleFailsTheRecordSetAfterTheRowsBeforeIt) {
    lz::test::TempDir dir;
    const std::string path = (dir.path() / "damaged.db").string();
    const int rowsBefore = lz::test::writeCatalogueWithADamagedPage(path, 400);
    ASSERT_GT(rowsBefore, 29);

    CatalogueDatabase db;
    ASSERT_TRUE(db.OpenMdbDatabase(path));
    const RecordSetHandle handle = db.OpenTable("select * from bearing");
    ASSERT_GT(handle, 0);
    EXPECT_FALSE(db.HasFailed(handle));
    EXPECT_EQ(rowsUntilTheEnd(db, handle, 10s), rowsBefore);
    EXPECT_TRUE(db.IsEOF(handle));
    EXPECT_TRUE(db.HasFailed(handle));
    db.MoveFirst(handle);
    EXPECT_TRUE(db.IsEOF(handle)) << "a failed record set stays failed";
    EXPECT_EQ(db.ReadColByName(handle, "bh"), FieldValue{});

    // A result that merely ends has not failed.
    const RecordSetHandle whole = db.OpenTable("select * from bearing where bh <= 3");
    EXPECT_EQ(rowsUntilTheEnd(db, whole, 10s), 3);
    EXPECT_FALSE(db.HasFailed(whole));
    EXPECT_FALSE(db.HasFailed(0));
}

// Every way a statement can fail on its first row, told apart from a result that is empty.
TEST(DamagedCatalogue, AFirstRowThatFailsGivesAFailedRecordSetNotAnEmptyOne) {
    lz::test::TempDir dir;
    const std::string path = (dir.path() / "damaged.db").string();
    ASSERT_GT(lz::test::writeCatalogueWithADamagedPage(path, 400), 0);
    CatalogueDatabase db;
    ASSERT_TRUE(db.OpenMdbDatabase(path));

    struct Case {
        const char* what;
        std::string sql;
        std::chrono::milliseconds timeout;
    };
    const Case failing[] = {
        {"a damaged page ahead of the first matching row",
         "select * from bearing where zhch = 'B400'", 15s},
        {"the time limit",
         "with recursive c(x) as (select 1 union all select x + 1 from c) "
         "select max(x) as x from c",
         50ms},
        {"a value over 64 KiB", "select zeroblob(65537) as tt", 15s},
        {"a search text of 50,000 \"%\"",
         "select * from bearing where newno like '%" + std::string(50'000, '%') + "%'", 15s},
    };
    for (const Case& each : failing) {
        SCOPED_TRACE(each.what);
        db.setQueryTimeout(each.timeout);
        const RecordSetHandle handle = db.OpenTable(each.sql);
        ASSERT_GT(handle, 0);
        EXPECT_TRUE(db.IsEOF(handle));
        EXPECT_TRUE(db.HasFailed(handle));
        db.MoveFirst(handle);
        EXPECT_TRUE(db.IsEOF(handle));
        EXPECT_TRUE(db.HasFailed(handle));
        db.CloseTable(handle);
    }
    db.setQueryTimeout(15s);
    // The rows before the damaged page hold no 'B9999': an empty result, not a failure.
    const RecordSetHandle empty =
        db.OpenTable("select * from bearing where bh < 30 and zhch = 'B9999'");
    ASSERT_GT(empty, 0);
    EXPECT_TRUE(db.IsEOF(empty));
    EXPECT_FALSE(db.HasFailed(empty));
}

using BoundedStatements = SampleCatalogue;

// The store's own work counts, however it is spread over the steps; time spent between
// steps (the program waiting for the user) does not.
TEST_F(BoundedStatements, TheTimeLimitAddsUpTheStepsOfARecordSet) {
    db_.setQueryTimeout(20ms);
    const RecordSetHandle handle = db_.OpenTable(kEndlessRows);
    ASSERT_GT(handle, 0);
    const auto started = Clock::now();
    const long long rows = rowsUntilTheEnd(db_, handle, 20s);
    EXPECT_LT(Clock::now() - started, 10s) << "every row comes quickly, yet the whole must end";
    EXPECT_TRUE(db_.IsEOF(handle));
    EXPECT_TRUE(db_.HasFailed(handle));
    EXPECT_LT(rows, CatalogueDatabase::kMaxRows) << "ended by the time limit";

    // A cross join of a table with itself: rows without end, each one quick.
    runSql(path_,
           "INSERT INTO bearing (bh) WITH RECURSIVE c(x) AS (SELECT 100 UNION ALL "
           "SELECT x + 1 FROM c WHERE x < 2100) SELECT x FROM c;");
    ASSERT_TRUE(db_.OpenMdbDatabase(path_.string()));
    db_.setQueryTimeout(20ms);
    const RecordSetHandle crossJoin = db_.OpenTable("select * from bearing a, bearing b");
    ASSERT_GT(crossJoin, 0);
    rowsUntilTheEnd(db_, crossJoin, 20s);
    EXPECT_TRUE(db_.IsEOF(crossJoin));
    EXPECT_TRUE(db_.HasFailed(crossJoin));
}

TEST_F(BoundedStatements, TimeBetweenStepsDoesNotCountAgainstTheLimit) {
    db_.setQueryTimeout(100ms);
    const RecordSetHandle handle = db_.OpenTable("select * from bearing");
    ASSERT_GT(handle, 0);
    std::string read;
    while (!db_.IsEOF(handle)) {
        read += fieldText(db_.ReadColByName(handle, "bh")) + "|";
        std::this_thread::sleep_for(150ms);  // a message box held open, say
        db_.MoveNext(handle);
    }
    EXPECT_EQ(read, "1|7|8|");
    EXPECT_FALSE(db_.HasFailed(handle));
}

TEST_F(BoundedStatements, AResultEndsAfterAMillionRows) {
    const RecordSetHandle handle = db_.OpenTable(kEndlessRows);
    ASSERT_GT(handle, 0);
    EXPECT_EQ(rowsUntilTheEnd(db_, handle, 60s), 1'000'000);
    EXPECT_TRUE(db_.HasFailed(handle));

    const RecordSetHandle exactly = db_.OpenTable(
        "with recursive c(x) as (select 1 union all select x + 1 from c where x < 1000000) "
        "select x from c");
    EXPECT_EQ(rowsUntilTheEnd(db_, exactly, 60s), 1'000'000);
    EXPECT_FALSE(db_.HasFailed(exactly));
}

TEST_F(BoundedStatements, ACellOver64KiBIsAnError) {
    runSql(path_,
           "INSERT INTO bearing (bh, tt) VALUES (20, printf('%65536c', 'a'));"
           "INSERT INTO bearing (bh, tt) VALUES (21, printf('%65537c', 'a'));");
    ASSERT_TRUE(db_.OpenMdbDatabase(path_.string()));
    const RecordSetHandle handle = db_.OpenTable("select * from bearing where bh >= 20");
    ASSERT_GT(handle, 0);
    EXPECT_EQ(fieldText(db_.ReadColByName(handle, "tt")).size(), 65536u);
    db_.MoveNext(handle);
    EXPECT_TRUE(db_.IsEOF(handle));
    EXPECT_TRUE(db_.HasFailed(handle));

    const RecordSetHandle huge = db_.OpenTable("select zeroblob(1000000000) as z");
    EXPECT_TRUE(db_.IsEOF(huge));
    EXPECT_TRUE(db_.HasFailed(huge));
}

TEST_F(BoundedStatements, TextExpressionsAndCompoundsAreKeptSmall) {
    const std::string oneMegabyte = "select * from bearing" + std::string(1'000'000 - 21, ' ');
    EXPECT_GT(db_.OpenTable(oneMegabyte), 0);
    EXPECT_EQ(db_.OpenTable(oneMegabyte + " "), 0) << "one byte over 1 MB";

    std::string deep = "select 1";
    for (int i = 0; i < 200; ++i) {
        deep += " + 1";
    }
    EXPECT_EQ(db_.OpenTable(deep + " as n"), 0);

    std::string compound = "select 1 as n";
    for (int i = 0; i < 20; ++i) {
        compound += " union all select 1";
    }
    EXPECT_EQ(db_.OpenTable(compound), 0);

    // Search words of any sensible length still work.
    EXPECT_GT(
        db_.OpenTable("select * from bearing where newno like '%" + std::string(1000, 'x') + "%'"),
        0);
    EXPECT_EQ(sqlite3_hard_heap_limit64(-1), 256LL * 1024 * 1024);
}

TEST_F(BoundedStatements, NothingBeyondTheCatalogueCanBeReached) {
    const char* unavailable[] = {
        "select fts3_tokenizer('simple') as p",
        "select fts3_tokenizer('mine', x'0000000000000000') as p",
        "select load_extension('/nonexistent/library') as x",
        "select readfile('/etc/passwd') as x",
        "select * from dbstat",
        "select * from sqlite_dbpage",
        "select * from sqlite_master",
        "select * from pragma_table_info('bearing')",
    };
    for (const char* sql : unavailable) {
        EXPECT_EQ(db_.OpenTable(sql), 0) << sql;
    }
    EXPECT_EQ(
        columnTexts("select count(*) as n from bearing b, prjk p where b.ppai like p.ppai", "n"),
        "2");
    EXPECT_EQ(columnTexts("select upper(ppai) as p from bearing where bh = 8", "p"), "NACHI");
}

}  // namespace
}  // namespace lz::catalogue::test
