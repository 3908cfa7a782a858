#pragma once

#include <span>
#include <string_view>

#include "app/ui/event.h"

namespace lz::bindings {

using Action = void (*)(ui::Window& window, const ui::EventArgs& args);

// One line of the binding: which event of which control of which window runs what. An
// empty control means the window's own event; item -1 means any item of a menu.
struct Binding {
    std::string_view window;
    std::string_view control;
    ui::EventKind event;
    int item;
    Action action;
};

// The whole binding of the program, in one table.
std::span<const Binding> eventBindings();

// The event sink of the window manager: runs the action bound to the event, if any.
// Events without a binding are ignored.
void dispatchEvent(ui::Window& window, const ui::Event& event);

}  // namespace lz::bindings
