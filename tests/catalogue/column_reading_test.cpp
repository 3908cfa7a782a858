#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "tests/catalogue/sample_catalogue.h"

namespace lz::catalogue::test {
namespace {

using ColumnReading = SampleCatalogue;

TEST_F(ColumnReading, CatalogueColumnsReadAsTheListsShowThem) {
    EXPECT_EQ(columnTexts("select * from prjk", "ID"), "0|3|4|5|6.5");
    EXPECT_EQ(columnTexts("select * from prjk", "ppai"), "|NACHI|Nachi|EZO |EZO");
    EXPECT_EQ(columnTexts("select * from bearing", "bh"), "1|7|8");
    EXPECT_EQ(columnTexts("select * from bearing", "btype"), "深沟球轴承||深沟球轴承");
    EXPECT_EQ(columnTexts("select * from bearing", "zhch"), "NSK 681 轴承|SKF  51207 轴承 |X");
    EXPECT_EQ(columnTexts("select * from prgc", "id"), "-3|0");
    EXPECT_EQ(columnTexts("select * from prgc", "price"), "2.34|");
}

TEST_F(ColumnReading, ColumnsKeepTheKindOfTheirDeclaredType) {
    const RecordSetHandle bearings = db_.OpenTable("select * from bearing");
    EXPECT_EQ(db_.ReadColByName(bearings, "bh"), FieldValue(std::int32_t{1}));
    EXPECT_EQ(db_.ReadColByName(bearings, "njin"), FieldValue(std::string("1")));
    const RecordSetHandle domestic = db_.OpenTable("select * from prgc");
    EXPECT_EQ(db_.ReadColByName(domestic, "id"), FieldValue(std::int16_t{-3}));
    const RecordSetHandle imported = db_.OpenTable("select * from prjk");
    EXPECT_EQ(db_.ReadColByName(imported, "ID"), FieldValue(0.0));
    EXPECT_EQ(db_.ReadColByName(imported, "ppai"), FieldValue(std::string()));
}

TEST_F(ColumnReading, NamesMatchExactlyAndTheFirstMatchWins) {
    const RecordSetHandle imported = db_.OpenTable("select * from prjk where ID = 3");
    EXPECT_EQ(fieldText(db_.ReadColByName(imported, "ID")), "3");
    EXPECT_EQ(db_.ReadColByName(imported, "id"), FieldValue{});
    EXPECT_EQ(db_.ReadColByName(imported, "ppai "), FieldValue{});
    EXPECT_EQ(db_.ReadColByName(imported, ""), FieldValue{});

    const RecordSetHandle twice =
        db_.OpenTable("select ppai as x, newno as x from prjk where ID = 3");
    EXPECT_EQ(fieldText(db_.ReadColByName(twice, "x")), "NACHI");
}

TEST_F(ColumnReading, NothingIsReadWithoutACurrentRow) {
    EXPECT_EQ(db_.ReadColByName(0, "ID"), FieldValue{});
    EXPECT_EQ(db_.ReadColByName(12345678, "ID"), FieldValue{});
    const RecordSetHandle handle = db_.OpenTable("select * from prjk where ID = 3");
    db_.MoveNext(handle);
    ASSERT_TRUE(db_.IsEOF(handle));
    EXPECT_EQ(db_.ReadColByName(handle, "ID"), FieldValue{});
}

// The kinds the catalogue does not use still map from the declared type, and expression
// columns go by the value they hold.
TEST_F(ColumnReading, OtherDeclaredTypesAndExpressions) {
    runSql(path_, R"sql(
        CREATE TABLE kinds (b BYTE, t TINYINT, r REAL, f FLOAT, s SINGLE, d DATETIME, x BIT,
                            y BLOB, n NUMERIC(10,2), w BIGINT, dp double precision);
        INSERT INTO kinds VALUES (300, 7, 0.1, 0.1, 2.5, '2026-03-07 09:05:00', 1, x'00ff',
                                  12.5, 9000000000, 1.5);
        INSERT INTO kinds VALUES (NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL,
                                  NULL);
    )sql");
    ASSERT_TRUE(db_.OpenMdbDatabase(path_.string()));
    const RecordSetHandle handle = db_.OpenTable("select * from kinds");
    EXPECT_EQ(db_.ReadColByName(handle, "b"), FieldValue(std::uint8_t{44}));
    EXPECT_EQ(db_.ReadColByName(handle, "t"), FieldValue(std::uint8_t{7}));
    EXPECT_EQ(db_.ReadColByName(handle, "r"), FieldValue(0.1f));
    EXPECT_EQ(db_.ReadColByName(handle, "f"), FieldValue(0.1));
    EXPECT_EQ(db_.ReadColByName(handle, "s"), FieldValue(2.5f));
    EXPECT_EQ(db_.ReadColByName(handle, "d"), FieldValue(DateTime{2026, 3, 7, 9, 5, 0}));
    EXPECT_EQ(db_.ReadColByName(handle, "x"), FieldValue(true));
    EXPECT_EQ(db_.ReadColByName(handle, "y"), FieldValue(std::vector<std::uint8_t>{0, 255}));
    EXPECT_EQ(db_.ReadColByName(handle, "n"), FieldValue(std::string("12.5")));
    EXPECT_EQ(db_.ReadColByName(handle, "w"), FieldValue(std::string("9000000000")));
    EXPECT_EQ(db_.ReadColByName(handle, "dp"), FieldValue(1.5));
    db_.MoveNext(handle);
    EXPECT_EQ(db_.ReadColByName(handle, "b"), FieldValue(std::uint8_t{0}));
    EXPECT_EQ(db_.ReadColByName(handle, "r"), FieldValue(0.0f));
    EXPECT_EQ(db_.ReadColByName(handle, "d"), FieldValue(DateTime{}));
    EXPECT_EQ(db_.ReadColByName(handle, "x"), FieldValue(false));
    EXPECT_EQ(db_.ReadColByName(handle, "y"), FieldValue(std::vector<std::uint8_t>{}));
    EXPECT_EQ(db_.ReadColByName(handle, "n"), FieldValue(std::string()));

    const RecordSetHandle expressions = db_.OpenTable(
        "select count(*) as n, 9000000000 as big, 1.5 as f, 'a' || 'b' as t, x'01' as y, "
        "null as z from prjk");
    EXPECT_EQ(db_.ReadColByName(expressions, "n"), FieldValue(std::int32_t{5}));
    EXPECT_EQ(db_.ReadColByName(expressions, "big"), FieldValue(std::string("9000000000")));
    EXPECT_EQ(db_.ReadColByName(expressions, "f"), FieldValue(1.5));
    EXPECT_EQ(db_.ReadColByName(expressions, "t"), FieldValue(std::string("ab")));
    EXPECT_EQ(db_.ReadColByName(expressions, "y"), FieldValue(std::vector<std::uint8_t>{1}));
    EXPECT_EQ(db_.ReadColByName(expressions, "z"), FieldValue(std::string()));
}

// Comparisons follow the catalogue's rules: letter case is ignored by = and LIKE, and
// trailing spaces are significant.
TEST_F(ColumnReading, TextComparisonsIgnoreCaseButNotSpaces) {
    EXPECT_EQ(columnTexts("select * from prjk where ppai='NACHI'", "ppai"), "NACHI|Nachi");
    EXPECT_EQ(columnTexts("select * from prjk where ppai like 'nachi'", "newno"), "6000 C3|6001");
    EXPECT_EQ(columnTexts("select * from bearing where ppai='NACHI'", "bh"), "8");
    EXPECT_EQ(columnTexts("select * from prjk where ppai='EZO'", "newno"), "6003");
    EXPECT_EQ(columnTexts("select * from prjk where ppai='EZO '", "newno"), "6002");
    EXPECT_EQ(columnTexts("select * from prjk where ppai like 'EZO'", "newno"), "6003");
    EXPECT_EQ(columnTexts("select * from bearing where newno like '%205%'", "bh"), "8");
    // A dimension is text: only the exact text matches.
    EXPECT_EQ(columnTexts("select * from bearing where njin='25'", "bh"), "8");
    EXPECT_EQ(columnTexts("select * from bearing where njin='25.0'", "bh"), "");
}

}  // namespace
}  // namespace lz::catalogue::test
