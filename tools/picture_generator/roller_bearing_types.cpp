#include <QtMath>

#include <cmath>

#include "section_outline.h"
#include "type_models.h"

namespace picture_generator {

namespace {

using Direction = Dimension::Direction;

}  // namespace

BearingModel taperedRollerBearing() {
    // 30205: d 25, D 52, T 16.25, cone width B 15, cup width C 13; fifteen rollers. Cup,
    // cone and rollers are cones whose apexes meet at one point of the axis, beyond the
    // rollers' small ends; the cup's raceway lies at 14° to the axis.
    constexpr qreal d = 25, D = 52, T = 16.25, B = 15, C = 13;
    constexpr qreal cupAngle = 14, rollerHalfAngle = 2, rollerLength = 11;
    constexpr qreal rollerAxisAngle = cupAngle - rollerHalfAngle;
    constexpr qreal coneAngle = cupAngle - 2 * rollerHalfAngle;
    constexpr qreal midRadius = 19.45, rollerMiddleZ = -0.4;
    const qreal coneBack = -T / 2, coneFront = -T / 2 + B;
    const qreal cupBack = T / 2, cupFront = T / 2 - C;
    // Distance from the apex to the rollers' middle, and the apex itself.
    const qreal apexDistance = midRadius / std::sin(qDegreesToRadians(rollerAxisAngle));
    const qreal apexZ = rollerMiddleZ + apexDistance * std::cos(qDegreesToRadians(rollerAxisAngle));
    const auto alongRollers = [&](qreal t) {
        return QPointF(apexZ, 0) + QPointF(-t * std::cos(qDegreesToRadians(rollerAxisAngle)),
                                           t * std::sin(qDegreesToRadians(rollerAxisAngle)));
    };
    const auto cupRadius = [&](qreal z) {
        return (apexZ - z) * std::tan(qDegreesToRadians(cupAngle));
    };
    const auto coneRadius = [&](qreal z) {
        return (apexZ - z) * std::tan(qDegreesToRadians(coneAngle));
    };
    const qreal tSmall = apexDistance - rollerLength / 2;
    const qreal tLarge = apexDistance + rollerLength / 2;
    const qreal tanHalf = std::tan(qDegreesToRadians(rollerHalfAngle));
    const QPointF smallEnd = alongRollers(tSmall);
    const QPointF largeEnd = alongRollers(tLarge);
    // Across the rollers' axis, towards larger r: the direction of their end faces.
    const QPointF endFace(std::sin(qDegreesToRadians(rollerAxisAngle)),
                          std::cos(qDegreesToRadians(rollerAxisAngle)));

    SectionOutline cup;
    cup.to(cupFront, D / 2).to(cupBack, D / 2).to(cupBack, cupRadius(cupBack));
    cup.to(cupFront, cupRadius(cupFront));

    // The cone: large rib at its back face against the rollers' large ends, small rib at
    // its front face.
    const QPointF largeFoot = largeEnd - endFace * (tLarge * tanHalf) - QPointF(0.15, 0);
    const QPointF smallFoot = smallEnd - endFace * (tSmall * tanHalf) + QPointF(0.15, 0);
    const qreal largeRibTop = largeFoot.y() + 2.6;
    const qreal smallRibTop = smallFoot.y() + 1.0;
    const QPointF largeRibEdge =
        largeFoot + endFace * ((largeRibTop - largeFoot.y()) / endFace.y());
    const QPointF smallRibEdge =
        smallFoot + endFace * ((smallRibTop - smallFoot.y()) / endFace.y());
    SectionOutline cone;
    cone.to(coneBack, d / 2).to(coneFront, d / 2).to(coneFront, smallRibTop);
    cone.to(smallRibEdge.x(), smallRibTop).to(smallFoot.x(), coneRadius(smallFoot.x()));
    cone.to(largeFoot.x(), coneRadius(largeFoot.x())).to(largeRibEdge.x(), largeRibTop);
    cone.to(coneBack, largeRibTop);

    BearingModel model;
    model.typeName = QStringLiteral("圆锥滚子轴承");
    model.symbols = {{QStringLiteral("d"), QStringLiteral("内径")},
                     {QStringLiteral("D"), QStringLiteral("外径")},
                     {QStringLiteral("T"), QStringLiteral("总宽度")},
                     {QStringLiteral("B"), QStringLiteral("内圈宽度")},
                     {QStringLiteral("C"), QStringLiteral("外圈宽度")}};
    model.parts.push_back({roundedCorners(cup.polygon(), 1.0), Material::Steel, true});
    model.parts.push_back({roundedCorners(cone.polygon(), 1.0), Material::Steel, false});
    RollerSet rollers{smallEnd, largeEnd, tSmall * tanHalf, tLarge * tanHalf};
    rollers.count = 15;
    model.rollers.push_back(rollers);
    model.angleLines.push_back({alongRollers(apexDistance), 180 - rollerAxisAngle, 9, {}});

    model.dimensions.push_back(
        {Direction::AlongAxis, {cupFront, D / 2}, {cupBack, D / 2}, 10, QStringLiteral("C")});
    model.dimensions.push_back(
        {Direction::AlongAxis, {coneBack, largeRibTop}, {cupBack, D / 2}, 26, QStringLiteral("T")});
    model.dimensions.push_back(
        {Direction::AlongAxis, {coneBack, d / 2}, {coneFront, d / 2}, -14, QStringLiteral("B")});
    model.dimensions.push_back(
        {Direction::AcrossAxis, {cupBack, 0}, {cupBack, D / 2}, 16, QStringLiteral("D")});
    model.dimensions.push_back(
        {Direction::AcrossAxis, {coneBack, 0}, {coneBack, d / 2}, -16, QStringLiteral("d")});
    model.leaders.push_back({{cupFront + 0.3, D / 2 - 0.3}, {-16, -8}, QStringLiteral("r")});
    return model;
}

BearingModel cylindricalRollerBearing() {
    // NU 205 E: d 25, D 52, B 15; thirteen rollers 7.5 x 7.5 between the outer ring's two
    // ribs; the inner ring has none, so it slides out axially.
    constexpr qreal d = 25, D = 52, B = 15, roller = 7.5, corner = 1.0;
    constexpr qreal pitch = 19.5;
    const qreal raceOuter = pitch + roller / 2;
    const qreal raceInner = pitch - roller / 2;
    const qreal ribTop = pitch + 0.5;
    const qreal ribStart = roller / 2 + 0.25;
    SectionOutline outer;
    outer.to(-B / 2, D / 2).to(B / 2, D / 2).to(B / 2, ribTop).to(ribStart, ribTop);
    outer.to(ribStart, raceOuter).to(-ribStart, raceOuter).to(-ribStart, ribTop).to(-B / 2, ribTop);
    BearingModel model;
    model.typeName = QStringLiteral("圆柱滚子轴承");
    model.symbols = {{QStringLiteral("d"), QStringLiteral("内径")},
                     {QStringLiteral("D"), QStringLiteral("外径")},
                     {QStringLiteral("B"), QStringLiteral("宽度")}};
    model.parts.push_back({roundedCorners(outer.polygon(), corner), Material::Steel, true});
    model.parts.push_back(
        {ringSection(-B / 2, B / 2, d / 2, raceInner, corner), Material::Steel, false});
    RollerSet rollers{{-roller / 2, pitch}, {roller / 2, pitch}, roller / 2, roller / 2};
    rollers.count = 13;
    model.rollers.push_back(rollers);
    model.dimensions.push_back(
        {Direction::AlongAxis, {-B / 2, D / 2}, {B / 2, D / 2}, 12, QStringLiteral("B")});
    model.dimensions.push_back(
        {Direction::AcrossAxis, {B / 2, 0}, {B / 2, D / 2}, 16, QStringLiteral("D")});
    model.dimensions.push_back(
        {Direction::AcrossAxis, {-B / 2, 0}, {-B / 2, d / 2}, -16, QStringLiteral("d")});
    model.leaders.push_back({{-B / 2 + 0.3, D / 2 - 0.3}, {-14, -10}, QStringLiteral("r")});
    return model;
}

BearingModel sphericalRollerBearing() {
    // 22205 E: d 25, D 52, B 18; two rows of fourteen barrel rollers on the outer ring's
    // one spherical raceway, each roller's axis square to the line from the bearing's centre.
    constexpr qreal d = 25, D = 52, B = 18, corner = 1.0;
    constexpr qreal rowOffset = 4.3, pitch = 19.6, rollerLength = 7.2;
    constexpr qreal endRadius = 3.0, crown = 0.3;
    const qreal toCentre = std::hypot(rowOffset, pitch);
    const qreal sphere = toCentre + endRadius + crown;
    const qreal edge = std::sqrt(sphere * sphere - (B / 2) * (B / 2));
    const qreal edgeAngle = qRadiansToDegrees(std::atan2(edge, B / 2));
    SectionOutline outer;
    outer.to(-B / 2, D / 2).to(B / 2, D / 2).to(B / 2, edge);
    outer.arc({0, 0}, sphere, edgeAngle, 180 - edgeAngle);

    BearingModel model;
    model.typeName = QStringLiteral("调心滚子轴承");
    model.symbols = {{QStringLiteral("d"), QStringLiteral("内径")},
                     {QStringLiteral("D"), QStringLiteral("外径")},
                     {QStringLiteral("B"), QStringLiteral("宽度")}};
    model.parts.push_back({roundedCorners(outer.polygon(), corner), Material::Steel, true});

    // Each row's inner raceway runs along the rollers' inner side.
    SectionOutline inner;
    inner.to(-B / 2, d / 2).to(B / 2, d / 2);
    struct RaceEnds {
        QPointF outerEnd;  // towards the face
        QPointF innerEnd;  // towards the middle
    };
    RaceEnds races[2];
    for (int side : {-1, 1}) {
        const QPointF centre(side * rowOffset, pitch);
        const QPointF outward = centre / toCentre;
        const QPointF axis(outward.y() * side, -outward.x() * side);  // towards the face
        const QPointF foot = centre - outward * (endRadius + crown);
        const QPointF faceEnd = foot + axis * (rollerLength / 2 + 0.3);
        const QPointF middleEnd = foot - axis * (rollerLength / 2 + 0.3);
        races[side > 0 ? 1 : 0] = {faceEnd, middleEnd};
        RollerSet rollers{centre - axis * (rollerLength / 2), centre + axis * (rollerLength / 2),
                          endRadius, endRadius, crown};
        rollers.count = 14;
        rollers.phase = side > 0 ? 12.9 : 0;
        model.rollers.push_back(rollers);
    }
    const qreal sideRib = races[1].outerEnd.y() + 1.2;
    const qreal middleRib = races[1].innerEnd.y() + 0.9;
    inner.to(B / 2, sideRib).to(races[1].outerEnd.x(), sideRib);
    inner.to(races[1].outerEnd.x(), races[1].outerEnd.y())
        .to(races[1].innerEnd.x(), races[1].innerEnd.y());
    inner.to(races[1].innerEnd.x(), middleRib).to(races[0].innerEnd.x(), middleRib);
    inner.to(races[0].innerEnd.x(), races[0].innerEnd.y())
        .to(races[0].outerEnd.x(), races[0].outerEnd.y());
    inner.to(races[0].outerEnd.x(), sideRib).to(-B / 2, sideRib);
    model.parts.push_back({roundedCorners(inner.polygon(), corner), Material::Steel, false});

    model.dimensions.push_back(
        {Direction::AlongAxis, {-B / 2, D / 2}, {B / 2, D / 2}, 12, QStringLiteral("B")});
    model.dimensions.push_back(
        {Direction::AcrossAxis, {B / 2, 0}, {B / 2, D / 2}, 16, QStringLiteral("D")});
    model.dimensions.push_back(
        {Direction::AcrossAxis, {-B / 2, 0}, {-B / 2, d / 2}, -16, QStringLiteral("d")});
    model.leaders.push_back({{-B / 2 + 0.3, D / 2 - 0.3}, {-14, -10}, QStringLiteral("r")});
    return model;
}

}  // namespace picture_generator
