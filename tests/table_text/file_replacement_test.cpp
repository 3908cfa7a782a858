// Writing a file whole or not at all.
#include "query/table_text/file_replacement.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

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

TEST(PathFromUtf8, KeepsChineseNames) {
    EXPECT_TRUE(pathFromUtf8("/tmp/轴承 列表.csv").filename() == fs::path(u8"轴承 列表.csv"));
}

}  // namespace
}  // namespace lz::query::text
