#pragma once

#include <string>
#include <string_view>

namespace lz::ui {
class Window;
}

namespace lz::query {

// Disables a button of the main window for as long as it lives, so that its own action
// cannot start again inside the fill it runs, and enables it again on every way out. When
// the window has been closed meanwhile it is left alone.
class ButtonLock {
public:
    ButtonLock(ui::Window& window, std::string_view button);
    ~ButtonLock();
    ButtonLock(const ButtonLock&) = delete;
    ButtonLock& operator=(const ButtonLock&) = delete;

private:
    ui::Window& window_;
    std::string windowName_;
    std::string_view button_;
};

}  // namespace lz::query
