#pragma once

namespace lz::ui {

// The one message pump: handles every window message that is pending right now (input,
// painting, clicks) and returns when the queue is empty or the program is about to quit.
void processPendingMessages();

// To be called before the application object is created: has Qt run its own event
// dispatcher rather than the GLib main loop. A fill handles pending messages after every
// row, and a look at the queue costs half as much with Qt's own (it spares GLib's locking
// of its main context several times per look); the window system and the web engine work
// the same on either. A QT_NO_GLIB set by the user is left as it is.
void chooseEventDispatcher();

}  // namespace lz::ui
