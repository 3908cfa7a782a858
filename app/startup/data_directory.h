#pragma once

#include <string>

namespace lz::startup {

// The program's per-user data directory: $XDG_DATA_HOME/lingzhou, or
// ~/.local/share/lingzhou when XDG_DATA_HOME is unset or not absolute. This is where the
// catalogue is deployed.
std::string dataDirectory();

// Creates the directory (and missing parents) with mode 0700 when it is missing. False
// when it does not exist afterwards.
bool ensureDirectory(const std::string& directory);

// The deployed catalogue's path: the directory, a separator appended when it does not end
// in one, then "/bearing.mdb" — so the file name always follows a doubled separator, which
// the file system reads as one.
std::string deployedCataloguePath(const std::string& directory);

}  // namespace lz::startup
