#include "bearing_glyph.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

namespace picture_generator {

namespace {

constexpr int kBallCount = 8;

QPainterPath ring(QPointF centre, qreal outer, qreal inner) {
    QPainterPath path;
    path.addEllipse(centre, outer, outer);
    path.addEllipse(centre, inner, inner);
    path.setFillRule(Qt::OddEvenFill);
    return path;
}

QLinearGradient ringGradient(QPointF centre, qreal radius, const QColor& tint) {
    QLinearGradient gradient(centre - QPointF(radius, radius), centre + QPointF(radius, radius));
    gradient.setColorAt(0, tint.lighter(175));
    gradient.setColorAt(0.5, tint.lighter(120));
    gradient.setColorAt(1, tint.darker(135));
    return gradient;
}

}  // namespace

void paintBearingGlyph(QPainter& painter, QPointF centre, qreal radius, const QColor& tint) {
    const qreal outerInner = radius * 0.78;
    const qreal innerOuter = radius * 0.47;
    const qreal bore = radius * 0.29;
    const qreal pitch = (outerInner + innerOuter) / 2;
    const qreal ball = (outerInner - innerOuter) / 2 * 0.98;
    const QColor edge = tint.darker(220);
    const qreal edgeWidth = qMax<qreal>(1.0, radius / 14);

    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(tint.darker(230));
    painter.drawPath(ring(centre, outerInner, innerOuter));

    for (int i = 0; i < kBallCount; ++i) {
        const qreal angle = 2 * M_PI * i / kBallCount + M_PI / kBallCount;
        const QPointF at = centre + QPointF(qCos(angle), qSin(angle)) * pitch;
        QRadialGradient shine(at - QPointF(ball, ball) * 0.4, ball * 1.4);
        shine.setColorAt(0, QColor(0xff, 0xff, 0xff));
        shine.setColorAt(0.45, QColor(0xc9, 0xd1, 0xda));
        shine.setColorAt(1, QColor(0x6b, 0x77, 0x84));
        painter.setBrush(shine);
        painter.setPen(QPen(QColor(0x3a, 0x44, 0x50), edgeWidth * 0.6));
        painter.drawEllipse(at, ball, ball);
    }

    painter.setPen(QPen(edge, edgeWidth));
    painter.setBrush(ringGradient(centre, radius, tint));
    painter.drawPath(ring(centre, radius - edgeWidth / 2, outerInner));
    painter.drawPath(ring(centre, innerOuter, bore));
    painter.restore();
}

}  // namespace picture_generator
