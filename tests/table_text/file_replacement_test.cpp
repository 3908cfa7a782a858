// Writing a file whole or not at all.
#include "query/table_text/file_replacement.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <fstream>
#include <iterator>
#include <string>

#include "tests/support/temp_dir.h"

namespace lz::query::text {
namespace {

namespace fs = std::filesystem;

std::string bytesOf(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::vector<std::string> namesIn(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

class FileReplacementTest : public ::testing::Test {
protected:
    test::TempDir dir_;
};

TEST_F(FileReplacementTest, WritesAndReplacesWholeFiles) {
    const fs::path target = dir_.path() / "轴承.csv";
    EXPECT_FALSE(writeFileReplacing(target, "first"));
    EXPECT_EQ(bytesOf(target), "first");
    EXPECT_FALSE(writeFileReplacing(target, std::string("a\0b", 3)));
    EXPECT_EQ(bytesOf(target), std::string("a\0b", 3));
    EXPECT_EQ(namesIn(dir_.path()), std::vector<std::string>{"轴承.csv"});
}

TEST_F(FileReplacementTest, UnwritablePlacesFailAndLeaveNothing) {
    fs::create_directory(dir_.path() / "folder");
    std::ofstream(dir_.path() / "plain") << "x";
    for (const fs::path& target :
         {dir_.path() / "missing" / "list.csv", dir_.path() / "plain" / "list.csv",
          dir_.path() / "folder", dir_.path() / "folder" / ""}) {
        EXPECT_TRUE(writeFileReplacing(target, "rows")) << target;
    }
    EXPECT_EQ(namesIn(dir_.path()), (std::vector<std::string>{"folder", "plain"}));
    EXPECT_TRUE(fs::is_empty(dir_.path() / "folder"));
}

TEST_F(FileReplacementTest, AReadOnlyFileStaysAsItWas) {
    const fs::path target = dir_.path() / "kept.csv";
    std::ofstream(target) << "old";
    fs::permissions(target,
                    fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    EXPECT_TRUE(writeFileReplacing(target, "new"));
    EXPECT_EQ(bytesOf(target), "old");
    EXPECT_EQ(namesIn(dir_.path()), std::vector<std::string>{"kept.csv"});
}

// The disk running full midway: a file size limit makes the writes fail even for root.
TEST_F(FileReplacementTest, AWriteFailingMidwayLeavesTheOldFileAndNoPart) {
    const fs::path target = dir_.path() / "list.csv";
    std::ofstream(target) << "old";

    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const std::error_code error = writeFileReplacing(target, std::string(100000, 'x'));
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_TRUE(error);
    EXPECT_EQ(bytesOf(target), "old");
    EXPECT_EQ(namesIn(dir_.path()), std::vector<std::string>{"list.csv"});
}

std::filesystem::perms permissionsOf(const fs::path& path) {
    return fs::status(path).permissions();
}

// A replaced file keeps its permission bits (and, where the program may, its owner and
// group); a new file gets the usual mode under the umask.
TEST_F(FileReplacementTest, AReplacedFileKeepsItsModeANewOneFollowsTheUmask) {
    for (const fs::perms mode : {fs::perms(0600), fs::perms(0640), fs::perms(0604)}) {
        const fs::path target = dir_.path() / "list.csv";
        std::ofstream(target) << "old";
        fs::permissions(target, mode, fs::perm_options::replace);
        ASSERT_FALSE(writeFileReplacing(target, "new"));
        EXPECT_EQ(bytesOf(target), "new");
        EXPECT_EQ(permissionsOf(target), mode) << static_cast<int>(mode);
        fs::remove(target);
    }

    for (const mode_t mask : {mode_t{022}, mode_t{077}}) {
        const mode_t previous = ::umask(mask);
        const fs::path fresh = dir_.path() / ("fresh" + std::to_string(mask) + ".csv");
        const std::error_code error = writeFileReplacing(fresh, "rows");
        ::umask(previous);
        ASSERT_FALSE(error);
        EXPECT_EQ(permissionsOf(fresh), fs::perms(0666 & ~mask)) << "umask " << mask;
    }

    if (::geteuid() == 0) {  // only root can hand a file to someone else
        const fs::path theirs = dir_.path() / "theirs.csv";
        std::ofstream(theirs) << "old";
        ASSERT_EQ(::chown(theirs.c_str(), 4321, 4322), 0);
        fs::permissions(theirs, fs::perms(0640), fs::perm_options::replace);
        ASSERT_FALSE(writeFileReplacing(theirs, "new"));
        struct stat st {};
        ASSERT_EQ(::stat(theirs.c_str(), &st), 0);
        EXPECT_EQ(st.st_uid, 4321u);
        EXPECT_EQ(st.st_gid, 4322u);
        EXPECT_EQ(st.st_mode & 07777, 0640u);
    }
}

TEST(PathFromUtf8, KeepsChineseNames) {
    EXPECT_TRUE(pathFromUtf8("/tmp/轴承 列表.csv").filename() == fs::path(u8"轴承 列表.csv"));
}

}  // namespace
}  // namespace lz::query::text
