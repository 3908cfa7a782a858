#pragma once

class QWidget;

namespace lz::ui {

// Puts an application-modal window (a message box, a dialog, a modal window of a template)
// in the window manager's layer of windows that stay on top, before it is shown. Opened
// in the ordinary layer, it would go under any window that stays on top (the picture
// window), hidden yet holding every key, and leaving the windows above it dead to clicks.
// Within the layer the newest window goes on top, so the modal window is above them all.
void stackAboveOnTopWindows(QWidget& modalWindow);

}  // namespace lz::ui
