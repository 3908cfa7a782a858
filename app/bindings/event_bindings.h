#pragma once

#include <span>
#include <string_view>

#include "ui/event.h"

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

// The binding an event of a window runs: the first line that matches; none when unbound.
const Binding* bindingFor(std::string_view window, const ui::Event& event);

// The event sink of the window manager: runs the action bound to the event, if any.
// Events without a binding are ignored.
void dispatchEvent(ui::Window& window, const ui::Event& event);

// The table's actions: adapters from an event's arguments to the actions' own parameters.
template <void (*action)(ui::Window&)>
void withoutArguments(ui::Window& window, const ui::EventArgs&) {
    action(window);
}
void startUp(ui::Window& mainWindow, const ui::EventArgs& args);
void toolbarClicked(ui::Window& mainWindow, const ui::EventArgs& args);
void bannerPressed(ui::Window& mainWindow, const ui::EventArgs& args);
// Selecting rows in the bearing list is bound on purpose to nothing.
void noAction(ui::Window& window, const ui::EventArgs& args);
// Enter in a search field: the search of the field's button, unless that button is disabled.
void enterSingleField(ui::Window& mainWindow, const ui::EventArgs& args);
void enterCombined(ui::Window& mainWindow, const ui::EventArgs& args);
void enterImportedPrice(ui::Window& mainWindow, const ui::EventArgs& args);
void enterDomesticPrice(ui::Window& mainWindow, const ui::EventArgs& args);
// A double click on a row of the 型号助手's list: the picture window of that bearing, as a
// double click in the bearing list opens it.
void openAssistantBearingPicture(ui::Window& assistant, const ui::EventArgs& args);
// The same on the list of the page "按实测尺寸".
void openMeasuredBearingPicture(ui::Window& assistant, const ui::EventArgs& args);

}  // namespace lz::bindings
