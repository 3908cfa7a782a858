#pragma once

namespace lz::ui {

// The one message pump: handles every window message that is pending right now (input,
// painting, clicks) and returns when the queue is empty or the program is about to quit.
void processPendingMessages();

}  // namespace lz::ui
