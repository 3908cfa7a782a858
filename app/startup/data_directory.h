#pragma once

// The program's data directory lives with the catalogue's access layer, so that the
// programs without a window (lingzhou-shop) find the same directory; start-up names it here.
#include "catalogue/data_directory.h"

namespace lz::startup {

using catalogue::dataDirectory;
using catalogue::deployedCataloguePath;
using catalogue::ensureDirectory;
using catalogue::isUsableDataDirectory;

}  // namespace lz::startup
