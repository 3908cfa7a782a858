// The statement of rows in a given order, run on a catalogue: the order given is the order
// listed, whatever order the table holds them in.
#include "query/sql/interchange_sql.h"

#include <gtest/gtest.h>

#include <sqlite3.h>

#include <string>
#include <vector>

namespace lz::query::sql {
namespace {

using Ids = std::vector<std::int32_t>;

TEST(BearingRowsInOrder, NamesTheRowsAndTheirOrder) {
    EXPECT_EQ(composeBearingRowsInOrder(Ids{26554, 4370, 4369}),
              "select * from bearing where bh in (26554,4370,4369) order by case bh when 26554 "
              "then 0 when 4370 then 1 when 4369 then 2 end");
    EXPECT_EQ(composeBearingRowsInOrder(Ids{7}), "select * from bearing where bh in (7)");
    EXPECT_EQ(composeBearingRowsInOrder(Ids{5, 3, 5, -2}),
              "select * from bearing where bh in (5,3,-2) order by case bh when 5 then 0 when 3 "
              "then 1 when -2 then 2 end");
    EXPECT_EQ(composeBearingRowsInOrder(Ids{}), std::nullopt);
}

std::vector<int> runOrder(const std::string& sql) {
    sqlite3* db = nullptr;
    EXPECT_EQ(sqlite3_open(":memory:", &db), SQLITE_OK);
    EXPECT_EQ(sqlite3_exec(db,
                           "create table bearing (bh integer primary key, newno text);"
                           "insert into bearing values (1,'a'),(2,'b'),(3,'c'),(4,'d'),(5,'e');",
                           nullptr, nullptr, nullptr),
              SQLITE_OK);
    sqlite3_stmt* statement = nullptr;
    EXPECT_EQ(sqlite3_prepare_v2(db, sql.c_str(), -1, &statement, nullptr), SQLITE_OK) << sql;
    std::vector<int> rows;
    while (sqlite3_step(statement) == SQLITE_ROW) {
        rows.push_back(sqlite3_column_int(statement, 0));
    }
    sqlite3_finalize(statement);
    sqlite3_close(db);
    return rows;
}

TEST(BearingRowsInOrder, TheCatalogueGivesTheRowsInThatOrder) {
    EXPECT_EQ(runOrder(*composeBearingRowsInOrder(Ids{4, 1, 5, 2})),
              (std::vector<int>{4, 1, 5, 2}));
    EXPECT_EQ(runOrder(*composeBearingRowsInOrder(Ids{3, 9, 1})), (std::vector<int>{3, 1}))
        << "a row the table lacks is left out";
}

}  // namespace
}  // namespace lz::query::sql
