#pragma once

#include <array>
#include <initializer_list>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "candidates.h"
#include "kinds.h"

namespace catgen {

using KindWeights = std::array<double, kKindCount>;

// Weights of the kinds named, zero for the others; and a copy of `base` with the kinds
// named set anew.
KindWeights only(std::initializer_list<std::pair<Kind, double>> parts);
KindWeights plus(KindWeights base, std::initializer_list<std::pair<Kind, double>> parts);

// A brand of the bearing catalogue as its source lists wrote it.
struct BearingBrand {
    std::optional<std::string> name;  // NULL for two rows that lost their brand
    int rows;
    Dialect dialect;
    KindWeights weights;  // what the brand makes, roughly in what proportion
    int spaces = 1;       // between brand and model in the bearing name
    int titleStyle = 1;   // how its source wrote the type descriptions
    int altTitleStyle = 1;
    bool titleSeries = false;   // descriptions name the dimension series too
    double oldNullShare = 0.5;  // of rows without an old-code rule: left empty ...
    double oldSameShare = 0.3;  // ... or given the new designation; else the brand's code
};

// In the order the catalogue lists them.
const std::vector<BearingBrand>& bearingBrands();

// Weights of the general range of a full-line maker.
KindWeights generalRange();

}  // namespace catgen
