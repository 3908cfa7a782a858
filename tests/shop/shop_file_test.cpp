#include <gtest/gtest.h>
#include <sqlite3.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "shop/shop_messages.h"
#include "shop/store/backups.h"
#include "shop/store/shop_file.h"
#include "tests/shop/fixture_files.h"
#include "tests/shop/shop_file_fixture.h"

namespace lz::shop {
namespace {

namespace fs = std::filesystem;

using test::fileBytes;
using test::queryInteger;
using test::writeBytes;

StockLine line(int sourceLine, const char* designation, const char* brand = "") {
    StockLine stock;
    stock.sourceLine = sourceLine;
    stock.designation = designation;
    stock.brand = brand;
    stock.quantity = sourceLine;
    stock.priceFen = 1000 + sourceLine;
    return stock;
}

std::vector<StockLine> someLines(int count, const char* prefix = "62") {
    std::vector<StockLine> lines;
    for (int k = 1; k <= count; ++k) {
        lines.push_back(line(k + 1, (prefix + std::to_string(k)).c_str(), "NSK"));
    }
    return lines;
}

class ShopFileTest : public test::ShopFileFixture {
protected:
    fs::path backups() const { return dir_.path() / "backups"; }
};

TEST_F(ShopFileTest, ANewFileIsOursWithARollbackJournalAndKeepsWhatIsImported) {
    {
        auto opening = ShopFile::open(path());
        ASSERT_EQ(opening.status, ShopFileStatus::Ready);
        EXPECT_TRUE(opening.created);
        EXPECT_FALSE(opening.upgraded);
        std::vector<StockLine> lines = {line(2, "6205-2RS", "NSK"), line(3, "6206")};
        lines[0].costFen = 2500;
        lines[0].location = "A-01";
        lines[0].note = "现货";
        lines[0].match = MatchState::Matched;
        lines[0].bh = 10542;
        lines[1].match = MatchState::Pending;
        lines[1].quantity.reset();
        lines[1].priceFen.reset();
        ASSERT_TRUE(opening.file->importLines(lines, "库存.xlsx").ok);
        EXPECT_EQ(opening.file->lines(), lines);
    }
    EXPECT_EQ(queryInteger(path(), "PRAGMA application_id"), 0x4C5A5348);
    EXPECT_EQ(queryInteger(path(), "PRAGMA user_version"), 2);
    // One file a user can copy: no write-ahead log beside it, no journal left behind.
    EXPECT_EQ(fileBytes(path()).substr(18, 2), std::string("\x01\x01", 2));
    EXPECT_FALSE(fs::exists(path().string() + "-wal"));
    EXPECT_FALSE(fs::exists(path().string() + "-journal"));

    auto reopened = openReady();
    ASSERT_TRUE(reopened);
    ASSERT_TRUE(reopened->lines());
    EXPECT_EQ(reopened->lines()->size(), 2u);
    EXPECT_EQ(reopened->lines()->front().note, "现货");
}

TEST_F(ShopFileTest, AFailedImportLeavesTheFileAsItWas) {
    auto file = openReady();
    ASSERT_TRUE(file->importLines(someLines(3), "first.csv").ok);
    const auto before = file->lines();
    const auto undoable = file->undoableImport();

    // A line without designation deep in the list, a matched line naming nothing, a
    // cancel after the first few hundred lines: each fails after lines were written.
    std::vector<StockLine> noDesignation = someLines(1200, "63");
    noDesignation[900].designation.clear();
    std::vector<StockLine> matchedNothing = someLines(20, "64");
    matchedNothing[10].match = MatchState::Matched;
    const MatchOverride answer{"6300", "", 77, ""};

    const std::string bytesBefore = fileBytes(path());
    auto failed = file->importLines(noDesignation, "second.csv", {answer});
    EXPECT_FALSE(failed.ok);
    EXPECT_EQ(failed.message, std::string(messages::kImportFailed) + "（第 902 行）");
    EXPECT_FALSE(file->importLines(matchedNothing, "third.csv", {answer}).ok);
    auto cancelled = file->importLines(someLines(1200, "65"), "fourth.csv", {answer},
                                       [](int written) { return written < 1000; });
    EXPECT_EQ(cancelled.message, messages::kImportCancelled);

    EXPECT_EQ(fileBytes(path()), bytesBefore);
    EXPECT_EQ(file->lines(), before);
    ASSERT_TRUE(file->undoableImport());
    EXPECT_EQ(file->undoableImport()->sourceName, undoable->sourceName);
    EXPECT_FALSE(file->findOverride("6300", ""));
}

TEST_F(ShopFileTest, UndoBringsBackTheListBeforeTheLastImportOnce) {
    auto file = openReady();
    EXPECT_EQ(file->undoLastImport().message, messages::kNothingToUndo);

    ASSERT_TRUE(file->importLines(someLines(3, "62"), "a.xlsx").ok);
    const auto first = file->lines();
    ASSERT_TRUE(file->importLines(someLines(5, "63"), "b.xlsx").ok);
    ASSERT_TRUE(file->undoableImport());
    EXPECT_EQ(file->undoableImport()->sourceName, "b.xlsx");
    EXPECT_EQ(file->undoableImport()->lineCount, 5);

    ASSERT_TRUE(file->undoLastImport().ok);
    EXPECT_EQ(file->lines(), first);
    EXPECT_FALSE(file->undoableImport());
    EXPECT_EQ(file->undoLastImport().message, messages::kNothingToUndo);
    EXPECT_EQ(file->lines(), first);

    // Undoing the very first import leaves the list empty, as it was.
    auto other = ShopFile::open(dir_.path() / "other.sqlite");
    ASSERT_TRUE(other.file->importLines(someLines(2), "a.xlsx").ok);
    ASSERT_TRUE(other.file->undoLastImport().ok);
    EXPECT_EQ(other.file->lines(), std::vector<StockLine>());
}

TEST_F(ShopFileTest, AnswersAreKeptByTextAndBrandAndReplaced) {
    auto file = openReady();
    ASSERT_TRUE(file->importLines(
                        someLines(1), "a.csv",
                        {{"6205LLU", "", 10543, ""}, {"6205LLU", "NTN", std::nullopt, "6205-2RS"}})
                    .ok);
    EXPECT_EQ(file->findOverride("6205LLU", "")->bh, 10543);
    EXPECT_EQ(file->findOverride("6205LLU", "NTN")->newno, "6205-2RS");
    EXPECT_FALSE(file->findOverride("6205llu", ""));  // compared exactly

    ASSERT_TRUE(file->saveOverride({"6205LLU", "", std::nullopt, "6205-2RS"}).ok);
    EXPECT_EQ(file->findOverride("6205LLU", ""),
              (MatchOverride{"6205LLU", "", std::nullopt, "6205-2RS"}));
    // An answer names one thing: a bearing or a common designation.
    EXPECT_FALSE(file->saveOverride({"6206", "", 5, "6206"}).ok);
    EXPECT_FALSE(file->saveOverride({"6206", "", std::nullopt, ""}).ok);
    ASSERT_TRUE(file->removeOverride("6205LLU", "NTN").ok);
    ASSERT_TRUE(file->overrides());
    EXPECT_EQ(file->overrides()->size(), 1u);
}

TEST_F(ShopFileTest, ImportsAndUndoKeepTenBackupsAndNoMore) {
    auto file = openReady();
    EXPECT_FALSE(fs::exists(backups()));  // a new file has nothing to keep
    fs::create_directories(backups());
    writeBytes(backups() / "my-notes.sqlite", "kept");

    for (int k = 1; k <= 12; ++k) {
        ASSERT_TRUE(file->importLines(someLines(k), "list" + std::to_string(k) + ".csv").ok);
    }
    ASSERT_TRUE(file->undoLastImport().ok);
    const auto kept = listBackups(backups());
    ASSERT_EQ(kept.size(), 10u);
    // The newest ten of 13 (12 imports and an undo), oldest first: the backups before
    // imports 4 to 12 and before the undo. Each is a whole database of the list it saved.
    for (std::size_t k = 0; k < kept.size(); ++k) {
        const long long expectedLines = k < 9 ? static_cast<long long>(k + 3) : 12;
        EXPECT_EQ(queryInteger(kept[k], "SELECT count(*) FROM stock_line"), expectedLines)
            << kept[k];
        EXPECT_EQ(queryInteger(kept[k], "PRAGMA application_id"), 0x4C5A5348);
    }
    EXPECT_NE(kept.back().filename().string().find("-undo.sqlite"), std::string::npos);
    EXPECT_NE(kept.front().filename().string().find("-import.sqlite"), std::string::npos);
    EXPECT_EQ(fileBytes(backups() / "my-notes.sqlite"), "kept");
    for (const auto& entry : fs::directory_iterator(backups())) {
        EXPECT_EQ(entry.path().filename().string().find(".partial"), std::string::npos);
    }
}

// Backups are ordered by their sequence number, not by the clock in their names, and
// other files in the folder are neither counted nor touched.
TEST_F(ShopFileTest, BackupsFollowTheirSequenceWhateverTheClockSays) {
    auto file = openReady();
    fs::create_directories(backups());
    writeBytes(backups() / "shop-000041-20991231-235959-import.sqlite", "from a clock ahead");
    writeBytes(backups() / "shop-000007-19990101-000000-import.sqlite", "older");
    writeBytes(backups() / "shop-latest.sqlite", "no sequence");
    writeBytes(backups() / "shop-000050-x-import.txt", "not a backup");
    ASSERT_TRUE(file->importLines(someLines(2), "a.csv").ok);
    auto kept = listBackups(backups());
    ASSERT_EQ(kept.size(), 3u);
    EXPECT_EQ(kept[0].filename(), "shop-000007-19990101-000000-import.sqlite");
    EXPECT_EQ(kept[1].filename(), "shop-000041-20991231-235959-import.sqlite");
    EXPECT_EQ(kept[2].filename().string().substr(0, 12), "shop-000042-");

    for (int k = 0; k < 9; ++k) {
        ASSERT_TRUE(file->importLines(someLines(1), "b.csv").ok);
    }
    kept = listBackups(backups());
    ASSERT_EQ(kept.size(), 10u);
    EXPECT_EQ(kept.front().filename().string().substr(0, 12), "shop-000042-");
    EXPECT_EQ(kept.back().filename().string().substr(0, 12), "shop-000051-");
    EXPECT_TRUE(fs::exists(backups() / "shop-latest.sqlite"));
    EXPECT_TRUE(fs::exists(backups() / "shop-000050-x-import.txt"));
}

TEST_F(ShopFileTest, NoBackupNoImport) {
    auto file = openReady();
    ASSERT_TRUE(file->importLines(someLines(2), "a.csv").ok);
    const std::string bytesBefore = fileBytes(path());
    // "backups" taken by a file: no backup can be made, so nothing is imported.
    fs::remove_all(backups());
    writeBytes(backups(), "not a directory");
    const auto write = file->importLines(someLines(5), "b.csv");
    EXPECT_FALSE(write.ok);
    EXPECT_EQ(write.message, messages::kBackupFailed);
    EXPECT_EQ(fileBytes(path()), bytesBefore);
    EXPECT_EQ(file->lines()->size(), 2u);
}

// The schema of this program plus one more step, as a later program would have it.
const Migration kLaterSchema[] = {
    {1, shopMigrations()[0].sql},
    {2, shopMigrations()[1].sql},
    {3, "ALTER TABLE stock_line ADD COLUMN supplier TEXT NOT NULL DEFAULT '';"},
};
const Migration kBrokenStep[] = {
    {1, shopMigrations()[0].sql},
    {2, shopMigrations()[1].sql},
    {3, "CREATE TABLE price_list (id INTEGER PRIMARY KEY); CREATE TABLE stock_line (x);"},
};

TEST_F(ShopFileTest, AnUpgradeFirstMakesABackupAndRunsInOneTransaction) {
    {
        auto file = openReady();
        ASSERT_TRUE(file->importLines(someLines(4), "a.csv").ok);
    }
    fs::remove_all(backups());
    const std::string version2 = fileBytes(path());

    // A step that fails half way leaves the file at version 2, byte for byte.
    auto broken = ShopFile::open(path(), kBrokenStep);
    EXPECT_EQ(broken.status, ShopFileStatus::UpgradeFailed);
    EXPECT_EQ(broken.message, messages::kShopFileUpgradeFailed);
    EXPECT_FALSE(broken.file);
    EXPECT_EQ(fileBytes(path()), version2);

    auto upgraded = ShopFile::open(path(), kLaterSchema);
    ASSERT_EQ(upgraded.status, ShopFileStatus::Ready);
    EXPECT_TRUE(upgraded.upgraded);
    EXPECT_EQ(upgraded.file->lines()->size(), 4u);
    upgraded.file.reset();
    EXPECT_EQ(queryInteger(path(), "PRAGMA user_version"), 3);
    EXPECT_EQ(queryInteger(path(),
                           "SELECT count(*) FROM pragma_table_info('stock_line') "
                           "WHERE name = 'supplier'"),
              1);
    const auto kept = listBackups(backups());
    ASSERT_EQ(kept.size(), 2u);  // one before each attempt
    for (const auto& backup : kept) {
        EXPECT_NE(backup.filename().string().find("-upgrade.sqlite"), std::string::npos);
        EXPECT_EQ(queryInteger(backup, "PRAGMA user_version"), 2);
        EXPECT_EQ(queryInteger(backup, "SELECT count(*) FROM stock_line"), 4);
    }

    // This program meets the upgraded file: newer than it knows, so it leaves it alone.
    const std::string version3 = fileBytes(path());
    auto older = ShopFile::open(path());
    EXPECT_EQ(older.status, ShopFileStatus::Newer);
    EXPECT_EQ(older.message, messages::kShopFileNewer);
    EXPECT_EQ(fileBytes(path()), version3);
}

// Files that are not the shop's, or are damaged: refused, and not a byte changes, not even
// the modification time; no backups folder appears.
TEST_F(ShopFileTest, AForeignOrDamagedFileIsNeverWritten) {
    // Another program's SQLite file, and one with another program's id.
    const fs::path other = dir_.path() / "other.sqlite";
    {
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open(other.c_str(), &db), SQLITE_OK);
        sqlite3_exec(db, "CREATE TABLE t (x); INSERT INTO t VALUES (1);", nullptr, nullptr,
                     nullptr);
        sqlite3_close(db);
    }
    const fs::path wrongId = dir_.path() / "wrong-id.sqlite";
    fs::copy_file(other, wrongId);
    {
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open(wrongId.c_str(), &db), SQLITE_OK);
        sqlite3_exec(db, "PRAGMA application_id = 1234; PRAGMA user_version = 1;", nullptr, nullptr,
                     nullptr);
        sqlite3_close(db);
    }
    const fs::path text = dir_.path() / "text.sqlite";
    writeBytes(text, "型号,数量\n6205,1\n");
    const fs::path shortFile = dir_.path() / "short.sqlite";
    writeBytes(shortFile, "SQLite format 3");

