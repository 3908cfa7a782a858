// The common layout of the type pictures: a white sheet with the type's name as a serif
// caption over the charts' ruled heading, the size drawn in the corner, and below it the
// cut-away view on the left and the dimensioned section on the right.
#pragma once

#include <QImage>

#include "bearing_model.h"

namespace picture_generator {

inline constexpr int kTypePictureWidth = 635;
inline constexpr int kTypePictureHeight = 220;

QImage drawTypeSheet(const BearingModel& model);

}  // namespace picture_generator
