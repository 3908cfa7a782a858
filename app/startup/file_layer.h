#pragma once

#include <sys/types.h>

#include <chrono>
#include <cstddef>
#include <functional>
#include <optional>
#include <span>
#include <string>

namespace lz::startup {

// File operations with the meaning the deployment relies on, kept on POSIX: a read-only
// file (no write bits) can be neither deleted nor overwritten, and a directory without
// write bits takes no new file (also for root, who would otherwise ignore the bits).
// None of them follows a symbolic link: each acts on the path itself, so that a link
// planted at a path can never redirect a change to another file.

constexpr unsigned kAttributeReadOnly = 0x01;
constexpr unsigned kAttributeHidden = 0x02;
constexpr unsigned kAttributeSystem = 0x04;
constexpr unsigned kAttributeArchive = 0x20;
constexpr unsigned kAttributeMask = 0x27;  // the only bits that reach the file

// True when the path itself is a regular file (not a link to one, a directory or a device).
bool isRegularFile(const std::string& path);

// Removes a file (a link itself, never its target); false when it is missing, read-only,
// a directory, or its directory takes no changes.
bool deleteFile(const std::string& path);

// Replaces the file at a path with new contents, one step at a time. The bytes go to a
// private temporary file beside it (created exclusively, mode 0600, named
// ".<name>.XXXXXX"), which is renamed over the path only once complete and flushed. Nothing
// is deleted first: until the rename the earlier file stays whole, after it the new one
// is, and whoever opens the path meanwhile finds one or the other. Whatever stands at the
// path (a link included) is replaced by the rename, except a directory or a read-only file.
// `attributes` (see setFileAttributes), when given, go to the new file through its own
// descriptor before it takes the path: they can never reach a file that stood there, nor
// one a link there points to, whether or not the replacement goes through.
class FileReplacement {
public:
    enum class Step { CreateTemporary, Write, SetAttributes, Flush, Rename, Finished };

    FileReplacement(std::string path, std::span<const std::byte> bytes,
                    std::optional<unsigned> attributes = std::nullopt);
    ~FileReplacement();  // removes a temporary file that was never renamed
    FileReplacement(const FileReplacement&) = delete;
    FileReplacement& operator=(const FileReplacement&) = delete;

    Step nextStep() const { return next_; }
    bool finished() const { return next_ == Step::Finished; }
    // Runs the next step; a step that fails finishes the replacement without success.
    void runStep();
    void runAll();
    // True once the new contents stand at the path.
    bool succeeded() const { return succeeded_; }

private:
    void abandon();

    std::string path_;
    std::span<const std::byte> bytes_;
    std::optional<unsigned> attributes_;
    std::string temporary_;
    int fd_ = -1;
    Step next_ = Step::CreateTemporary;
    bool succeeded_ = false;
};

// A whole replacement at once. An empty path writes nothing. False when anything fails,
// also when `path` is a read-only file; the earlier file is then untouched.
bool writeFileExclusive(const std::string& path, std::span<const std::byte> bytes,
                        std::optional<unsigned> attributes = std::nullopt);

// Removes the temporary files that replacements of `path` left behind when they were cut
// short (the program killed mid-write): regular files of the current user named like
// FileReplacement's, not modified for `minimumAge` (a replacement running right now in
// another process keeps its file). Links and anything else are left alone. Returns how
// many were removed.
int removeStaleTemporaryFiles(const std::string& path, std::chrono::seconds minimumAge);

// Removes what SQLite keeps beside a database at `path` ("-journal", "-wal", "-shm"): the
// entries themselves, links included, whatever their mode, never a directory. Returns how
// many were removed.
int removeJournalFiles(const std::string& path);

// Sets the attributes of the open regular file `fd` to `attributes & kAttributeMask`,
// replacing all others: read-only takes the write bits away (clearing it gives the owner
// write access back); the full value is kept with the file as an extended attribute where
// the file system allows. By descriptor only, so that it acts on the very file that was
// opened (or created) and on nothing that meanwhile took its name. False for anything but
// a regular file.
bool setFileAttributes(int fd, unsigned attributes);

// The attributes as setFileAttributes left them (read-only from the mode bits); nothing
// when the path holds no regular file.
std::optional<unsigned> fileAttributes(const std::string& path);

// The call file contents are written with, ::write unless a test puts a failing one in
// its place (a full disk, an I/O error); an empty function restores ::write.
using WriteCall = std::function<ssize_t(int fd, const void* bytes, std::size_t count)>;
void setWriteCallForTesting(WriteCall call);

}  // namespace lz::startup
