#pragma once

#include <vector>

#include "ui/window_template.h"

namespace lz::windows {

// Tab stops follow from the kind alone; deriving them here keeps the templates from
// disagreeing with the rule control by control.
inline std::vector<ui::ControlTemplate> withKindTabStops(
    std::vector<ui::ControlTemplate> controls) {
    for (ui::ControlTemplate& control : controls) {
        control.tabStop = ui::isTabStopKind(control.kind);
    }
    return controls;
}

}  // namespace lz::windows
