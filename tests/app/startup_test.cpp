// Start-up against a temporary data directory: deployment, the open, the first listing.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/xattr.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "app/startup/catalogue_startup.h"
#include "app/startup/file_layer.h"
#include "catalogue/catalogue_database.h"
#include "catalogue/image/catalogue_image.h"
#include "query/result_lists.h"
#include "tests/app_support/main_window_fixture.h"
#include "tests/support/small_catalogue.h"
#include "ui/window.h"

namespace lz::test {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kBearingList = "超级列表框_主窗口";
constexpr std::string_view kFirstRow =
    "1|NSK 681 轴承|618/1|1000481|1|3|1|NSK|深沟球轴承|深沟球轴承 （60000 型）";
constexpr std::string_view kEarlierCopyRows =
    "INSERT INTO bearing (bh, zhch, newno, ppai) VALUES (7, 'EARLIER 6205 轴承', '6205', "
    "'EARLIER');";

std::string contentOf(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

std::string imageText() {
    const auto image = catalogue::catalogueImage();
    return {reinterpret_cast<const char*>(image.data()), image.size()};
}

int bearingRowsInImage(const std::string& path) {
    catalogue::CatalogueDatabase database;
    if (!database.OpenMdbDatabase(path)) {
        return -1;
    }
    const auto handle = database.OpenTable("select count(*) as n from bearing");
    return std::stoi(catalogue::fieldText(database.ReadColByName(handle, "n")));
}

using StartupTest = MainWindowTest;

TEST_F(StartupTest, FirstStartWritesTheHiddenCatalogueAndListsTheFirstBearings) {
    ASSERT_FALSE(fs::exists(dataDirectory()));
    ui::Window* main = openMainWindow();
    ASSERT_NE(main, nullptr);

    EXPECT_EQ(contentOf(deployedPath()), imageText()) << "written byte for byte";
    EXPECT_EQ(startup::fileAttributes(deployedPath()).value(), startup::kAttributeHidden);
    struct stat st {};
    ASSERT_EQ(stat(dataDirectory().c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u);

    EXPECT_TRUE(boxes_.empty());
    const auto rows = rowsOf(*main, kBearingList, 10);
    EXPECT_EQ(static_cast<int>(rows.size()), std::min(29, bearingRowsInImage(deployedPath())));
    ASSERT_FALSE(rows.empty());
    EXPECT_EQ(rows.front(), kFirstRow);
}

TEST_F(StartupTest, AChangedCatalogueIsReplacedAtTheNextStart) {
    fs::create_directories(dataDirectory());
    { std::ofstream(deployedPath()) << "scribbled over"; }
    ASSERT_NE(openMainWindow(), nullptr);
    EXPECT_EQ(contentOf(deployedPath()), imageText());
    EXPECT_TRUE(boxes_.empty());
}

// The user made the file read-only: it is opened as it is, and neither its mode nor its
// attributes change, at this start or the next.
TEST_F(StartupTest, AReadOnlyCatalogueIsOpenedAsItIsAndKeepsItsModeAndAttributes) {
    fs::create_directories(dataDirectory());
    ASSERT_TRUE(writeSmallCatalogue(deployedPath(), kEarlierCopyRows));
    fs::permissions(deployedPath(), fs::perms(0444), fs::perm_options::replace);
    const std::string before = contentOf(deployedPath());

    for (int start = 1; start <= 2; ++start) {
        ui::Window* main = openMainWindow();
        ASSERT_NE(main, nullptr);
        EXPECT_TRUE(boxes_.empty());
        EXPECT_EQ(rowsOf(*main, kBearingList, 4),
                  std::vector<std::string>{"7|EARLIER 6205 轴承|6205|"});
        struct stat st {};
        ASSERT_EQ(::lstat(deployedPath().c_str(), &st), 0);
        EXPECT_EQ(st.st_mode & 07777, 0444u) << "start " << start;
        char names[256];
        EXPECT_LE(::llistxattr(deployedPath().c_str(), names, sizeof names), 0)
            << "start " << start << ": no attribute set";
        EXPECT_EQ(contentOf(deployedPath()), before);
        main->close();
    }
}

TEST_F(StartupTest, UnwritableDirectoryWithAnEarlierCopyOpensThatCopy) {
    fs::create_directories(dataDirectory());
    ASSERT_TRUE(writeSmallCatalogue(deployedPath(), kEarlierCopyRows));
    fs::permissions(dataDirectory(), fs::perms::owner_read | fs::perms::owner_exec);

    ui::Window* main = openMainWindow();
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(boxes_.empty());
    EXPECT_EQ(main->rowCount(kBearingList), 1);
}

TEST_F(StartupTest, NoUsableCatalogueShowsConnectionFailedOnceAndAnEmptyList) {
    fs::create_directories(dataDirectory());
    fs::permissions(dataDirectory(), fs::perms::owner_read | fs::perms::owner_exec);

    ui::Window* main = openMainWindow();
    ASSERT_NE(main, nullptr) << "the program keeps running";
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(boxes_[0].text, "连接失败");
    EXPECT_EQ(boxes_[0].caption, "信息：");
    EXPECT_EQ(boxes_[0].buttons, ui::BoxButtons::Ok);
    EXPECT_EQ(main->rowCount(kBearingList), 0);
    EXPECT_FALSE(fs::exists(deployedPath()));
}

TEST_F(StartupTest, ADamagedCatalogueThatCannotBeReplacedFailsTheOpen) {
    fs::create_directories(dataDirectory());
    { std::ofstream(deployedPath()) << "not a database"; }
    fs::permissions(dataDirectory(), fs::perms::owner_read | fs::perms::owner_exec);

    ui::Window* main = openMainWindow();
    ASSERT_NE(main, nullptr);
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(boxes_[0].text, "连接失败");
    EXPECT_EQ(main->rowCount(kBearingList), 0);
}

// No absolute data directory (no home to be found, see DeployedPath): nothing is written
// anywhere, neither under "/" nor under the current folder, and start-up ends in
// "连接失败" with an empty list.
TEST_F(StartupTest, WithoutADataDirectoryNothingIsWrittenAndTheConnectionFails) {
    ui::Window* main = openMainWindow();
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(boxes_.empty());
    const fs::path workingFolder = home_.path() / "working";
    fs::create_directories(workingFolder);
    const fs::path previousFolder = fs::current_path();
    fs::current_path(workingFolder);
    const bool rootHadOne = fs::exists(fs::symlink_status("/bearing.mdb"));

    for (const char* directory : {"", "relative/lingzhou"}) {
        main->database(query::kCatalogueConnection).CloseDatabase();  // as at a first start
        startup::deployCatalogue(*main, {directory, catalogue::catalogueImage()});
        ASSERT_EQ(boxes_.size(), 1u) << '"' << directory << '"';
        EXPECT_EQ(boxes_[0].text, "连接失败");
        EXPECT_EQ(main->rowCount(kBearingList), 0);
        EXPECT_FALSE(main->database(query::kCatalogueConnection).isConnected());
        boxes_.clear();
    }
    fs::current_path(previousFolder);
    EXPECT_TRUE(fs::is_empty(workingFolder)) << "nothing under the current folder";
    if (!rootHadOne) {
        EXPECT_FALSE(fs::exists(fs::symlink_status("/bearing.mdb"))) << "nothing under /";
    }
}

TEST_F(StartupTest, TheFirstListingStopsAt29Bearings) {
    fs::create_directories(dataDirectory());
    std::string rows;
    for (int bh = 1; bh <= 40; ++bh) {
        rows += "INSERT INTO bearing (bh, newno) VALUES (" + std::to_string(bh) + ", 'N" +
                std::to_string(bh) + "');";
    }
    ASSERT_TRUE(writeSmallCatalogue(deployedPath(), rows));
    fs::permissions(dataDirectory(), fs::perms::owner_read | fs::perms::owner_exec);
    ui::Window* main = openMainWindow();
    ASSERT_NE(main, nullptr);
    const auto listed = rowsOf(*main, kBearingList, 3);
    ASSERT_EQ(listed.size(), 29u);
    EXPECT_EQ(listed.back(), "29||N29");
}

}  // namespace
}  // namespace lz::test
