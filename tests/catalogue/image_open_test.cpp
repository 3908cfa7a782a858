// Opening the catalogue straight from its bytes in memory, as the command-line look-up does:
// it reads as a deployed file reads, stays read-only, and touches neither the bytes nor the
// disk.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "catalogue/catalogue_database.h"
#include "catalogue/image/catalogue_image.h"
#include "tests/catalogue/sample_catalogue.h"

namespace lz::catalogue::test {
namespace {

namespace fs = std::filesystem;

class ImageOpen : public SampleCatalogue {
protected:
    ImageOpen() {
        std::ifstream in(path_, std::ios::binary);
        const std::vector<char> bytes((std::istreambuf_iterator<char>(in)),
                                      std::istreambuf_iterator<char>());
        for (const char c : bytes) {
            image_.push_back(static_cast<std::byte>(c));
        }
        fs::remove(path_);  // from here on only the bytes in memory exist
    }

    std::string texts(CatalogueDatabase& db, const std::string& sql, const std::string& column) {
        const RecordSetHandle handle = db.OpenTable(sql);
        std::string joined;
        for (int row = 0; !db.IsEOF(handle); db.MoveNext(handle), ++row) {
            joined += (row > 0 ? "|" : "") + fieldText(db.ReadColByName(handle, column));
        }
        db.CloseTable(handle);
        return joined;
    }

    std::vector<std::byte> image_;
};

TEST_F(ImageOpen, ReadsAsTheDeployedFileReads) {
    CatalogueDatabase db;
    ASSERT_TRUE(db.openImage(image_));
    EXPECT_TRUE(db.isConnected());
    EXPECT_EQ(db.connectionString(), "");
    EXPECT_EQ(texts(db, "select * from bearing", "bh"), "1|7|8");
    EXPECT_EQ(texts(db, "select * from prjk where ppai='nachi'", "ID"), "3|4");
    EXPECT_EQ(texts(db, "select * from prgc", "id"), "-3|0");
    EXPECT_EQ(texts(db, "select * from bearing where njin='35'", "zhch"), "SKF  51207 轴承 ");
    // Sorting a whole table works without the temporary files a file database would use.
    EXPECT_EQ(texts(db, "select * from prjk order by newno desc", "newno"),
              "深沟球轴承（62XX系列）|6003|6002|6001|6000 C3");
}

TEST_F(ImageOpen, RefusesEverythingButReadingAndLeavesTheBytesAsTheyWere) {
    const std::vector<std::byte> before = image_;
    lz::test::TempDir elsewhere;
    const fs::path attached = elsewhere.path() / "other.db";
    CatalogueDatabase db;
    ASSERT_TRUE(db.openImage(image_));
    for (const std::string& sql :
         {std::string("delete from bearing"), std::string("update prjk set price='0'"),
          std::string("insert into prgc (id) values (1)"), std::string("drop table prjk"),
          std::string("pragma journal_mode=wal"),
          std::string("vacuum into '") + (elsewhere.path() / "copy.db").string() + "'",
          "attach database '" + attached.string() + "' as other"}) {
        EXPECT_EQ(db.OpenTable(sql), 0) << sql;
    }
    EXPECT_EQ(texts(db, "select * from bearing", "bh"), "1|7|8");
    db.CloseDatabase();
    EXPECT_TRUE(before == image_);
    EXPECT_TRUE(fs::is_empty(elsewhere.path()));
}

TEST_F(ImageOpen, BytesThatAreNoCatalogueFailAndKeepTheEarlierConnection) {
    CatalogueDatabase db;
    ASSERT_TRUE(db.openImage(image_));
    const RecordSetHandle open = db.OpenTable("select * from bearing");

    const std::vector<std::byte> text(4096, std::byte{'x'});
    const std::vector<std::byte> cut(image_.begin(), image_.begin() + 100);
    std::vector<std::byte> otherDatabase;
    {
        const fs::path path = dir_.path() / "plain.db";
        runSql(path, "CREATE TABLE bearing (bh INTEGER);");
        std::ifstream in(path, std::ios::binary);
        for (std::istreambuf_iterator<char> it(in), end; it != end; ++it) {
            otherDatabase.push_back(static_cast<std::byte>(*it));
        }
    }
    for (const std::vector<std::byte>* bytes :
         std::initializer_list<const std::vector<std::byte>*>{&text, &cut, &otherDatabase}) {
        EXPECT_FALSE(db.openImage(*bytes));
    }
    EXPECT_FALSE(db.openImage({}));
    EXPECT_TRUE(db.isConnected());
    EXPECT_FALSE(db.IsEOF(open));
    EXPECT_EQ(fieldText(db.ReadColByName(open, "bh")), "1");

    CatalogueDatabase never;
    EXPECT_FALSE(never.openImage(text));
    EXPECT_FALSE(never.isConnected());
}

// What was read on one connection (the window's key index, say) is kept by its serial: a
// connection from bytes must have a serial of its own, as one from a file has.
TEST_F(ImageOpen, EveryConnectionHasASerialOfItsOwn) {
    CatalogueDatabase db;
    EXPECT_EQ(db.connectionSerial(), 0u);
    ASSERT_TRUE(db.openImage(image_));
    const std::uint64_t first = db.connectionSerial();
    EXPECT_NE(first, 0u);
    ASSERT_TRUE(db.openImage(image_));
    const std::uint64_t second = db.connectionSerial();
    EXPECT_NE(second, 0u);
    EXPECT_NE(second, first);
    EXPECT_FALSE(db.openImage({}));
    EXPECT_EQ(db.connectionSerial(), second) << "a failed open keeps the connection";
    db.CloseDatabase();
    EXPECT_EQ(db.connectionSerial(), 0u);
}

TEST(ImageOpenShipped, TheEmbeddedCatalogueOpensInPlace) {
    CatalogueDatabase db;
    ASSERT_TRUE(db.openImage(catalogueImage()));
    const RecordSetHandle handle = db.OpenTable("select * from bearing where bh=59188");
    ASSERT_FALSE(db.IsEOF(handle));
    EXPECT_EQ(fieldText(db.ReadColByName(handle, "bh")), "59188");
}

}  // namespace
}  // namespace lz::catalogue::test
