#include "app/startup/file_layer.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "app/startup/data_directory.h"
#include "tests/support/temp_dir.h"

namespace lz::startup {
namespace {

namespace fs = std::filesystem;

std::vector<std::byte> bytesOf(std::string_view text) {
    std::vector<std::byte> bytes(text.size());
    std::memcpy(bytes.data(), text.data(), text.size());
    return bytes;
}

std::string contentOf(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void makeReadOnly(const fs::path& path) {
    fs::permissions(path, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
}

TEST(DeployedPath, FileNameFollowsADoubledSeparator) {
    EXPECT_EQ(deployedCataloguePath("/home/u/.local/share/lingzhou"),
              "/home/u/.local/share/lingzhou//bearing.mdb");
    EXPECT_EQ(deployedCataloguePath("/data/"), "/data//bearing.mdb");
}

TEST(DeployedPath, DataDirectoryFollowsXdgDataHome) {
    setenv("XDG_DATA_HOME", "/tmp/xdg-here/", 1);
    EXPECT_EQ(dataDirectory(), "/tmp/xdg-here/lingzhou");
    setenv("XDG_DATA_HOME", "relative/is/ignored", 1);
    setenv("HOME", "/home/someone", 1);
    EXPECT_EQ(dataDirectory(), "/home/someone/.local/share/lingzhou");
    unsetenv("XDG_DATA_HOME");
}

TEST(DeployedPath, MissingDirectoryIsCreatedPrivate) {
    test::TempDir temp;
    const auto directory = temp.path() / "a" / "lingzhou";
    ASSERT_TRUE(ensureDirectory(directory.string()));
    struct stat st {};
    ASSERT_EQ(stat(directory.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u);
    EXPECT_TRUE(ensureDirectory(directory.string())) << "an existing directory is fine";
}

TEST(FileLayer, WriteCreatesAndReplacesWholeFiles) {
    test::TempDir temp;
    const auto path = (temp.path() / "bearing.mdb").string();
    ASSERT_TRUE(writeFileExclusive(path, bytesOf("first image")));
    EXPECT_EQ(contentOf(path), "first image");
    ASSERT_TRUE(writeFileExclusive(path, bytesOf("2nd")));
    EXPECT_EQ(contentOf(path), "2nd");
    EXPECT_EQ(std::distance(fs::directory_iterator(temp.path()), fs::directory_iterator()), 1)
        << "no temporary file may be left behind";
    EXPECT_FALSE(writeFileExclusive("", bytesOf("x")));
}

TEST(FileLayer, ReadOnlyFileCanBeNeitherDeletedNorOverwritten) {
    test::TempDir temp;
    const auto path = (temp.path() / "bearing.mdb").string();
    ASSERT_TRUE(writeFileExclusive(path, bytesOf("kept")));
    makeReadOnly(path);
    EXPECT_FALSE(deleteFile(path));
    EXPECT_FALSE(writeFileExclusive(path, bytesOf("replaced")));
    EXPECT_EQ(contentOf(path), "kept");

    // Hidden replaces every other attribute, read-only included: the file can go again.
    ASSERT_TRUE(setFileAttributes(path, kAttributeHidden));
    EXPECT_EQ(fileAttributes(path).value() & kAttributeReadOnly, 0u);
    EXPECT_TRUE(deleteFile(path));
    EXPECT_FALSE(fs::exists(path));
    EXPECT_FALSE(deleteFile(path)) << "a missing file cannot be deleted";
}

TEST(FileLayer, UnwritableDirectoryTakesNoFile) {
    test::TempDir temp;
    const auto path = (temp.path() / "bearing.mdb").string();
    ASSERT_TRUE(writeFileExclusive(path, bytesOf("earlier")));
    makeReadOnly(temp.path());
    EXPECT_FALSE(deleteFile(path));
    EXPECT_FALSE(writeFileExclusive(path, bytesOf("new")));
    EXPECT_EQ(contentOf(path), "earlier");
}

TEST(FileLayer, AttributesAreMaskedAndReadOnlyFollowsTheMode) {
    test::TempDir temp;
    const auto path = (temp.path() / "f").string();
    ASSERT_TRUE(writeFileExclusive(path, bytesOf("x")));
    ASSERT_TRUE(setFileAttributes(path, 0xFF));
    const unsigned attributes = fileAttributes(path).value();
    EXPECT_EQ(attributes & ~kAttributeMask, 0u) << "only 0x27 passes";
    EXPECT_NE(attributes & kAttributeReadOnly, 0u);
    EXPECT_FALSE(writeFileExclusive(path, bytesOf("y")));
    EXPECT_FALSE(setFileAttributes((temp.path() / "missing").string(), kAttributeHidden));
    EXPECT_FALSE(fileAttributes((temp.path() / "missing").string()).has_value());
}

}  // namespace
}  // namespace lz::startup
