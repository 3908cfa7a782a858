#include <set>
#include <string>

#include "ui/window_manager.h"

namespace lz::ui {
namespace {

std::string quoted(std::string_view name) {
    return "\"" + std::string(name) + "\"";
}

bool isKnownKind(ControlKind kind) {
    const int value = static_cast<int>(kind);
    return value >= static_cast<int>(ControlKind::Label) &&
           value <= static_cast<int>(ControlKind::RecordSet);
}

const ControlTemplate* findEarlier(const WindowTemplate& window, std::size_t before,
                                   std::string_view name) {
    for (std::size_t i = 0; i < before; ++i) {
        if (window.controls[i].name == name) {
            return &window.controls[i];
        }
    }
    return nullptr;
}

}  // namespace

std::string validateTemplate(const WindowTemplate& window) {
    if (window.name.empty()) {
        return "window without a name";
    }
    if (window.outerWidth <= 0 || window.outerHeight <= 0) {
        return "window " + quoted(window.name) + " has no size";
    }
    std::set<std::string_view> names;
    for (std::size_t i = 0; i < window.controls.size(); ++i) {
        const ControlTemplate& control = window.controls[i];
        const std::string where = " in window " + quoted(window.name);
        if (control.name.empty()) {
            return "control #" + std::to_string(i) + " has no name" + where;
        }
        if (!isKnownKind(control.kind)) {
            return "control " + quoted(control.name) + " is of an unknown kind" + where;
        }
        if (!names.insert(control.name).second) {
            return "control name " + quoted(control.name) + " used twice" + where;
        }
        if (control.kind == ControlKind::TabControl && !control.pages.empty() &&
            (control.currentPage < 0 ||
             control.currentPage >= static_cast<int>(control.pages.size()))) {
            return "tab control " + quoted(control.name) + " starts on a page it lacks" + where;
        }
        if (control.container.empty()) {
            continue;
        }
        // Containers are built before their children, so they must come first.
        const ControlTemplate* container = findEarlier(window, i, control.container);
        if (container == nullptr) {
            return "control " + quoted(control.name) + " lies in " + quoted(control.container) +
                   ", which does not precede it" + where;
        }
        if (!isContainerKind(container->kind)) {
            return "control " + quoted(control.name) + " lies in " + quoted(control.container) +
                   ", which is no group box or tab control" + where;
        }
        if (container->kind == ControlKind::TabControl &&
            (control.page < 0 || control.page >= static_cast<int>(container->pages.size()))) {
            return "control " + quoted(control.name) + " lies on page " +
                   std::to_string(control.page) + " of " + quoted(control.container) +
                   ", which has " + std::to_string(container->pages.size()) + " pages" + where;
        }
    }
    for (const WiredEvent& wired : window.wiredEvents) {
        if (!wired.control.empty() &&
            findEarlier(window, window.controls.size(), wired.control) == nullptr) {
            return "wired event of " + quoted(wired.control) + ", which the window lacks";
        }
    }
    return {};
}

}  // namespace lz::ui
