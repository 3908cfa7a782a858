// Raceway grooves of ball bearing rings: one row of balls and the ring sections around one or
// more rows, with the shoulders that make a ring deep groove, angular contact or double row.
#pragma once

#include <QPointF>
#include <QPolygonF>

#include <vector>

namespace picture_generator {

// A row of balls on its pitch circle at axial position z. With a contact angle, the outer
// ring touches each ball up and towards -z (side +1) or +z (side -1), the inner ring
// opposite, and the shoulders on the loaded sides stand high.
struct BallRow {
    qreal pitchRadius = 0;
    qreal ballDiameter = 0;
    qreal z = 0;
    qreal contactAngle = 0;  // degrees
    int side = 1;

    QPointF centre() const { return {z, pitchRadius}; }
    // Grooves of 52 % of the ball's diameter, as the rings are ground.
    qreal grooveRadius() const { return 0.52 * ballDiameter; }
    QPointF outerGrooveCentre() const;
    QPointF innerGrooveCentre() const;

    // Deep groove shoulders, 30 % of the ball's diameter either side of the pitch circle.
    qreal outerShoulder() const { return pitchRadius + 0.3 * ballDiameter; }
    qreal innerShoulder() const { return pitchRadius - 0.3 * ballDiameter; }
    // Angular contact: the high shoulder reaches past the contact point, the low one stays
    // well clear of the ball.
    qreal highOuterShoulder() const;
    qreal lowOuterShoulder() const { return pitchRadius + 0.4 * ballDiameter; }
    qreal highInnerShoulder() const;
    qreal lowInnerShoulder() const { return pitchRadius - 0.4 * ballDiameter; }
};

// A ring of the given width about z = 0 with one groove per row (rows from -z to +z) and
// shoulders before, between and after them (rows + 1 radii), corners rounded.
QPolygonF outerRingSection(qreal width, qreal outerRadius, const std::vector<BallRow>& rows,
                           const std::vector<qreal>& shoulders, qreal corner);
QPolygonF innerRingSection(qreal width, qreal boreRadius, const std::vector<BallRow>& rows,
                           const std::vector<qreal>& shoulders, qreal corner);

}  // namespace picture_generator
