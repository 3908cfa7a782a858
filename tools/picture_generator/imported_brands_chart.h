// The chart of imported bearing brands shown on the knowledge page: 49 plain typographic
// tiles (brand name and country), grouped by country. No maker's logo is reproduced.
#pragma once

#include <QImage>

namespace picture_generator {

QImage drawImportedBrandsChart();

}  // namespace picture_generator
