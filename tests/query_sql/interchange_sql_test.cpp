// The interchange statement: one common designation, quoted safely.
#include "query/sql/interchange_sql.h"

#include <gtest/gtest.h>

namespace lz::query::sql {
namespace {

TEST(InterchangeSearch, ListsTheRowsOfOneCommonDesignation) {
    EXPECT_EQ(composeInterchangeSearch("6205-2RS"),
              "select * from bearing where newno = '6205-2RS'");
    EXPECT_EQ(composeInterchangeSearch("NUP 1004 E/C3"),
              "select * from bearing where newno = 'NUP 1004 E/C3'");
    EXPECT_EQ(composeInterchangeSearch("6205'; drop table bearing; --"),
              "select * from bearing where newno = '6205''; drop table bearing; --'");
    EXPECT_EQ(composeInterchangeSearch(""), std::nullopt);
}

}  // namespace
}  // namespace lz::query::sql
