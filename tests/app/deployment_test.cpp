// Start-up's file work under hostile conditions: links at the deployed path, starts cut
// short or running at once, a full disk, a damaged earlier copy.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "app/startup/catalogue_deployer.h"
#include "app/startup/data_directory.h"
#include "app/startup/file_layer.h"
#include "catalogue/catalogue_database.h"
#include "catalogue/image/catalogue_image.h"
#include "tests/app_support/main_window_fixture.h"
#include "tests/support/damaged_catalogue.h"
#include "tests/support/small_catalogue.h"
#include "ui/window.h"

namespace lz::test {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kBearingList = "超级列表框_主窗口";
constexpr std::string_view kMineRows =
    "INSERT INTO bearing (bh, zhch, newno, ppai) VALUES (5, 'MINE 6205 轴承', '6205', 'MINE');";

std::string contentOf(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

std::string imageText() {
    const auto image = catalogue::catalogueImage();
    return {reinterpret_cast<const char*>(image.data()), image.size()};
}

mode_t modeOf(const fs::path& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0 ? st.st_mode : 0;
}

bool hasAnyExtendedAttribute(const fs::path& path) {
    char names[256];
    return ::listxattr(path.c_str(), names, sizeof names) > 0;
}

void makeReadOnlyDirectory(const fs::path& directory) {
    fs::permissions(directory, fs::perms::owner_read | fs::perms::owner_exec,
                    fs::perm_options::replace);
}

void setModificationTime(const fs::path& path, int secondsAgo) {
    const struct timespec times[2] = {{time(nullptr) - secondsAgo, 0},
                                      {time(nullptr) - secondsAgo, 0}};
    ::utimensat(AT_FDCWD, path.c_str(), times, AT_SYMLINK_NOFOLLOW);
}

std::vector<std::string> entriesOf(const fs::path& directory) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(directory)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

void putBigEndian(std::string& out, std::uint32_t value) {
    for (const int shift : {24, 16, 8, 0}) {
        out += static_cast<char>((value >> shift) & 0xFF);
    }
}

// The catalogue image with the first 29 bearings renamed "HACKED …", as a database file.
std::string hackedImage(const fs::path& scratch) {
    { std::ofstream(scratch, std::ios::binary) << imageText(); }
    sqlite3* db = nullptr;
    EXPECT_EQ(sqlite3_open(scratch.c_str(), &db), SQLITE_OK);
    EXPECT_EQ(sqlite3_exec(db, "UPDATE bearing SET zhch = 'HACKED ' || zhch WHERE bh <= 29",
                           nullptr, nullptr, nullptr),
              SQLITE_OK);
    sqlite3_close(db);
    return contentOf(scratch);
}

// A rollback journal, in SQLite's documented format, that turns a database holding
// `current` back into `restored`: a 512-byte header (magic, record count, checksum seed,
// page count, sector and page size), then each page that differs with its number and
// checksum. Left beside a file, it is "hot": a connection that may write rolls it back.
std::string journalRestoring(const std::string& restored, const std::string& current) {
    constexpr std::size_t kPage = 4096;
    constexpr std::uint32_t kSeed = 0x1234567;
    std::string records;
    std::uint32_t count = 0;
    for (std::size_t page = 0; page * kPage < restored.size(); ++page) {
        const std::string before = restored.substr(page * kPage, kPage);
        if (current.compare(page * kPage, kPage, before) == 0) {
            continue;
        }
        putBigEndian(records, static_cast<std::uint32_t>(page + 1));
        records += before;
        std::uint32_t checksum = kSeed;
        for (int i = static_cast<int>(kPage) - 200; i > 0; i -= 200) {
            checksum += static_cast<unsigned char>(before[static_cast<std::size_t>(i)]);
        }
        putBigEndian(records, checksum);
        ++count;
    }
    std::string journal("\xd9\xd5\x05\xf9\x20\xa1\x63\xd7", 8);
    putBigEndian(journal, count);
    putBigEndian(journal, kSeed);
    putBigEndian(journal, static_cast<std::uint32_t>(restored.size() / kPage));
    putBigEndian(journal, 512);
    putBigEndian(journal, kPage);
    journal.resize(512, '\0');
    return journal + records;
}

class DeploymentTest : public MainWindowTest {
protected:
    void TearDown() override {
        startup::setWriteCallForTesting({});
        MainWindowTest::TearDown();
    }
};

TEST_F(DeploymentTest, ALinkAtTheDeployedPathNeverRedirectsAChange) {
    // A catalogue of the user's own elsewhere, read-only, and a link to it where the
    // catalogue is deployed.
    const fs::path mine = home_.path() / "elsewhere" / "mine.db";
    fs::create_directories(mine.parent_path());
    ASSERT_TRUE(writeSmallCatalogue(mine.string(), kMineRows));
    fs::permissions(mine, fs::perms::owner_read, fs::perm_options::replace);
    const std::string mineBefore = contentOf(mine);
    fs::create_directories(dataDirectory());
    fs::create_symlink(mine, deployedPath());

    // The directory takes no new file: the link stays, and it is no catalogue.
    makeReadOnlyDirectory(dataDirectory());
    ui::Window* main = openMainWindow();
    ASSERT_NE(main, nullptr);
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(boxes_[0].text, "连接失败");
    EXPECT_EQ(main->rowCount(kBearingList), 0);
    EXPECT_TRUE(fs::is_symlink(deployedPath()));
    EXPECT_EQ(modeOf(mine) & 07777, 0400u) << "the link's target keeps its mode";
    EXPECT_FALSE(hasAnyExtendedAttribute(mine));
    EXPECT_EQ(contentOf(mine), mineBefore);

    // Once the directory takes files again, the link is replaced by a fresh catalogue.
    main->close();
    boxes_.clear();
    fs::permissions(dataDirectory(), fs::perms::owner_all, fs::perm_options::replace);
    main = openMainWindow();
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(boxes_.empty());
    EXPECT_FALSE(fs::is_symlink(deployedPath()));
    EXPECT_EQ(contentOf(deployedPath()), imageText());
    EXPECT_EQ(main->rowCount(kBearingList), 29);
    EXPECT_EQ(modeOf(mine) & 07777, 0400u);
    EXPECT_EQ(contentOf(mine), mineBefore);
}

// A hard link looks like any file: in a directory that takes no new file it is opened as
// the earlier copy, and the file it shares its contents with keeps its mode and gets no
// attribute.
TEST_F(DeploymentTest, AHardLinkAtThePathNeverChangesTheOtherFile) {
    const fs::path mine = home_.path() / "elsewhere" / "mine.db";
    fs::create_directories(mine.parent_path());
    ASSERT_TRUE(writeSmallCatalogue(mine.string(), kMineRows));
    fs::permissions(mine, fs::perms(0400), fs::perm_options::replace);
    const std::string mineBefore = contentOf(mine);
    fs::create_directories(dataDirectory());
    fs::create_hard_link(mine, deployedPath());
    fs::permissions(dataDirectory(), fs::perms(0555), fs::perm_options::replace);

    ui::Window* main = openMainWindow();
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(boxes_.empty());
    EXPECT_EQ(rowsOf(*main, kBearingList, 3), std::vector<std::string>{"5|MINE 6205 轴承|6205"});
    EXPECT_EQ(modeOf(mine) & 07777, 0400u);
    EXPECT_FALSE(hasAnyExtendedAttribute(mine));
    EXPECT_EQ(contentOf(mine), mineBefore);
}

// A crafted journal beside the path would turn the first bearings into "HACKED …" if it
// were rolled back. It is removed before the fresh copy takes the path, with any WAL and
// shared-memory file; where it cannot be removed (the directory takes no changes) the
// catalogue is read without it.
TEST_F(DeploymentTest, ALeftoverJournalIsNeverReplayed) {
    const std::string image = imageText();
    const std::string journal = journalRestoring(hackedImage(home_.path() / "hacked.db"), image);
    fs::create_directories(dataDirectory());
    { std::ofstream(deployedPath() + "-journal", std::ios::binary) << journal; }
    { std::ofstream(deployedPath() + "-wal", std::ios::binary) << "left by someone"; }
    { std::ofstream(deployedPath() + "-shm", std::ios::binary) << "left by someone"; }

    ui::Window* main = openMainWindow();
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(boxes_.empty());
    ASSERT_EQ(main->rowCount(kBearingList), 29);
    EXPECT_EQ(main->cellText(kBearingList, 0, 1), "NSK 681 轴承");
    EXPECT_TRUE(contentOf(deployedPath()) == image) << "the file is the image, byte for byte";
    // Beside the catalogue, the shop's own file, opened at start.
    EXPECT_EQ(entriesOf(dataDirectory()), (std::vector<std::string>{"bearing.mdb", "shop.sqlite"}));
    main->close();

    // The earlier copy in a directory that takes no changes, the journal beside it.
    { std::ofstream(deployedPath() + "-journal", std::ios::binary) << journal; }
    makeReadOnlyDirectory(dataDirectory());
    main = openMainWindow();
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(boxes_.empty());
    ASSERT_EQ(main->rowCount(kBearingList), 29);
    for (int row = 0; row < 29; ++row) {
        EXPECT_FALSE(main->cellText(kBearingList, row, 1).starts_with("HACKED")) << row;
    }
    EXPECT_EQ(main->cellText(kBearingList, 0, 1), "NSK 681 轴承");
    EXPECT_TRUE(contentOf(deployedPath()) == image) << "the file is unchanged";
    EXPECT_TRUE(contentOf(deployedPath() + "-journal") == journal) << "and so is the journal";
}

// The journal of the test above is a real one: a connection that may write rolls it back.
TEST_F(DeploymentTest, TheCraftedJournalIsHot) {
    const std::string image = imageText();
    const std::string hacked = hackedImage(home_.path() / "hacked.db");
    const fs::path copy = home_.path() / "copy.db";
    { std::ofstream(copy, std::ios::binary) << image; }
    {
        std::ofstream(copy.string() + "-journal", std::ios::binary)
            << journalRestoring(hacked, image);
    }
    catalogue::CatalogueDatabase database;
    ASSERT_TRUE(database.OpenMdbDatabase(copy.string()));
    const auto handle = database.OpenTable("select zhch from bearing where bh = 1");
    EXPECT_EQ(catalogue::fieldText(database.ReadColByName(handle, "zhch")), "HACKED NSK 681 轴承");
}

TEST_F(DeploymentTest, NothingButARegularFileAtThePathIsOpened) {
    const fs::path mine = home_.path() / "mine.db";
    ASSERT_TRUE(writeSmallCatalogue(mine.string(), kMineRows));
    const fs::path link = home_.path() / "link.mdb";
    fs::create_symlink(mine, link);
    const fs::path pipe = home_.path() / "pipe.mdb";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    const fs::path directory = home_.path() / "directory.mdb";
    fs::create_directories(directory);

    for (const fs::path& path : {link, pipe, directory, home_.path() / "missing.mdb"}) {
        for (const bool fresh : {true, false}) {
            catalogue::CatalogueDatabase database;
            EXPECT_FALSE(startup::openDeployedCatalogue(database, path.string(), fresh))
                << path << (fresh ? " fresh" : " earlier copy");
            EXPECT_FALSE(database.isConnected());
        }
    }
    catalogue::CatalogueDatabase database;
    EXPECT_TRUE(startup::openDeployedCatalogue(database, mine.string(), false));
}

TEST_F(DeploymentTest, TemporaryFilesLeftByACutShortStartAreRemoved) {
    fs::create_directories(dataDirectory());
    const fs::path directory = dataDirectory();
    const fs::path target = home_.path() / "target";
    { std::ofstream(target) << "not ours to remove"; }
    auto leave = [&](const std::string& name, int secondsAgo) {
        { std::ofstream(directory / name) << std::string(4096, 'x'); }
        setModificationTime(directory / name, secondsAgo);
    };
    leave(".bearing.mdb.Ab12Cd", 120);  // left by a start that died mid-write
    leave(".bearing.mdb.Ef34Gh", 5);    // being written by a start running right now
    leave(".bearing.mdb.keep", 120);    // not of our naming
    leave(".other.mdb.Ij56Kl", 120);
    fs::create_symlink(target, directory / ".bearing.mdb.Mn78Op");
    setModificationTime(directory / ".bearing.mdb.Mn78Op", 120);
    fs::create_directories(directory / ".bearing.mdb.Qr90St");
    setModificationTime(directory / ".bearing.mdb.Qr90St", 120);

    ASSERT_NE(openMainWindow(), nullptr);
    EXPECT_EQ(entriesOf(directory),
              (std::vector<std::string>{".bearing.mdb.Ef34Gh", ".bearing.mdb.Mn78Op",
                                        ".bearing.mdb.Qr90St", ".bearing.mdb.keep",
                                        ".other.mdb.Ij56Kl", "bearing.mdb", "shop.sqlite"}));
    EXPECT_EQ(contentOf(target), "not ours to remove");
}

TEST_F(DeploymentTest, AWriteCutShortKeepsTheEarlierCatalogueWholeAndOpensIt) {
    fs::create_directories(dataDirectory());
    ASSERT_TRUE(writeSmallCatalogue(deployedPath(), kMineRows));
    const std::string earlier = contentOf(deployedPath());

    // The disk fills up after the first 64 KiB of the new copy.
    static std::size_t written;
    written = 0;
    startup::setWriteCallForTesting([](int fd, const void* bytes, std::size_t count) -> ssize_t {
        if (written >= 65536) {
            errno = ENOSPC;
            return -1;
        }
        const ssize_t some = ::write(fd, bytes, std::min<std::size_t>(count, 65536 - written));
        written += static_cast<std::size_t>(some);
        return some;
    });

    ui::Window* main = openMainWindow();
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(written, 65536u) << "the write did begin";
    EXPECT_TRUE(boxes_.empty());
    EXPECT_EQ(rowsOf(*main, kBearingList, 3), std::vector<std::string>{"5|MINE 6205 轴承|6205"});
    EXPECT_EQ(contentOf(deployedPath()), earlier);
    EXPECT_EQ(entriesOf(dataDirectory()), (std::vector<std::string>{"bearing.mdb", "shop.sqlite"}))
        << "the cut-short temporary file is gone";
}

TEST_F(DeploymentTest, ADamagedEarlierCopyIsNoUsableCatalogue) {
    fs::create_directories(dataDirectory());
    ASSERT_GT(writeCatalogueWithADamagedPage(deployedPath(), 400), 29);
    makeReadOnlyDirectory(dataDirectory());

    ui::Window* main = openMainWindow();
    ASSERT_NE(main, nullptr);
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(boxes_[0].text, "连接失败");
    EXPECT_EQ(main->rowCount(kBearingList), 0);
}

// Two starts at once, driven step by step: the second runs any number of its steps after
// any number of the first's, then each finishes and opens in either order. Every open
// must find a complete catalogue.
TEST_F(DeploymentTest, TwoStartsInterleavedAtEveryStepBothOpenACompleteCatalogue) {
    std::string rows;
    for (int bh = 1; bh <= 40; ++bh) {
        rows += "INSERT INTO bearing (bh, newno) VALUES (" + std::to_string(bh) + ", 'N');";
    }
    const fs::path imageFile = home_.path() / "image.db";
    ASSERT_TRUE(writeSmallCatalogue(imageFile.string(), rows));
    const std::string imageBytes = contentOf(imageFile);
    const startup::CatalogueDeployment deployment{(home_.path() / "data").string(),
                                                  std::as_bytes(std::span(imageBytes))};
    const std::string path = startup::deployedCataloguePath(deployment.directory);

    // One more step than the deployer has: the open.
    int steps = 1;
    {
        startup::CatalogueDeployer solo(deployment);
        for (; !solo.finished(); ++steps) {
            solo.runStep();
        }
    }
    ASSERT_GE(steps, 5);

    struct Start {
        explicit Start(const startup::CatalogueDeployment& deployment) : deployer(deployment) {}
        startup::CatalogueDeployer deployer;
        catalogue::CatalogueDatabase database;
        bool opened = false;
        bool done = false;
        void step(const std::string& path) {
            if (!deployer.finished()) {
                deployer.runStep();
            } else if (!done) {
                opened = startup::openDeployedCatalogue(database, path, deployer.wroteFreshCopy());
                done = true;
            }
        }
    };
    auto bearingRows = [](catalogue::CatalogueDatabase& database) {
        const auto handle = database.OpenTable("select count(*) as n from bearing");
        return catalogue::fieldText(database.ReadColByName(handle, "n"));
    };

    for (const bool firstEndsFirst : {true, false}) {
        for (int first = 0; first <= steps; ++first) {
            for (int second = 0; second <= steps; ++second) {
                SCOPED_TRACE(testing::Message()
                             << "first " << first << ", second " << second
                             << (firstEndsFirst ? ", first" : ", second") << " ends first");
                fs::remove_all(deployment.directory);
                fs::create_directories(deployment.directory);
                ASSERT_TRUE(writeSmallCatalogue(path, kMineRows)) << "an earlier copy";
                Start a(deployment);
                Start b(deployment);
                for (int i = 0; i < first; ++i) {
                    a.step(path);
                }
                for (int i = 0; i < second; ++i) {
                    b.step(path);
                }
                for (Start* start : firstEndsFirst ? std::vector{&a, &b} : std::vector{&b, &a}) {
                    while (!start->done) {
                        start->step(path);
                    }
                }
                ASSERT_TRUE(a.opened);
                ASSERT_TRUE(b.opened);
                EXPECT_EQ(bearingRows(a.database), "40");
                EXPECT_EQ(bearingRows(b.database), "40");
                EXPECT_EQ(contentOf(path), imageBytes);
                EXPECT_EQ(entriesOf(deployment.directory), std::vector<std::string>{"bearing.mdb"});
            }
        }
    }
}

}  // namespace
}  // namespace lz::test
