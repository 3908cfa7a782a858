#pragma once

#include <gtest/gtest.h>

#include <sqlite3.h>

#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>

#include "catalogue/catalogue_database.h"
#include "tests/support/small_catalogue.h"
#include "tests/support/temp_dir.h"

namespace lz::catalogue::test {

// A few rows of each table, chosen for the cases the access layer must get right: NULLs,
// whole numbers in the double column, letter case and trailing spaces in text.
inline constexpr const char* kSampleRows = R"sql(
INSERT INTO bearing VALUES (1,'NSK 681 轴承','618/1','1000481','1','3','1','681','NSK',
    '深沟球轴承','深沟球轴承 （60000 型）',NULL);
INSERT INTO bearing VALUES (7,'SKF  51207 轴承 ','51207','8207','35','62','18','51207','SKF',
    NULL,NULL,NULL);
INSERT INTO bearing VALUES (8,'X','6205','205','25','52','15','6205','Nachi','深沟球轴承',
    '','');
INSERT INTO prgc VALUES (-3,'24','624','2','2.34','哈尔滨');
INSERT INTO prgc VALUES (NULL,'HZ','20',NULL,NULL,'20');
INSERT INTO prjk VALUES (NULL,NULL,'深沟球轴承（62XX系列）','0','0');
INSERT INTO prjk VALUES (3.0,'NACHI','6000 C3','5.3','6.201');
INSERT INTO prjk VALUES (4,'Nachi','6001','5.4','6.3');
INSERT INTO prjk VALUES (5,'EZO ','6002','1','2');
INSERT INTO prjk VALUES (6.5,'EZO','6003','1','2');
)sql";

// Runs `sql` on the database at `path`, creating the file when it is missing: for databases
// that are deliberately not catalogues, and for tables beside the catalogue's.
inline void runSql(const std::filesystem::path& path, std::string_view sql) {
    sqlite3* db = nullptr;
    const bool ok =
        sqlite3_open(path.c_str(), &db) == SQLITE_OK &&
        sqlite3_exec(db, std::string(sql).c_str(), nullptr, nullptr, nullptr) == SQLITE_OK;
    sqlite3_close(db);
    if (!ok) {
        throw std::runtime_error("SQL failed on " + path.string());
    }
}

class SampleCatalogue : public ::testing::Test {
protected:
    SampleCatalogue() {
        if (!lz::test::writeSmallCatalogue(path_.string(), kSampleRows)) {
            throw std::runtime_error("cannot write the sample catalogue");
        }
        opened_ = db_.OpenMdbDatabase(path_.string(), "", "kav07231964", false, true);
    }

    void SetUp() override { ASSERT_TRUE(opened_); }

    // The texts of `column` in every row of `sql`, joined by '|'.
    std::string columnTexts(const std::string& sql, const std::string& column) {
        const RecordSetHandle handle = db_.OpenTable(sql);
        std::string texts;
        for (int row = 0; !db_.IsEOF(handle); db_.MoveNext(handle), ++row) {
            texts += (row > 0 ? "|" : "") + fieldText(db_.ReadColByName(handle, column));
        }
        db_.CloseTable(handle);
        return texts;
    }

    lz::test::TempDir dir_;
    std::filesystem::path path_ = dir_.path() / "bearing.db";
    CatalogueDatabase db_;

private:
    bool opened_ = false;
};

}  // namespace lz::catalogue::test
