// Building the axial sections of bearing parts: straight runs, circular arcs (raceway
// grooves, spherical surfaces) and the rounded corners every ring has.
#pragma once

#include <QPointF>
#include <QPolygonF>

namespace picture_generator {

class SectionOutline {
public:
    SectionOutline& to(qreal z, qreal r);
    // Points along a circle about `centre`, angles in degrees from the axis direction
    // towards increasing r, from `fromDegrees` to `toDegrees` either way round.
    SectionOutline& arc(QPointF centre, qreal radius, qreal fromDegrees, qreal toDegrees);
    QPolygonF polygon() const { return points_; }

private:
    QPolygonF points_;
};

// Rounds every corner whose two sides are both long enough to take the radius; short sides
// (the steps of an arc) keep their corners.
QPolygonF roundedCorners(const QPolygonF& polygon, qreal radius);

// A plain ring section: z from z0 to z1, r from r0 to r1, corners rounded.
QPolygonF ringSection(qreal z0, qreal z1, qreal r0, qreal r1, qreal cornerRadius);

// The angle (degrees) at which a circle about `centre` of `radius` reaches height r, on the
// side of increasing z; asin of the height above the centre.
qreal arcAngleAtRadius(QPointF centre, qreal radius, qreal r);

}  // namespace picture_generator
