#pragma once

#include <string_view>

namespace lz::ui {
class Window;
}

namespace lz::query {

inline constexpr std::string_view kInitialListingSql =
    "select zhch,bh,newno,oldno,njin,wjin,gdu,ppai,btype,tt from bearing";
inline constexpr int kInitialListingRows = 29;

// Replaces the bearing list with the first 29 bearings of the catalogue. Quiet: no
// message when nothing comes back, and no message handling between rows.
void listInitialBearings(ui::Window& mainWindow);

}  // namespace lz::query