    // Our own file with one page of its stock list overwritten, as a failing disk would.
    const fs::path damaged = dir_.path() / "damaged.sqlite";
    {
        auto opening = ShopFile::open(damaged);
        ASSERT_TRUE(opening.file->importLines(someLines(3000), "big.csv").ok);
    }
    fs::remove_all(backups());
    std::string bytes = fileBytes(damaged);
    ASSERT_GT(bytes.size(), 25u * 4096);
    for (std::size_t k = 0; k < 4096; ++k) {
        bytes[12 * 4096 + k] = static_cast<char>((k * 7919 + 13) & 0xFF);
    }
    writeBytes(damaged, bytes);

    const struct {
        fs::path path;
        ShopFileStatus status;
        const char* message;
    } cases[] = {
        {other, ShopFileStatus::NotOurs, messages::kShopFileNotOurs},
        {wrongId, ShopFileStatus::NotOurs, messages::kShopFileNotOurs},
        {text, ShopFileStatus::NotOurs, messages::kShopFileNotOurs},
        {shortFile, ShopFileStatus::NotOurs, messages::kShopFileNotOurs},
        {damaged, ShopFileStatus::Damaged, messages::kShopFileDamaged},
        {dir_.path(), ShopFileStatus::NotOurs, messages::kShopFileNotOurs},
    };
    for (const auto& c : cases) {
        const bool isFile = fs::is_regular_file(c.path);
        const std::string before = isFile ? fileBytes(c.path) : "";
        const auto modified = fs::last_write_time(c.path);
        auto opening = ShopFile::open(c.path);
        EXPECT_EQ(opening.status, c.status) << c.path;
        EXPECT_EQ(opening.message, c.message) << c.path;
        EXPECT_FALSE(opening.file) << c.path;
        // The command line's reading refuses the same files for the same reasons.
        auto reading = ShopFile::openForReading(c.path);
        EXPECT_EQ(reading.status, c.status) << c.path;
        EXPECT_FALSE(reading.file) << c.path;
        if (isFile) {
            EXPECT_EQ(fileBytes(c.path), before) << c.path;
        }
        EXPECT_EQ(fs::last_write_time(c.path), modified) << c.path;
    }
    EXPECT_FALSE(fs::exists(backups()));
    EXPECT_EQ(ShopFile::open(dir_.path() / "missing" / "shop.sqlite").status,
              ShopFileStatus::CannotOpen);
}

