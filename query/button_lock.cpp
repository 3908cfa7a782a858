#include "query/button_lock.h"

#include "ui/window.h"
#include "ui/window_manager.h"

namespace lz::query {

ButtonLock::ButtonLock(ui::Window& window, std::string_view button)
    : window_(window), windowName_(window.name()), button_(button) {
    window_.setEnabled(button_, false);
}

ButtonLock::~ButtonLock() {
    // A fill handles messages, and one of them may have closed the window; it is looked
    // up by name rather than touched blindly.
    if (ui::WindowManager::instance().find(windowName_) == &window_) {
        window_.setEnabled(button_, true);
    }
}

}  // namespace lz::query
