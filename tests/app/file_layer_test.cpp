#include "app/startup/file_layer.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
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

mode_t modeOf(const fs::path& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0 ? st.st_mode & 07777 : 0;
}

bool hasAnyExtendedAttribute(const fs::path& path) {
    char names[256];
    return ::llistxattr(path.c_str(), names, sizeof names) > 0;
}

// setFileAttributes on a descriptor of its own, opened for reading only.
bool setAttributesOf(const fs::path& path, unsigned attributes) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW);
    const bool set = setFileAttributes(fd, attributes);
    if (fd >= 0) {
        ::close(fd);
    }
    return set;
}

TEST(DeployedPath, FileNameFollowsADoubledSeparator) {
    EXPECT_EQ(deployedCataloguePath("/home/u/.local/share/lingzhou"),
              "/home/u/.local/share/lingzhou//bearing.mdb");
    EXPECT_EQ(deployedCataloguePath("/data/"), "/data//bearing.mdb");
}

// Sets or (nullptr) unsets an environment variable for one scope.
class ScopedVariable {
public:
    ScopedVariable(const char* name, const char* value) : name_(name) {
        if (const char* previous = std::getenv(name)) {
            previous_ = previous;
        }
        value != nullptr ? setenv(name, value, 1) : unsetenv(name);
    }
    ~ScopedVariable() { previous_ ? setenv(name_, previous_->c_str(), 1) : unsetenv(name_); }
    ScopedVariable(const ScopedVariable&) = delete;
    ScopedVariable& operator=(const ScopedVariable&) = delete;

private:
    const char* name_;
    std::optional<std::string> previous_;
};

std::string accountDataDirectory() {
    const struct passwd* account = ::getpwuid(::geteuid());
    return account != nullptr ? std::string(account->pw_dir) + "/.local/share/lingzhou" : "";
}

TEST(DeployedPath, DataDirectoryFollowsTheXdgRules) {
    struct Case {
        const char* xdgDataHome;
        const char* home;
        std::string expected;
    };
    const std::string account = accountDataDirectory();
    ASSERT_TRUE(account.starts_with("/")) << "the test needs an account with a home";
    for (const Case& c : std::vector<Case>{
             {"/tmp/xdg-here/", "/home/someone", "/tmp/xdg-here/lingzhou"},
             {"relative/is/ignored", "/home/someone", "/home/someone/.local/share/lingzhou"},
             {"", "/home/someone/", "/home/someone/.local/share/lingzhou"},
             {nullptr, "/home/someone", "/home/someone/.local/share/lingzhou"},
             {nullptr, nullptr, account},
             {nullptr, "", account},
             {"relative", "relative/home", account},
         }) {
        ScopedVariable xdg("XDG_DATA_HOME", c.xdgDataHome);
        ScopedVariable home("HOME", c.home);
        EXPECT_EQ(dataDirectory(), c.expected)
            << "XDG_DATA_HOME " << (c.xdgDataHome ? c.xdgDataHome : "unset") << ", HOME "
            << (c.home ? c.home : "unset");
    }
}

// A user the password database does not know, with no absolute HOME: there is no data
// directory at all, rather than one under "/" or the current folder. Needs root to become
// such a user, in a child process.
TEST(DeployedPath, WithoutAnyAbsoluteHomeThereIsNoDataDirectory) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "needs root to run as a user without an account";
    }
    uid_t stranger = 2'000'000'000;
    while (::getpwuid(stranger) != nullptr) {
        ++stranger;
    }
    for (const char* home : {static_cast<const char*>(nullptr), "", "relative/home"}) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            home != nullptr ? setenv("HOME", home, 1) : unsetenv("HOME");
            unsetenv("XDG_DATA_HOME");
            if (::setresuid(stranger, stranger, stranger) != 0) {
                ::_exit(2);
            }
            const std::string directory = dataDirectory();
            ::_exit(directory.empty() ? 0 : 1);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFEXITED(status));
        EXPECT_EQ(WEXITSTATUS(status), 0) << "HOME " << (home ? home : "unset");
    }
    EXPECT_FALSE(isUsableDataDirectory(""));
    EXPECT_FALSE(isUsableDataDirectory("relative/lingzhou"));
    EXPECT_TRUE(isUsableDataDirectory("/root/.local/share/lingzhou"));
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
    ASSERT_TRUE(setAttributesOf(path, kAttributeHidden));
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
    ASSERT_TRUE(setAttributesOf(path, 0xFF));
    const unsigned attributes = fileAttributes(path).value();
    EXPECT_EQ(attributes & ~kAttributeMask, 0u) << "only 0x27 passes";
    EXPECT_NE(attributes & kAttributeReadOnly, 0u);
    EXPECT_FALSE(writeFileExclusive(path, bytesOf("y")));
    EXPECT_FALSE(setFileAttributes(-1, kAttributeHidden));
    EXPECT_FALSE(setAttributesOf(temp.path(), kAttributeHidden)) << "a directory";
    EXPECT_FALSE(fileAttributes((temp.path() / "missing").string()).has_value());
}

