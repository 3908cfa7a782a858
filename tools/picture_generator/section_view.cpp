#include "section_view.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

#include <algorithm>
#include <cmath>
#include <limits>

#include "sheet_style.h"

namespace picture_generator {

namespace {

constexpr qreal kHatchSpacing = 4.0;
constexpr qreal kOutlineWidth = 1.3;
constexpr qreal kThinWidth = 0.8;
constexpr qreal kArrowLength = 6.5;
constexpr qreal kArrowHalfWidth = 2.0;
constexpr qreal kLabelRoom = 14;  // beyond a dimension line, for its letter
constexpr qreal kCentreLineOverrun = 10;

const QColor kElementFill(0xe8, 0xec, 0xf0);
const QColor kThinInk(0x3a, 0x45, 0x52);

// Model (z, r) to sheet pixels, with the axis lying or standing.
class SheetMapping {
public:
    SheetMapping(bool upright, qreal scale, QPointF origin)
        : upright_(upright), scale_(scale), origin_(origin) {}

    QPointF operator()(QPointF zr) const {
        return upright_ ? origin_ + QPointF(zr.y(), -zr.x()) * scale_
                        : origin_ + QPointF(zr.x(), -zr.y()) * scale_;
    }
    // Unit directions on the sheet of growing z and growing r.
    QPointF alongAxis() const { return upright_ ? QPointF(0, -1) : QPointF(1, 0); }
    QPointF acrossAxis() const { return upright_ ? QPointF(1, 0) : QPointF(0, -1); }
    qreal scale() const { return scale_; }

private:
    bool upright_;
    qreal scale_;
    QPointF origin_;
};

QPolygonF mirroredAcrossAxis(const QPolygonF& polygon) {
    QPolygonF mirrored;
    for (const QPointF& p : polygon) {
        mirrored << QPointF(p.x(), -p.y());
    }
    return mirrored;
}

QPolygonF rollerOutline(const RollerSet& roller) {
    const QPointF axis = roller.to - roller.from;
    const qreal axisLength = std::hypot(axis.x(), axis.y());
    const QPointF along = axis / axisLength;
    const QPointF across(-along.y(), along.x());
    constexpr int kSteps = 12;
    QPolygonF outline;
    for (int side : {1, -1}) {
        for (int s = 0; s <= kSteps; ++s) {
            const qreal f = side > 0 ? qreal(s) / kSteps : 1 - qreal(s) / kSteps;
            const qreal radius = roller.fromRadius + (roller.toRadius - roller.fromRadius) * f +
                                 roller.crown * 4 * f * (1 - f);
            outline << roller.from + along * (axisLength * f) + across * (radius * side);
        }
    }
    return outline;
}

// Every point the section view draws, in model coordinates, for its extent.
QRectF modelExtent(const BearingModel& model) {
    QRectF extent;
    const auto add = [&](const QRectF& box) {
        extent = extent.isNull() ? box : extent.united(box);
    };
    for (const TurnedPart& part : model.parts) {
        add(part.section.boundingRect());
        if (part.mirrored) {
            add(mirroredAcrossAxis(part.section).boundingRect());
        }
    }
    for (const BallSet& ball : model.balls) {
        const qreal r = ball.mirrored ? -ball.centre.y() : ball.centre.y();
        for (qreal centre : {ball.centre.y(), r}) {
            add(QRectF(QPointF(ball.centre.x(), centre) - QPointF(ball.radius, ball.radius),
                       QSizeF(2 * ball.radius, 2 * ball.radius)));
        }
    }
    for (const RollerSet& roller : model.rollers) {
        if (roller.inSection) {
            add(rollerOutline(roller).boundingRect());
            if (roller.mirrored) {
                add(mirroredAcrossAxis(rollerOutline(roller)).boundingRect());
            }
        }
    }
    for (const SectionRegion& region : model.sectionRegions) {
        add(region.outline.boundingRect());
    }
    // The centre line always shows.
    add(QRectF(extent.left(), 0, extent.width(), 0));
    return extent;
}

void paintHatchedPolygon(QPainter& painter, const QPolygonF& polygon, bool forward) {
    QPainterPath path;
    path.addPolygon(polygon);
    path.closeSubpath();
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawPath(path);
    painter.setClipPath(path, Qt::IntersectClip);
    painter.setPen(QPen(kThinInk, kThinWidth));
    const QRectF box = polygon.boundingRect();
    const qreal span = box.width() + box.height();
    for (qreal offset = -span; offset <= span; offset += kHatchSpacing * std::sqrt(2.0)) {
        if (forward) {
            // Rising to the right: x - y constant... drawn from the bottom-left.
            painter.drawLine(QPointF(box.left() + offset, box.bottom()),
                             QPointF(box.left() + offset + box.height(), box.top()));
        } else {
            painter.drawLine(QPointF(box.left() + offset, box.top()),
                             QPointF(box.left() + offset + box.height(), box.bottom()));
        }
    }
    painter.restore();
    painter.setPen(QPen(kInk, kOutlineWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
}

void paintElement(QPainter& painter, const QPolygonF& outline) {
    painter.setPen(QPen(kInk, kOutlineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(kElementFill);
    painter.drawPolygon(outline);
}

QPen centreLinePen() {
    QPen pen(kThinInk, kThinWidth);
    pen.setDashPattern({14, 3, 2, 3});
    return pen;
}

QFont letterFont() {
    QFont font = serifFont(14);
    font.setItalic(true);
    return font;
}

void paintArrowhead(QPainter& painter, QPointF tip, QPointF pointing) {
    const QPointF back = tip - pointing * kArrowLength;
    const QPointF side(-pointing.y() * kArrowHalfWidth, pointing.x() * kArrowHalfWidth);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kInk);
    painter.drawPolygon(QPolygonF{tip, back + side, back - side});
}

// Text centred on a point, or beside it along a direction, clear of the line it labels.
void paintLabel(QPainter& painter, QPointF at, QPointF away, const QString& text) {
    painter.setFont(letterFont());
    painter.setPen(kInk);
    const QFontMetricsF metrics(painter.font());
    const QSizeF size(metrics.horizontalAdvance(text) + 2, metrics.ascent());
    const QPointF centre =
        at + QPointF(away.x() * (size.width() / 2 + 2), away.y() * (size.height() / 2 + 2));
    const QRectF box(centre - QPointF(size.width() / 2, size.height() / 2 + 1),
                     QSizeF(size.width(), size.height() + 4));
    // Letters break the lines and hatching they stand on, as on a printed drawing.
    painter.fillRect(box.adjusted(1, 2, -1, -1), Qt::white);
    painter.drawText(box, Qt::AlignCenter, text);
}

void paintDimension(QPainter& painter, const SheetMapping& map, const Dimension& dimension) {
    const bool along = dimension.direction == Dimension::Direction::AlongAxis;
    const QPointF outward = along ? map.acrossAxis() : map.alongAxis();
    const QPointF p1 = map(dimension.from);
    const QPointF p2 = map(dimension.to);
    const auto dotted = [](QPointF a, QPointF b) { return a.x() * b.x() + a.y() * b.y(); };
    const qreal sign = dimension.offset >= 0 ? 1 : -1;
    // Across the measuring direction, where the line stands: beyond the farther point, or
    // beyond the given level when the parts reach further out.
    qreal level = sign > 0 ? std::max(dotted(p1, outward), dotted(p2, outward))
                           : std::min(dotted(p1, outward), dotted(p2, outward));
    if (dimension.clearOf) {
        const QPointF clear = map(along ? QPointF(dimension.from.x(), *dimension.clearOf)
                                        : QPointF(*dimension.clearOf, dimension.from.y()));
        level = sign > 0 ? std::max(level, dotted(clear, outward))
                         : std::min(level, dotted(clear, outward));
    }
    level += dimension.offset;
    const QPointF l1 = p1 + outward * (level - dotted(p1, outward));
    const QPointF l2 = p2 + outward * (level - dotted(p2, outward));

    painter.setPen(QPen(kThinInk, kThinWidth));
    for (const auto& [point, line] : {std::pair{p1, l1}, std::pair{p2, l2}}) {
        const qreal reach = dotted(line - point, outward) * sign;
        if (reach > 3) {
            painter.drawLine(point + outward * (2 * sign), line + outward * (3 * sign));
        }
    }
    painter.drawLine(l1, l2);
    const QPointF direction = l2 - l1;
    const qreal span = std::hypot(direction.x(), direction.y());
    if (span < 1) {
        return;
    }
    const QPointF unit = direction / span;
    if (span > 2 * kArrowLength + 2) {
        paintArrowhead(painter, l1, -unit);
        paintArrowhead(painter, l2, unit);
    } else {
        // Too short for arrows inside: they point in from outside, on short tails.
        painter.setPen(QPen(kThinInk, kThinWidth));
        painter.drawLine(l1 - unit * (kArrowLength + 4), l1);
        painter.drawLine(l2, l2 + unit * (kArrowLength + 4));
        paintArrowhead(painter, l1, unit);
        paintArrowhead(painter, l2, -unit);
    }
    paintLabel(painter, l1 + (l2 - l1) * dimension.labelAt, outward * sign, dimension.label);
}

void paintLeader(QPainter& painter, const SheetMapping& map, const Leader& leader) {
    const QPointF from = map(leader.at);
    const QPointF elbow = from + leader.towards;
    const qreal shoulder = leader.towards.x() >= 0 ? 6 : -6;
    painter.setPen(QPen(kThinInk, kThinWidth));
    painter.drawLine(from, elbow);
    painter.drawLine(elbow, elbow + QPointF(shoulder, 0));
    const QPointF direction = from - elbow;
    const qreal length = std::hypot(direction.x(), direction.y());
    if (length > 0) {
        paintArrowhead(painter, from, direction / length);
    }
    paintLabel(painter, elbow + QPointF(shoulder, 0), QPointF(shoulder > 0 ? 1 : -1, 0),
               leader.label);
}

void paintAngleLine(QPainter& painter, const SheetMapping& map, const AngleLine& line) {
    const qreal radians = qDegreesToRadians(line.degrees);
    const QPointF direction(std::cos(radians), std::sin(radians));
    const QPointF a = map(line.through - direction * line.length);
    const QPointF b = map(line.through + direction * line.length);
    painter.setPen(centreLinePen());
    painter.drawLine(a, b);
    if (!line.label.isEmpty()) {
        const QPointF away = (a - b) / std::hypot(b.x() - a.x(), b.y() - a.y());
        paintLabel(painter, a, away, line.label);
    }
}

// Room the dimensions need outside the parts, per side of the sheet.
struct Margins {
    qreal left = 0, right = 0, top = 0, bottom = 0;
};

// What reaches beyond the parts at a given scale: dimension lines with their letters, leaders.
Margins marginsFor(const BearingModel& model, const QRectF& extent, qreal scale) {
    Margins margins{kCentreLineOverrun, kCentreLineOverrun, 6, 6};
    const bool upright = model.sectionAxisUpright;
    for (const Dimension& dimension : model.dimensions) {
        // A dimension along the axis stands off in r, one across it in z.
        const bool standsOffInR = dimension.direction == Dimension::Direction::AlongAxis;
        const auto level = [&](QPointF p) { return standsOffInR ? p.y() : p.x(); };
        const qreal low = standsOffInR ? extent.top() : extent.left();
        const qreal high = standsOffInR ? extent.bottom() : extent.right();
        const bool outwards = dimension.offset >= 0;
        qreal farther = outwards ? std::max(level(dimension.from), level(dimension.to))
                                 : std::min(level(dimension.from), level(dimension.to));
        if (dimension.clearOf) {
            farther = outwards ? std::max(farther, *dimension.clearOf)
                               : std::min(farther, *dimension.clearOf);
        }
        const qreal beyond = (outwards ? farther - high : low - farther) * scale +
                             std::abs(dimension.offset) + kLabelRoom;
        // r runs up the sheet with the axis lying, right with it standing; z the other way.
        const bool vertical = standsOffInR != upright;
        qreal& side = vertical ? (outwards ? margins.top : margins.bottom)
                               : (outwards ? margins.right : margins.left);
        side = std::max(side, beyond);
    }
    for (const Leader& leader : model.leaders) {
        const qreal x = leader.towards.x();
        const qreal y = leader.towards.y();
        qreal& horizontal = x >= 0 ? margins.right : margins.left;
        horizontal = std::max(horizontal, std::abs(x) * 0.5);
        qreal& vertical = y >= 0 ? margins.bottom : margins.top;
        vertical = std::max(vertical, std::abs(y) * 0.5);
    }
    return margins;
}

}  // namespace

void paintSectionView(QPainter& painter, const QRectF& area, const BearingModel& model) {
    const QRectF extent = modelExtent(model);
    const bool upright = model.sectionAxisUpright;
    // Extent on the sheet per millimetre: lying axis, z across the sheet; standing, r.
    const qreal sheetWidth = upright ? extent.height() : extent.width();
    const qreal sheetHeight = upright ? extent.width() : extent.height();
    // The margins depend on the scale and the scale on the margins; a few rounds settle it.
    Margins margins = marginsFor(model, extent, 0);
    qreal scale = 0;
    for (int round = 0; round < 4; ++round) {
        scale = std::min((area.width() - margins.left - margins.right) / sheetWidth,
                         (area.height() - margins.top - margins.bottom) / sheetHeight);
        margins = marginsFor(model, extent, scale);
    }
    scale = std::min((area.width() - margins.left - margins.right) / sheetWidth,
                     (area.height() - margins.top - margins.bottom) / sheetHeight);
    // Centre the drawing with its margins in the area.
    const qreal usedWidth = sheetWidth * scale + margins.left + margins.right;
    const qreal usedHeight = sheetHeight * scale + margins.top + margins.bottom;
    const qreal left = area.left() + (area.width() - usedWidth) / 2 + margins.left;
    const qreal top = area.top() + (area.height() - usedHeight) / 2 + margins.top;
    const QPointF origin =
        upright ? QPointF(left - extent.top() * scale, top + extent.right() * scale)
                : QPointF(left - extent.left() * scale, top + extent.bottom() * scale);
    const SheetMapping map(upright, scale, origin);

    const auto toSheet = [&](const QPolygonF& polygon) {
        QPolygonF sheet;
        for (const QPointF& p : polygon) {
            sheet << map(p);
        }
        return sheet;
    };

    for (const SectionRegion& region : model.sectionRegions) {
        paintHatchedPolygon(painter, toSheet(region.outline), region.hatchForward);
    }
    for (const TurnedPart& part : model.parts) {
        paintHatchedPolygon(painter, toSheet(part.section), part.hatchForward);
        if (part.mirrored) {
            paintHatchedPolygon(painter, toSheet(mirroredAcrossAxis(part.section)),
                                !part.hatchForward);
        }
    }
    for (const BallSet& ball : model.balls) {
        const QPointF centre = map(ball.centre);
        const qreal radius = ball.radius * scale;
        painter.setPen(QPen(kInk, kOutlineWidth));
        painter.setBrush(kElementFill);
        painter.drawEllipse(centre, radius, radius);
        if (ball.mirrored) {
            painter.drawEllipse(map(QPointF(ball.centre.x(), -ball.centre.y())), radius, radius);
        }
    }
    for (const RollerSet& roller : model.rollers) {
        if (!roller.inSection) {
            continue;
        }
        paintElement(painter, toSheet(rollerOutline(roller)));
        if (roller.mirrored) {
            paintElement(painter, toSheet(mirroredAcrossAxis(rollerOutline(roller))));
        }
    }

    painter.setRenderHint(QPainter::Antialiasing, true);
    // The centre line runs under the dimension lines that end on it.
    painter.setPen(centreLinePen());
    if (upright) {
        painter.drawLine(map(QPointF(extent.right(), 0)) - QPointF(0, margins.top - 4),
                         map(QPointF(extent.left(), 0)) + QPointF(0, margins.bottom - 4));
    } else {
        painter.drawLine(map(QPointF(extent.left(), 0)) - QPointF(margins.left - 4, 0),
                         map(QPointF(extent.right(), 0)) + QPointF(margins.right - 4, 0));
    }
    for (const AngleLine& line : model.angleLines) {
        paintAngleLine(painter, map, line);
    }
    for (const Dimension& dimension : model.dimensions) {
        paintDimension(painter, map, dimension);
    }
    for (const Leader& leader : model.leaders) {
        paintLeader(painter, map, leader);
    }
}

}  // namespace picture_generator
