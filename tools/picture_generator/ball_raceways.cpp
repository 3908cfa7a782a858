#include "ball_raceways.h"

#include <QtMath>

#include <cmath>

#include "section_outline.h"

namespace picture_generator {

namespace {

// Unit vector from a ball's centre to its outer contact.
QPointF outerContact(const BallRow& row) {
    const qreal a = qDegreesToRadians(row.contactAngle);
    return {-row.side * std::sin(a), std::cos(a)};
}

qreal halfBall(const BallRow& row) {
    return row.ballDiameter / 2;
}

}  // namespace

QPointF BallRow::outerGrooveCentre() const {
    return centre() - outerContact(*this) * (grooveRadius() - ballDiameter / 2);
}

QPointF BallRow::innerGrooveCentre() const {
    return centre() + outerContact(*this) * (grooveRadius() - ballDiameter / 2);
}

qreal BallRow::highOuterShoulder() const {
    return pitchRadius + halfBall(*this) * (std::cos(qDegreesToRadians(contactAngle)) - 0.45);
}

qreal BallRow::highInnerShoulder() const {
    return pitchRadius - halfBall(*this) * (std::cos(qDegreesToRadians(contactAngle)) - 0.45);
}

QPolygonF outerRingSection(qreal width, qreal outerRadius, const std::vector<BallRow>& rows,
                           const std::vector<qreal>& shoulders, qreal corner) {
    const qreal half = width / 2;
    SectionOutline outline;
    outline.to(-half, outerRadius).to(half, outerRadius).to(half, shoulders.back());
    for (int i = int(rows.size()) - 1; i >= 0; --i) {
        const BallRow& row = rows[i];
        const QPointF centre = row.outerGrooveCentre();
        const qreal right = arcAngleAtRadius(centre, row.grooveRadius(), shoulders[i + 1]);
        const qreal left = arcAngleAtRadius(centre, row.grooveRadius(), shoulders[i]);
        outline.arc(centre, row.grooveRadius(), right, 180 - left);
    }
    outline.to(-half, shoulders.front());
    return roundedCorners(outline.polygon(), corner);
}

QPolygonF innerRingSection(qreal width, qreal boreRadius, const std::vector<BallRow>& rows,
                           const std::vector<qreal>& shoulders, qreal corner) {
    const qreal half = width / 2;
    SectionOutline outline;
    outline.to(-half, boreRadius).to(half, boreRadius).to(half, shoulders.back());
    for (int i = int(rows.size()) - 1; i >= 0; --i) {
        const BallRow& row = rows[i];
        const QPointF centre = row.innerGrooveCentre();
        const qreal right = arcAngleAtRadius(centre, row.grooveRadius(), shoulders[i + 1]);
        const qreal left = arcAngleAtRadius(centre, row.grooveRadius(), shoulders[i]);
        outline.arc(centre, row.grooveRadius(), right, -180 - left);
    }
    outline.to(-half, shoulders.front());
    return roundedCorners(outline.polygon(), corner);
}

}  // namespace picture_generator
