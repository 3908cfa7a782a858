// The common layout of the reference charts: a white sheet with a serif title, a note in the
// corner and a ruled heading band, leaving one content rectangle for the chart's own grid.
#pragma once

#include <QImage>
#include <QRectF>
#include <QString>

class QPainter;

namespace picture_generator {

QImage newChartImage();

// Paints the heading and returns the rectangle that remains for the chart body.
QRectF paintChartHeading(QPainter& painter, const QString& title, const QString& note);

}  // namespace picture_generator
