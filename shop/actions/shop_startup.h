#pragma once

#include <string>

namespace lz::shop::actions {

// At start, after the catalogue: opens the shop file in the data directory for the rest of
// the run (ShopSession). A file that is there but cannot be used (another program's,
// damaged, from a newer 翎轴, or its upgrade failed) is left as it is and a message says
// so; the program goes on without shop data. A file that cannot be made (no data
// directory, a read-only one) is said only when the user asks for the shop's data.
void openShopFile(const std::string& dataDirectory);

// The message for "no shop data": why the file could not be opened.
std::string shopDataUnavailableMessage();

}  // namespace lz::shop::actions
