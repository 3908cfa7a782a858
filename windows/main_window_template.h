#pragma once

#include <string_view>

#include "ui/window_template.h"

namespace lz::windows {

// Names the actions use to reach the main window and its page tab control.
inline constexpr std::string_view kMainWindowName = "main";
inline constexpr std::string_view kMainPages = "选择夹1";
// The catalogue connection every search of the main window reads through.
inline constexpr std::string_view kMainCatalogueConnection = "外部数据库1";

// The window opened at start: toolbar, the six-page tab control `选择夹1` (no strip; the
// toolbar picks the page) and the status bar.
const ui::WindowTemplate& mainWindowTemplate();

}  // namespace lz::windows
