// The perspective cut-away view of a bearing model: the parts seen from the front and above,
// with a wedge taken out of the turned parts so that their sections and the rolling elements
// show, shaded like a catalogue illustration and outlined in ink.
#pragma once

#include <QRectF>

#include "bearing_model.h"

class QPainter;

namespace picture_generator {

// Draws the view into `area`, as large as fits and centred.
void paintCutawayView(QPainter& painter, const QRectF& area, const BearingModel& model);

}  // namespace picture_generator
