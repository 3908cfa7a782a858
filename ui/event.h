#pragma once

#include <functional>
#include <string_view>

#include "ui/window_template.h"

namespace lz::ui {

class Window;

// Arguments an event carries, by kind: a toolbar button's index (separators counted) or
// a menu item's index; a label press's cursor position relative to the label and its key
// state (1 Ctrl + 2 Shift + 4 Alt).
struct EventArgs {
    int index = -1;
    int x = 0;
    int y = 0;
    int keyState = 0;
};

struct Event {
    std::string_view control;  // empty for the window's own events
    EventKind kind = EventKind::Created;
    EventArgs args;
};

// Receives every event every built window raises; unbound events are simply ignored by it.
using EventSink = std::function<void(Window& window, const Event& event)>;

}  // namespace lz::ui
