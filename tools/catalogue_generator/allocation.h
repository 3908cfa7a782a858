#pragma once

#include <vector>

namespace catgen {

// Whole-number table whose row sums and column sums are exactly the targets, close in shape
// to the weights (zero weights stay zero): how many rows of each type each brand gets.
// Iterative proportional fitting, then rounding repaired unit by unit.
std::vector<std::vector<int>> allocate(const std::vector<std::vector<double>>& weights,
                                       const std::vector<int>& rowTargets,
                                       const std::vector<int>& columnTargets);

}  // namespace catgen
