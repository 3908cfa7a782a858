// The axial section of a bearing model as a catalogue's dimension table draws it: the parts
// cut through along the axis and hatched at 45°, rolling elements left plain, the axis as a
// dash-dotted centre line, and the main dimensions with arrowheads and their letters.
#pragma once

#include <QRectF>

#include "bearing_model.h"

class QPainter;

namespace picture_generator {

// Draws the section and its dimensions into `area`, as large as the dimensions allow.
void paintSectionView(QPainter& painter, const QRectF& area, const BearingModel& model);

}  // namespace picture_generator