// Two copies of the program share the file: each sees what the other imported, and an
// import waits for the other's transaction rather than failing.
TEST_F(ShopFileTest, TwoCopiesOfTheProgramShareTheFile) {
    auto first = openReady();
    auto second = openReady();
    ASSERT_TRUE(first && second);
    ASSERT_TRUE(first->importLines(someLines(3), "a.csv").ok);
    EXPECT_EQ(second->lines()->size(), 3u);
    ASSERT_TRUE(second->importLines(someLines(5), "b.csv").ok);
    EXPECT_EQ(first->lines()->size(), 5u);
    ASSERT_TRUE(first->undoLastImport().ok);
    EXPECT_EQ(second->lines()->size(), 3u);
    EXPECT_FALSE(second->undoableImport());
}

// Reading only: the list as written, and nothing created, upgraded or changed; a missing
// file stays missing.
TEST_F(ShopFileTest, ReadingOnlyLeavesTheFileAsItIs) {
    EXPECT_EQ(ShopFile::openForReading(path()).status, ShopFileStatus::CannotOpen);
    EXPECT_FALSE(fs::exists(path()));
    writeBytes(path(), "");
    EXPECT_EQ(ShopFile::openForReading(path()).status, ShopFileStatus::CannotOpen);
    EXPECT_EQ(fs::file_size(path()), 0u);
    fs::remove(path());
    ASSERT_TRUE(openReady()->importLines(someLines(4), "a.csv").ok);
    fs::remove_all(backups());
    const std::string before = fileBytes(path());
    {
        auto reading = ShopFile::openForReading(path());
        ASSERT_EQ(reading.status, ShopFileStatus::Ready);
        EXPECT_EQ(reading.file->lines(), someLines(4));
        EXPECT_EQ(reading.file->undoableImport()->sourceName, "a.csv");
        EXPECT_FALSE(reading.file->saveOverride({"6205", "", 1, ""}).ok);
    }
    EXPECT_EQ(fileBytes(path()), before);
    EXPECT_FALSE(fs::exists(backups()));
}

TEST_F(ShopFileTest, AnEmptyFileAtThePathBecomesTheShopFile) {
    writeBytes(path(), "");
    auto opening = ShopFile::open(path());
    ASSERT_EQ(opening.status, ShopFileStatus::Ready);
    EXPECT_TRUE(opening.created);
    EXPECT_EQ(opening.file->lines(), std::vector<StockLine>());
}

}  // namespace
}  // namespace lz::shop
