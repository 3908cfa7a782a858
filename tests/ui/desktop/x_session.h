#pragma once

#include <functional>
#include <vector>

#include <QStringList>
#include <QWidget>

namespace lz::ui::desktop {

// What the X server and its window manager say about the program's windows, and keys typed
// through the X server's test extension, which reach the window the window manager gave
// the keyboard to, exactly as a keyboard's keys would. For tests run by
// under_window_manager.sh (a real display with openbox).

// The managed windows from the bottom to the top, as the window manager stacks them.
std::vector<WId> stackingOrder();
// The window that has the keyboard, as the window manager says; 0 when none.
WId activeWindow();
// The X window of a top-level widget.
WId xWindowOf(const QWidget* window);
bool isTopmost(const QWidget* window);

// Types with xdotool, without a target window: `keys` such as {"key", "Escape"} or
// {"type", "6205"}. True when xdotool ran and succeeded.
bool typeOnKeyboard(const QStringList& keys);

// Handles events until `condition` holds or `milliseconds` have passed; the condition's
// last answer.
bool waitUntil(const std::function<bool()>& condition, int milliseconds = 5000);

}  // namespace lz::ui::desktop
