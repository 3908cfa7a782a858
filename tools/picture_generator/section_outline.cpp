#include "section_outline.h"

#include <QtMath>

#include <algorithm>
#include <cmath>

namespace picture_generator {

namespace {

constexpr qreal kArcStepDegrees = 6;
constexpr int kCornerSteps = 4;

qreal distance(QPointF a, QPointF b) {
    return std::hypot(a.x() - b.x(), a.y() - b.y());
}

}  // namespace

SectionOutline& SectionOutline::to(qreal z, qreal r) {
    points_ << QPointF(z, r);
    return *this;
}

SectionOutline& SectionOutline::arc(QPointF centre, qreal radius, qreal fromDegrees,
                                    qreal toDegrees) {
    const int steps =
        std::max(2, int(std::ceil(std::abs(toDegrees - fromDegrees) / kArcStepDegrees)));
    for (int s = 0; s <= steps; ++s) {
        const qreal angle = qDegreesToRadians(fromDegrees + (toDegrees - fromDegrees) * s / steps);
        points_ << centre + QPointF(std::cos(angle), std::sin(angle)) * radius;
    }
    return *this;
}

QPolygonF roundedCorners(const QPolygonF& polygon, qreal radius) {
    const int n = polygon.size();
    QPolygonF rounded;
    for (int i = 0; i < n; ++i) {
        const QPointF previous = polygon[(i + n - 1) % n];
        const QPointF corner = polygon[i];
        const QPointF next = polygon[(i + 1) % n];
        const qreal inLength = distance(previous, corner);
        const qreal outLength = distance(corner, next);
        const QPointF toPrevious = (previous - corner) / std::max(inLength, 1e-9);
        const QPointF toNext = (next - corner) / std::max(outLength, 1e-9);
        const qreal cosine = toPrevious.x() * toNext.x() + toPrevious.y() * toNext.y();
        const qreal angle = std::acos(std::clamp(cosine, -1.0, 1.0));
        // Straight on, or too short a side: the corner stays.
        if (angle > qDegreesToRadians(170.0) || angle < qDegreesToRadians(10.0)) {
            rounded << corner;
            continue;
        }
        const qreal tangent = radius / std::tan(angle / 2);
        if (inLength < 2.2 * tangent || outLength < 2.2 * tangent) {
            rounded << corner;
            continue;
        }
        const QPointF start = corner + toPrevious * tangent;
        const QPointF end = corner + toNext * tangent;
        QPointF bisector = toPrevious + toNext;
        bisector /= std::hypot(bisector.x(), bisector.y());
        const QPointF centre = corner + bisector * (radius / std::sin(angle / 2));
        qreal from = std::atan2(start.y() - centre.y(), start.x() - centre.x());
        qreal to = std::atan2(end.y() - centre.y(), end.x() - centre.x());
        qreal sweep = to - from;
        while (sweep > M_PI) {
            sweep -= 2 * M_PI;
        }
        while (sweep < -M_PI) {
            sweep += 2 * M_PI;
        }
        for (int s = 0; s <= kCornerSteps; ++s) {
            const qreal a = from + sweep * s / kCornerSteps;
            rounded << centre + QPointF(std::cos(a), std::sin(a)) * radius;
        }
    }
    return rounded;
}

QPolygonF ringSection(qreal z0, qreal z1, qreal r0, qreal r1, qreal cornerRadius) {
    QPolygonF box;
    box << QPointF(z0, r0) << QPointF(z1, r0) << QPointF(z1, r1) << QPointF(z0, r1);
    return roundedCorners(box, cornerRadius);
}

qreal arcAngleAtRadius(QPointF centre, qreal radius, qreal r) {
    return qRadiansToDegrees(std::asin(std::clamp((r - centre.y()) / radius, -1.0, 1.0)));
}

}  // namespace picture_generator