// The attributes of a replacement go to its own new file, never to what stands at the path
// when the replacement is refused there, nor through a hard link to another file.
TEST(FileLayer, AttributesOfAReplacementReachOnlyItsNewFile) {
    test::TempDir temp;
    const auto path = (temp.path() / "bearing.mdb").string();
    ASSERT_TRUE(writeFileExclusive(path, bytesOf("old")));
    ASSERT_TRUE(writeFileExclusive(path, bytesOf("new"), kAttributeHidden));
    EXPECT_EQ(contentOf(path), "new");
    EXPECT_EQ(fileAttributes(path).value(), kAttributeHidden);
    EXPECT_EQ(modeOf(path), 0600u);

    // A read-only file in a folder that takes files: refused, and left as it was.
    const auto readOnly = (temp.path() / "readonly.mdb").string();
    { std::ofstream(readOnly) << "mine"; }
    fs::permissions(readOnly, fs::perms(0444), fs::perm_options::replace);
    EXPECT_FALSE(writeFileExclusive(readOnly, bytesOf("new"), kAttributeHidden));
    EXPECT_EQ(modeOf(readOnly), 0444u);
    EXPECT_FALSE(hasAnyExtendedAttribute(readOnly));

    // A hard link, in a folder that takes no files, to a 0400 file elsewhere.
    const fs::path elsewhere = temp.path() / "elsewhere";
    fs::create_directories(elsewhere);
    { std::ofstream(elsewhere / "mine.db") << "mine"; }
    fs::permissions(elsewhere / "mine.db", fs::perms(0400), fs::perm_options::replace);
    const fs::path folder = temp.path() / "data";
    fs::create_directories(folder);
    fs::create_hard_link(elsewhere / "mine.db", folder / "bearing.mdb");
    fs::permissions(folder, fs::perms(0555), fs::perm_options::replace);
    EXPECT_FALSE(
        writeFileExclusive((folder / "bearing.mdb").string(), bytesOf("new"), kAttributeHidden));
    EXPECT_EQ(modeOf(elsewhere / "mine.db"), 0400u);
    EXPECT_FALSE(hasAnyExtendedAttribute(elsewhere / "mine.db"));
    EXPECT_EQ(contentOf(elsewhere / "mine.db"), "mine");
}

TEST(FileLayer, JournalFilesBesideAPathAreRemovedButNoDirectory) {
    test::TempDir temp;
    const auto path = (temp.path() / "bearing.mdb").string();
    const fs::path target = temp.path() / "target";
    { std::ofstream(target) << "not ours"; }
    { std::ofstream(path + "-journal") << "journal"; }
    fs::permissions(path + "-journal", fs::perms(0444), fs::perm_options::replace);
    fs::create_symlink(target, path + "-wal");
    fs::create_directories(path + "-shm");
    { std::ofstream(path + "-other") << "kept"; }

    EXPECT_EQ(removeJournalFiles(path), 2);
    EXPECT_FALSE(fs::exists(fs::symlink_status(path + "-journal")));
    EXPECT_FALSE(fs::exists(fs::symlink_status(path + "-wal")));
    EXPECT_TRUE(fs::is_directory(path + "-shm"));
    EXPECT_TRUE(fs::exists(path + "-other"));
    EXPECT_EQ(contentOf(target), "not ours") << "a link goes, not what it points to";
    EXPECT_EQ(removeJournalFiles(path), 0);
}

}  // namespace
}  // namespace lz::startup
