// A front view of a deep groove ball bearing (outer ring, balls, inner ring, bore): the one
// emblem of the picture set, used by the toolbar and by the domestic makers' chart.
#pragma once

#include <QColor>
#include <QPointF>

class QPainter;

namespace picture_generator {

// tint colours the rings; the balls stay steel so the glyph always reads as a bearing.
void paintBearingGlyph(QPainter& painter, QPointF centre, qreal radius, const QColor& tint);

}  // namespace picture_generator
