#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

namespace lz::query::text {

// Writes `bytes` as the file `target`, whole or not at all: first into a new file beside
// it, which then takes the target's name, replacing a file of that name. When anything
// fails (no such folder, no right to write there, the disk full midway, `target` a folder
// or a read-only file) the new file is removed again and a file already under the name
// stays as it was. A file that is replaced hands its permission bits on to the new one,
// and its owner and group where the program may keep them (a group it cannot keep gets no
// rights); the new file is private until then. A file that did not exist gets 0666 less
// the umask, as any new file. Returns what failed; a false error code on success.
std::error_code writeFileReplacing(const std::filesystem::path& target, std::string_view bytes);

// Why a write failed, in the user's words where the cause is a common one ("磁盘空间不足",
// "没有写入权限" ...), else the system's own.
std::string writeFailureReason(const std::error_code& error);

// A path from UTF-8 text, whatever the platform's own encoding of file names.
std::filesystem::path pathFromUtf8(std::string_view utf8);

}  // namespace lz::query::text
