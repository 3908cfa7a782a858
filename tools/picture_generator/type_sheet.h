// The common layout of the type pictures: a white sheet with the type's name as a serif
// caption over the charts' ruled heading, the letters of the drawing and what they measure
// in the corner, and below it the cut-away view on the left and the dimensioned section on
// the right. A picture stands for every bearing of its type: the picture window shows it
// above whichever bearing is chosen, so it names no size.
#pragma once

#include <QImage>

#include "bearing_model.h"

namespace picture_generator {

inline constexpr int kTypePictureWidth = 635;
inline constexpr int kTypePictureHeight = 220;
// The heading (caption, note and rules) takes the rows above this one; the views the rest.
inline constexpr int kTypeHeadingRows = 36;

// The heading's corner: each letter with its meaning ("d 内径　D 外径　B 宽度"), then the
// kind drawn, where the model names one.
QString headingNote(const BearingModel& model);

// The heading alone, in the rows above kTypeHeadingRows of a white sheet.
void paintTypeHeading(QPainter& painter, const BearingModel& model);

QImage drawTypeSheet(const BearingModel& model);

}  // namespace picture_generator
