#pragma once

#include <vector>

#include "ui/window_template.h"

// The main window's pages, split by purpose; each returns its controls in template order,
// containers before their children.
namespace lz::windows::detail {

std::vector<ui::ControlTemplate> bearingSearchPageControls();  // page 0 of `选择夹1`
std::vector<ui::ControlTemplate> importedPricePageControls();  // page 1
std::vector<ui::ControlTemplate> domesticPricePageControls();  // page 2
std::vector<ui::ControlTemplate> referencePagesControls();     // pages 3 to 5

}  // namespace lz::windows::detail
