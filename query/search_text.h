#pragma once

#include <string>
#include <string_view>

namespace lz::ui {
class Window;
}

namespace lz::query {

// The text of a search box or combo box as the searches and price queries compose it: as
// shown, with what an input method's full-width mode typed folded to half-width
// (designation::foldToHalfWidth), so that "６２０５" finds what "6205" finds.
std::string searchText(const ui::Window& window, std::string_view control);

}  // namespace lz::query
