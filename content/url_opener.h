#pragma once

#include <functional>
#include <string_view>

namespace lz::content {

// Hands an address to the desktop, which shows it in the user's default browser. Whether
// that worked is not checked: without a browser nothing happens and nothing is reported.
void openUrl(std::string_view address);

// Tests catch the addresses here instead of starting a browser; an empty function restores
// the desktop.
using UrlOpener = std::function<void(std::string_view address)>;
void setUrlOpenerForTesting(UrlOpener opener);

}  // namespace lz::content
