// The chart of domestic bearing makers shown on the knowledge page: a 7 x 4 grid of tiles,
// each with the common bearing emblem and the maker's name.
#pragma once

#include <QImage>

namespace picture_generator {

QImage drawDomesticMakersChart();

}  // namespace picture_generator
