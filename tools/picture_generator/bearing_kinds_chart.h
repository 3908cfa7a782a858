// The chart of bearing kinds shown on the knowledge page: 36 kinds in a three-column table,
// each with its type code and an example designation in the GB/T 272 (ISO) scheme.
#pragma once

#include <QImage>

namespace picture_generator {

QImage drawBearingKindsChart();

}  // namespace picture_generator
