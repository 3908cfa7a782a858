// The key index: which rows a typed designation names, on a few rows written here and on
// the shipped catalogue.
#include "designation/designation_index.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "catalogue/catalogue_database.h"
#include "catalogue/image/catalogue_image.h"
#include "tests/support/damaged_catalogue.h"
#include "tests/support/temp_dir.h"

namespace lz::designation {
namespace {

using Ids = std::vector<std::int32_t>;

const std::vector<DesignationRow> kRows = {
    {1, "6205-2RS", "180205", "6205DDU"},
    {2, "6205-2RS", "180205", "6205LLU"},
    {3, "6205-2RS/C3", "6205-2RS/C3", "6205DDUC3"},
    {4, "6205-2RZ", "", "6205VV"},
    {5, "6205-2RS", "", "6205-2RSH"},
    {6, "", "X1", "ABC"},
    {7, "", "X2", "ABC"},
    {8, "605-2Z", "80015", "605ZZ"},
    {9, "6052-Z", "60152", "6052-Z"},
    {10, "N 205", "2205", "N205"},
    {11, "2205", "1505", "2205"},
};

TEST(DesignationIndex, FindsTheRowsAndEveryRowOfTheirNewDesignation) {
    const DesignationIndex index(kRows);
    EXPECT_EQ(index.rowCount(), 11u);
    for (const char* typed :
         {"6205llu", "6205 LLU", "６２０５ＬＬＵ", "6205DDU", "6205-2RSH", "6205-2RS", "180205"}) {
        EXPECT_EQ(index.lookup(typed), (Ids{1, 2, 5})) << typed;
    }
    EXPECT_EQ(index.lookup("6205vv"), (Ids{4}));
    EXPECT_EQ(index.lookup("6205-2RS C3"), (Ids{3}));
}

TEST(DesignationIndex, RowsWithoutNewDesignationShareNothing) {
    const DesignationIndex index(kRows);
    EXPECT_EQ(index.lookup("abc"), (Ids{6, 7}));
    EXPECT_EQ(index.lookup("x1"), (Ids{6}));
}

TEST(DesignationIndex, OldAndNewWritingsOfOneCodeBothCount) {
    // "2205" is the old code of N 205 and the new code of a self-aligning ball bearing:
    // whoever holds a bearing stamped 2205 may hold either.
    const DesignationIndex index(kRows);
    EXPECT_EQ(index.lookup("2205"), (Ids{10, 11}));
    EXPECT_EQ(index.lookup("N205"), (Ids{10}));
}

TEST(DesignationIndex, DifferentFeaturesFindDifferentRows) {
    const DesignationIndex index(kRows);
    EXPECT_EQ(index.lookup("605-2Z"), (Ids{8}));
    EXPECT_EQ(index.lookup("6052-Z"), (Ids{9}));
    EXPECT_EQ(index.lookup("6205-2RZ"), (Ids{4}));
}

TEST(DesignationIndex, NothingToLookForFindsNothing) {
    const DesignationIndex index(kRows);
    for (const char* typed : {"", "  ", "-/", "9999", "6205", "'; drop table bearing; --"}) {
        EXPECT_TRUE(index.lookup(typed).empty()) << typed;
    }
    EXPECT_TRUE(DesignationIndex(std::vector<DesignationRow>{}).lookup("6205").empty());
}

TEST(DesignationIndex, StatementListsTheRowsByTheirIdentity) {
    EXPECT_EQ(composeBearingRowsSearch(Ids{3, 17, 29}),
              "select * from bearing where bh in (3,17,29)");
    EXPECT_EQ(composeBearingRowsSearch(Ids{7}), "select * from bearing where bh in (7)");
    EXPECT_EQ(composeBearingRowsSearch(Ids{}), std::nullopt);
}

TEST(DesignationIndex, NoIndexWithoutACatalogue) {
    catalogue::CatalogueDatabase closed;
    EXPECT_FALSE(DesignationIndex::build(closed).has_value());
}

// An index missing the rows behind a read error would answer for them "no such bearing".
TEST(DesignationIndex, NoIndexFromATableThatFailsToReadOnAnyRow) {
    test::TempDir dir;
    const std::string path = (dir.path() / "damaged.db").string();
    ASSERT_GT(test::writeCatalogueWithADamagedPage(path, 400), 0);
    catalogue::CatalogueDatabase database;
    ASSERT_TRUE(database.OpenMdbDatabase(path));
    EXPECT_FALSE(DesignationIndex::build(database).has_value()) << "part way";
    EXPECT_EQ(database.openRecordSetCount(), 0);

    database.setQueryTimeout(std::chrono::milliseconds(0));
    EXPECT_FALSE(DesignationIndex::build(database).has_value()) << "on the first row";
    EXPECT_EQ(database.openRecordSetCount(), 0);
}

TEST(DesignationIndex, NoRowsOfATableThatFailsPartWay) {
    test::TempDir dir;
    const std::string path = (dir.path() / "damaged.db").string();
    ASSERT_GT(test::writeCatalogueWithADamagedPage(path, 400), 29);
    catalogue::CatalogueDatabase database;
    ASSERT_TRUE(database.OpenMdbDatabase(path));
    EXPECT_FALSE(readDesignationRows(database).has_value());
    EXPECT_EQ(database.openRecordSetCount(), 0);
    catalogue::CatalogueDatabase closed;
    EXPECT_FALSE(readDesignationRows(closed).has_value());
}

// ---- The shipped catalogue -------------------------------------------------------------

class DesignationIndexOnTheCatalogue : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        dir_ = new test::TempDir;
        const std::string path = (dir_->path() / "bearing.mdb").string();
        const auto image = catalogue::catalogueImage();
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(image.data()),
                   static_cast<std::streamsize>(image.size()));
        database_ = new catalogue::CatalogueDatabase;
        ASSERT_TRUE(database_->OpenMdbDatabase(path));
        auto built = DesignationIndex::build(*database_);
        ASSERT_TRUE(built.has_value());
        index_ = new DesignationIndex(std::move(*built));
    }
    static void TearDownTestSuite() {
        delete index_;
        delete database_;
        delete dir_;
    }

    // (ppai, newno, ckxh) of the rows the statement for `ids` lists.
    static std::set<std::tuple<std::string, std::string, std::string>> rowsOf(const Ids& ids) {
        std::set<std::tuple<std::string, std::string, std::string>> rows;
        const auto sql = composeBearingRowsSearch(ids);
        if (!sql) {
            return rows;
        }
        const auto handle = database_->OpenTable(*sql);
        EXPECT_NE(handle, 0) << *sql;
        for (database_->MoveFirst(handle); !database_->IsEOF(handle); database_->MoveNext(handle)) {
            rows.emplace(catalogue::fieldText(database_->ReadColByName(handle, "ppai")),
                         catalogue::fieldText(database_->ReadColByName(handle, "newno")),
                         catalogue::fieldText(database_->ReadColByName(handle, "ckxh")));
        }
        database_->CloseTable(handle);
        return rows;
    }

    static inline test::TempDir* dir_ = nullptr;
    static inline catalogue::CatalogueDatabase* database_ = nullptr;
    static inline DesignationIndex* index_ = nullptr;
};

