#pragma once

#include <string>

namespace lz::content {

// The bearing row that "查看" last copied from the bearing list, read when the bearing
// picture window is created or shows another row. It lives for the whole run of the program.
struct SelectedBearing {
    std::string type;
    std::string name;
    std::string innerDiameter;
    std::string brand;
    std::string newModel;
    std::string outerDiameter;
    std::string description;
    std::string oldModel;
    std::string width;
};

SelectedBearing& selectedBearing();

// Empties the record and registers its release for the end of the program; called once
// at program start.
void initSelectedBearing();

}  // namespace lz::content
