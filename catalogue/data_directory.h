#pragma once

#include <string>

namespace lz::catalogue {

// The program's per-user data directory, as the XDG base directories have it:
// $XDG_DATA_HOME/lingzhou, or <home>/.local/share/lingzhou when XDG_DATA_HOME is unset,
// empty or not absolute. The home is $HOME when that is absolute, otherwise the user's
// home from the password database. Empty when neither gives an absolute path: a relative
// one would put the catalogue wherever the program happened to be started. This is where
// the catalogue is deployed and the shop file kept.
std::string dataDirectory();

// Whether `directory` can hold the deployed catalogue: an absolute path (dataDirectory
// gives an empty one when there is no home).
bool isUsableDataDirectory(const std::string& directory);

// Creates the directory (and missing parents) with mode 0700 when it is missing. False
// when it does not exist afterwards.
bool ensureDirectory(const std::string& directory);

// The deployed catalogue's path: the directory, a separator appended when it does not end
// in one, then "/bearing.mdb" — so the file name always follows a doubled separator, which
// the file system reads as one.
std::string deployedCataloguePath(const std::string& directory);

}  // namespace lz::catalogue
