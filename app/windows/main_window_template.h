#pragma once

#include "app/ui/window_template.h"

namespace lz::windows {

// The window opened at start: toolbar, the six-page tab control `选择夹1` (no strip; the
// toolbar picks the page) and the status bar.
const ui::WindowTemplate& mainWindowTemplate();

}  // namespace lz::windows
