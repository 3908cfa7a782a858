#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "ui/event.h"
#include "ui/window_template.h"

namespace lz::ui {

class Window;

// Opens windows from templates and keeps track of the open ones. One instance per
// process (the program's GUI state), reached through instance().
class WindowManager {
public:
    static WindowManager& instance();

    // Every event of every window goes here.
    void setEventSink(EventSink sink);

    // Web views are real web engine views unless switched off (tests and benchmarks put a
    // plain placeholder in their place so that no browser engine starts).
    void setWebViewsEnabled(bool enabled);
    bool webViewsEnabled() const;

    // Opens a window: an open window of the same template name is restored when minimised
    // and activated otherwise, and returned as it is. Otherwise the window is built (window,
    // controls in template order, created event, moved/resized, then shown). With `modal`,
    // the other windows are disabled while it is open, and it opens above every window of
    // the program, those that stay on top included; a tool window (the template's
    // ownerWindow set) is never modal. nullptr when it cannot be built, or when its created
    // event closed it.
    Window* open(const WindowTemplate& windowTemplate, bool modal = false);

    Window* find(std::string_view name) const;
    std::vector<Window*> openWindows() const;

    // Closes every open window at once (tests).
    void closeAll();

private:
    WindowManager();
    struct State;
    std::unique_ptr<State> state_;
    friend class WindowBuilder;
};

// Checks a template before anything is built: names unique within the window, every
// container exists and is a group box or a tab control (with the page in range), every
// kind known. Returns an explanation of the first fault, or empty when sound.
std::string validateTemplate(const WindowTemplate& windowTemplate);

// The window's top-left corner for an outer size on a screen: centred, and negative when
// the window is larger than the screen.
struct Point {
    int x = 0, y = 0;
};
Point centredPosition(int screenWidth, int screenHeight, int outerWidth, int outerHeight);

// The top-left corner of a tool window of an outer size beside its owner (both outer
// rectangles, in screen coordinates): its top level with the owner's, against the owner's
// right side when it fits on the screen there, else against its left side, else against
// the edge of the screen on the side with more room, overlapping the owner as little as it
// must. Never beyond the screen's left or top edge.
Point besidePosition(Rect screen, Rect owner, int outerWidth, int outerHeight);

}  // namespace lz::ui
