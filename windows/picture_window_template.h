#pragma once

#include <string_view>

#include "ui/window_template.h"

namespace lz::windows {

inline constexpr std::string_view kBearingPictureWindowName = "bearing_picture";

// The detail window of one listed bearing: its type's drawing across the top and eight of
// the row's values below. Stays on top so that it is not lost behind the main window.
const ui::WindowTemplate& bearingPictureWindowTemplate();

}  // namespace lz::windows