TEST_F(DesignationIndexOnTheCatalogue, IndexesEveryBearingAndLeavesNoRecordSetOpen) {
    EXPECT_EQ(index_->rowCount(), 59188u);
    EXPECT_EQ(database_->openRecordSetCount(), 0);
}

TEST_F(DesignationIndexOnTheCatalogue, AStampedDesignationFindsItsInterchangeableBearings) {
    const Ids found = index_->lookup("6205llu");
    EXPECT_EQ(index_->lookup("6205 LLU"), found);
    EXPECT_EQ(index_->lookup("６２０５ＬＬＵ"), found);

    const auto rows = rowsOf(found);
    EXPECT_EQ(rows.size(), found.size());
    EXPECT_TRUE(rows.contains({"NSK", "6205-2RS", "6205DDU"}));
    EXPECT_TRUE(rows.contains({"NTN", "6205-2RS", "6205LLU"}));
    EXPECT_TRUE(rows.contains({"SKF", "6205-2RS", "6205-2RSH"}));
    for (const auto& [brand, newno, ckxh] : rows) {
        EXPECT_EQ(newno, "6205-2RS") << brand << " " << ckxh;
    }
}

TEST_F(DesignationIndexOnTheCatalogue, NeighboursInWritingAreNotInterchangeable) {
    for (const auto& [typed, newno] : std::vector<std::pair<std::string, std::string>>{
             {"605-2Z", "605-2Z"}, {"6052-Z", "6052-Z"}, {"62/22", "62/22"}, {"6222", "6222"}}) {
        const auto rows = rowsOf(index_->lookup(typed));
        EXPECT_FALSE(rows.empty()) << typed;
        for (const auto& row : rows) {
            EXPECT_EQ(std::get<1>(row), newno) << typed << ": " << std::get<2>(row);
        }
    }
}

}  // namespace
}  // namespace lz::designation
