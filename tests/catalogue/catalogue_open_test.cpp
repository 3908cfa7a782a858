#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "catalogue/catalogue_database.h"
#include "catalogue/image/catalogue_image.h"
#include "tests/catalogue/sample_catalogue.h"
#include "tests/support/small_catalogue.h"
#include "tests/support/temp_dir.h"

namespace lz::catalogue::test {
namespace {

namespace fs = std::filesystem;

int fileCount(const fs::path& dir) {
    int count = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(dir)) {
        ++count;
    }
    return count;
}

TEST(OpenMdbDatabase, FailsWithoutCreatingAnythingWhenTheFileIsNoCatalogue) {
    lz::test::TempDir dir;
    {
        std::ofstream text(dir.path() / "notes.db");
        text << "not a database, just some text that is long enough to look like a header\n";
    }
    runSql(dir.path() / "partial.db",
           "CREATE TABLE bearing (bh INTEGER); CREATE TABLE prgc (id SMALLINT);");
    { std::ofstream empty(dir.path() / "empty.db"); }
    const int filesBefore = fileCount(dir.path());

    for (const char* name : {"missing.db", "notes.db", "partial.db", "empty.db"}) {
        CatalogueDatabase db;
        EXPECT_FALSE(db.OpenMdbDatabase((dir.path() / name).string())) << name;
        EXPECT_FALSE(db.isConnected()) << name;
        EXPECT_EQ(db.connectionString(), "") << name;
        EXPECT_EQ(db.OpenTable("select * from bearing"), 0) << name;
    }
    CatalogueDatabase db;
    EXPECT_FALSE(db.OpenMdbDatabase(""));
    EXPECT_FALSE(db.OpenMdbDatabase(":memory:"));
    EXPECT_FALSE(db.OpenMdbDatabase((dir.path() / "missing.db").string(), "", "", true));
    EXPECT_FALSE(db.OpenMdbDatabase(dir.path().string()));
    EXPECT_EQ(fileCount(dir.path()), filesBefore);
    EXPECT_FALSE(fs::exists(dir.path() / "missing.db"));
}

TEST(OpenMdbDatabase, RefusesAPathTheConnectionStringCannotCarry) {
    lz::test::TempDir dir;
    ASSERT_TRUE(lz::test::writeSmallCatalogue((dir.path() / "a").string(), ""));
    ASSERT_TRUE(lz::test::writeSmallCatalogue((dir.path() / "a;b.db").string(), ""));
    CatalogueDatabase db;
    EXPECT_FALSE(db.OpenMdbDatabase((dir.path() / "a;b.db").string()));
}

TEST(OpenMdbDatabase, OpensTheEmbeddedCatalogue) {
    lz::test::TempDir dir;
    const fs::path path = dir.path() / "bearing.db";
    {
        const auto image = catalogueImage();
        std::ofstream out(path, std::ios::binary);
        out.write(reinterpret_cast<const char*>(image.data()),
                  static_cast<std::streamsize>(image.size()));
    }
    CatalogueDatabase db;
    ASSERT_TRUE(db.OpenMdbDatabase(path.string(), "", "kav07231964", false, true));
    const RecordSetHandle handle =
        db.OpenTable("select zhch,bh,newno,oldno,njin,wjin,gdu,ppai,btype,tt from bearing");
    ASSERT_FALSE(db.IsEOF(handle));
    EXPECT_FALSE(fieldText(db.ReadColByName(handle, "zhch")).empty());
}

using OpenAgain = SampleCatalogue;

TEST_F(OpenAgain, ComposesTheConnectionStringFromTheArguments) {
    EXPECT_EQ(db_.connectionString(),
              "ODBC;DBQ=" + path_.string() + ";DefaultDir=" + dir_.path().string() +
                  ";Driver={Microsoft Access Driver (*.mdb)};FIL=MS Access;PWD=kav07231964;");
    ASSERT_TRUE(db_.OpenMdbDatabase(path_.string(), "admin", "", true));
    EXPECT_EQ(db_.connectionString(), "ODBC;DBQ=" + path_.string() +
                                          ";DefaultDir=" + dir_.path().string() +
                                          ";Driver={Microsoft Access Driver (*.mdb)};"
                                          "FIL=MS Access;UID=admin;");
    db_.CloseDatabase();
    EXPECT_FALSE(db_.isConnected());
    EXPECT_EQ(db_.connectionString(), "");
}

TEST_F(OpenAgain, AFailedOpenKeepsTheEarlierConnection) {
    const RecordSetHandle handle = db_.OpenTable("select * from prjk");
    EXPECT_FALSE(db_.OpenMdbDatabase((dir_.path() / "missing.db").string()));
    EXPECT_TRUE(db_.isConnected());
    EXPECT_FALSE(db_.IsEOF(handle));
    db_.MoveNext(handle);
    EXPECT_EQ(fieldText(db_.ReadColByName(handle, "ID")), "3");
    EXPECT_EQ(columnTexts("select * from bearing", "bh"), "1|7|8");
}

TEST_F(OpenAgain, ASuccessfulOpenClosesTheEarlierRecordSets) {
    const fs::path other = dir_.path() / "other.db";
    ASSERT_TRUE(
        lz::test::writeSmallCatalogue(other.string(), "INSERT INTO bearing (bh) VALUES (42);"));
    const RecordSetHandle first = db_.OpenTable("select * from bearing");
    const RecordSetHandle second = db_.OpenTable("select * from prjk");

    ASSERT_TRUE(db_.OpenMdbDatabase(other.string()));
    EXPECT_EQ(db_.openRecordSetCount(), 0);
    EXPECT_TRUE(db_.IsEOF(first));
    EXPECT_EQ(db_.ReadColByName(second, "ID"), FieldValue{});
    const RecordSetHandle third = db_.OpenTable("select * from bearing");
    EXPECT_NE(third, first);
    EXPECT_NE(third, second);
    EXPECT_EQ(fieldText(db_.ReadColByName(third, "bh")), "42");
}

TEST_F(OpenAgain, AReadOnlyConnectionReadsAsUsual) {
    EXPECT_FALSE(db_.isReadOnly());
    ASSERT_TRUE(db_.OpenMdbDatabase(path_.string(), "", "", true));
    EXPECT_TRUE(db_.isReadOnly());
    EXPECT_EQ(columnTexts("select * from prjk where ppai='nachi'", "newno"), "6000 C3|6001");
    fs::permissions(path_, fs::perms::owner_read, fs::perm_options::replace);
    CatalogueDatabase readOnly;
    EXPECT_TRUE(readOnly.OpenMdbDatabase(path_.string(), "", "", true));
}

// The read-only open names the file through a URI: characters that mean something there
// stay part of the name, and a name that does not exist is no other file.
TEST(OpenMdbDatabase, AReadOnlyOpenFindsNamesWithUriCharacters) {
    lz::test::TempDir dir;
    const fs::path odd = dir.path() / "a?b#c%20d.db";
    ASSERT_TRUE(
        lz::test::writeSmallCatalogue(odd.string(), "INSERT INTO bearing (bh) VALUES (9);"));
    ASSERT_TRUE(lz::test::writeSmallCatalogue((dir.path() / "a").string(), ""));
    CatalogueDatabase db;
    ASSERT_TRUE(db.OpenMdbDatabase(odd.string(), "", "", true));
    const RecordSetHandle handle = db.OpenTable("select bh from bearing");
    EXPECT_EQ(fieldText(db.ReadColByName(handle, "bh")), "9");
    EXPECT_FALSE(db.OpenMdbDatabase((dir.path() / "a?b").string(), "", "", true));
    EXPECT_FALSE(db.OpenMdbDatabase((dir.path() / "a#b").string(), "", "", true));
    EXPECT_EQ(fileCount(dir.path()), 2) << "nothing created beside the files";
}

}  // namespace
}  // namespace lz::catalogue::test
