#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "tests/catalogue/sample_catalogue.h"

namespace lz::catalogue::test {
namespace {

using RecordSets = SampleCatalogue;

TEST_F(RecordSets, StandOnTheFirstRowAndMoveForward) {
    const RecordSetHandle handle = db_.OpenTable("select * from bearing");
    ASSERT_GT(handle, 0);
    EXPECT_FALSE(db_.IsEOF(handle));
    EXPECT_EQ(fieldText(db_.ReadColByName(handle, "bh")), "1");
    db_.MoveFirst(handle);  // already there
    EXPECT_EQ(fieldText(db_.ReadColByName(handle, "bh")), "1");
    db_.MoveNext(handle);
    db_.MoveNext(handle);
    EXPECT_EQ(fieldText(db_.ReadColByName(handle, "bh")), "8");
    db_.MoveNext(handle);
    EXPECT_TRUE(db_.IsEOF(handle));
    db_.MoveNext(handle);  // past the end: nothing happens
    EXPECT_TRUE(db_.IsEOF(handle));
    db_.MoveFirst(handle);
    EXPECT_FALSE(db_.IsEOF(handle));
    EXPECT_EQ(fieldText(db_.ReadColByName(handle, "bh")), "1");
}

TEST_F(RecordSets, AnEmptyResultIsAtItsEndAtOnce) {
    const RecordSetHandle handle = db_.OpenTable("select * from bearing where newno like '%9999%'");
    ASSERT_GT(handle, 0);
    EXPECT_TRUE(db_.IsEOF(handle));
    EXPECT_FALSE(db_.HasFailed(handle)) << "no match is no failure";
    db_.MoveFirst(handle);
    EXPECT_TRUE(db_.IsEOF(handle));
    db_.MoveNext(handle);
    EXPECT_TRUE(db_.IsEOF(handle));
    EXPECT_EQ(db_.openRecordSetCount(), 1);
}

TEST_F(RecordSets, UnknownHandlesAreIgnored) {
    const RecordSetHandle open = db_.OpenTable("select * from prjk");
    const RecordSetHandle closed = db_.OpenTable("select * from prjk");
    db_.CloseTable(closed);
    for (const RecordSetHandle unknown : {0, -1, closed, closed + 1000}) {
        EXPECT_TRUE(db_.IsEOF(unknown));
        db_.MoveFirst(unknown);
        db_.MoveNext(unknown);
        EXPECT_EQ(db_.ReadColByName(unknown, "ppai"), FieldValue{});
    }
    db_.CloseTable(-1);
    db_.CloseTable(closed);
    EXPECT_EQ(db_.openRecordSetCount(), 1);
    EXPECT_FALSE(db_.IsEOF(open));
}

TEST_F(RecordSets, RecordSetsOfOneConnectionAreIndependent) {
    const RecordSetHandle first = db_.OpenTable("select * from prjk");
    const RecordSetHandle second = db_.OpenTable("select * from prjk");
    db_.MoveNext(first);
    db_.MoveNext(first);
    EXPECT_EQ(fieldText(db_.ReadColByName(first, "ID")), "4");
    EXPECT_EQ(fieldText(db_.ReadColByName(second, "ID")), "0");
    db_.CloseTable(second);
    db_.MoveNext(first);
    EXPECT_EQ(fieldText(db_.ReadColByName(first, "ID")), "5");
}

TEST_F(RecordSets, ThirtySlotsAndHandlesThatAreNeverReused) {
    std::vector<RecordSetHandle> handles;
    for (int i = 0; i < CatalogueDatabase::kRecordSetSlots; ++i) {
        handles.push_back(db_.OpenTable("select * from prgc"));
        ASSERT_GT(handles.back(), 0);
    }
    EXPECT_EQ(db_.OpenTable("select * from prgc"), 0);
    db_.CloseTable(handles.front());
    const RecordSetHandle reopened = db_.OpenTable("select * from prgc");
    EXPECT_GT(reopened, 0);
    for (const RecordSetHandle handle : handles) {
        EXPECT_NE(reopened, handle);
    }
    EXPECT_TRUE(db_.IsEOF(handles.front()));

    db_.CloseTable(0);
    EXPECT_EQ(db_.openRecordSetCount(), 0);
    EXPECT_TRUE(db_.IsEOF(handles.back()));
    EXPECT_GT(db_.OpenTable("select * from prgc"), 0);
    db_.CloseTable();
    EXPECT_EQ(db_.openRecordSetCount(), 0);
}

TEST_F(RecordSets, RejectedStatementsGiveNoHandle) {
    const char* rejected[] = {
        "",
        "   ",
        "-- nothing but a comment",
        "selec * from bearing",
        "select * from bearing where ppai='NSK",  // a quote typed into a search box
        "select * from nosuch",
        "select [nosuch] from bearing",
        "select \"nosuch\" from bearing",
        "delete from bearing",
        "update prjk set ppai = 'x'",
        "insert into prgc (id) values (1)",
        "create table t (a)",
        "drop table prgc",
        "pragma table_info(bearing)",
        "attach database 'other.db' as other",
        "begin",
        "select * from bearing; delete from bearing",
        "select * from bearing; select * from prjk",
        "select * from bearing x y z",
    };
    for (const char* sql : rejected) {
        EXPECT_EQ(db_.OpenTable(sql), 0) << sql;
    }
    EXPECT_EQ(db_.openRecordSetCount(), 0);
    EXPECT_EQ(columnTexts("select * from bearing", "bh"), "1|7|8");
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::current_path() / "other.db"));
}

TEST_F(RecordSets, AcceptsOneStatementWithBracketsAndTrailingSeparators) {
    EXPECT_GT(db_.OpenTable("select [bh] from [bearing] where [ppai] = 'NSK' ;; \n"), 0);
    EXPECT_GT(db_.OpenTable("with x as (select 1 as n) select n from x"), 0);
    EXPECT_EQ(columnTexts("select [zhch] from bearing where newno like '618/1'", "zhch"),
              "NSK 681 轴承");
}

TEST_F(RecordSets, AStatementThatRunsTooLongIsAbandoned) {
    db_.setQueryTimeout(std::chrono::milliseconds(20));
    const char* endless =
        "with recursive c(x) as (select 1 union all select x + 1 from c where x < 2000000000) ";

    // The first row never comes: failed, not empty.
    const RecordSetHandle maximum =
        db_.OpenTable(std::string(endless) + "select max(x) as x from c");
    ASSERT_GT(maximum, 0);
    EXPECT_TRUE(db_.IsEOF(maximum));
    EXPECT_TRUE(db_.HasFailed(maximum));

    // The first row comes at once; the step to the next one runs into the limit.
    const RecordSetHandle handle =
        db_.OpenTable(std::string(endless) + "select x from c where x = 1 or x = 2000000000");
    ASSERT_GT(handle, 0);
    EXPECT_EQ(fieldText(db_.ReadColByName(handle, "x")), "1");
    db_.MoveNext(handle);
    EXPECT_TRUE(db_.IsEOF(handle));

    // The connection stays usable.
    EXPECT_EQ(columnTexts("select * from bearing", "bh"), "1|7|8");
}

}  // namespace
}  // namespace lz::catalogue::test
