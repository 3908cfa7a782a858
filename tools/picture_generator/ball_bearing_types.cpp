#include <QtMath>

#include <cmath>

#include "ball_raceways.h"
#include "section_outline.h"
#include "type_models.h"

namespace picture_generator {

namespace {

using Direction = Dimension::Direction;

// The usual dimensions of a radial bearing drawn with its axis lying: B over the top, D on
// the right, d on the left, and r at the outer ring's corner.
void addRadialDimensions(BearingModel& model, qreal width, qreal bore, qreal outside) {
    const qreal half = width / 2;
    model.dimensions.push_back(
        {Direction::AlongAxis, {-half, outside / 2}, {half, outside / 2}, 12, QStringLiteral("B")});
    model.dimensions.push_back(
        {Direction::AcrossAxis, {half, 0}, {half, outside / 2}, 16, QStringLiteral("D")});
    model.dimensions.push_back(
        {Direction::AcrossAxis, {-half, 0}, {-half, bore / 2}, -16, QStringLiteral("d")});
    model.leaders.push_back({{-half + 0.3, outside / 2 - 0.3}, {-14, -10}, QStringLiteral("r")});
    model.symbols.insert(model.symbols.end(), {{QStringLiteral("d"), QStringLiteral("内径")},
                                               {QStringLiteral("D"), QStringLiteral("外径")},
                                               {QStringLiteral("B"), QStringLiteral("宽度")}});
}

// A contact line through a ball, with the contact angle's letter.
AngleLine contactLine(const BallRow& row, qreal length) {
    // Outer contact up and towards -z for a positive side, so the line runs from there
    // through the ball centre.
    return {
        {row.z, row.pitchRadius}, 90 + row.side * row.contactAngle, length, QStringLiteral("α")};
}

// One row of balls between a ring with a high shoulder on one side and a ring with its high
// shoulder on the other, meeting them at `contactAngle`: the angular contact bearings, for
// radial loads and for ball screw supports alike.
struct AngularContactSize {
    qreal d, D, B, ball;
    qreal contactAngle;
    int balls;
    qreal contactLineLength;
};

BearingModel singleRowAngularContact(const QString& typeName, const AngularContactSize& size) {
    constexpr qreal corner = 1.0;
    BallRow row{(size.d + size.D) / 4, size.ball};
    row.contactAngle = size.contactAngle;
    BearingModel model;
    model.typeName = typeName;
    model.parts.push_back(
        {outerRingSection(size.B, size.D / 2, {row},
                          {row.highOuterShoulder(), row.lowOuterShoulder()}, corner),
         Material::Steel, true});
    model.parts.push_back(
        {innerRingSection(size.B, size.d / 2, {row},
                          {row.lowInnerShoulder(), row.highInnerShoulder()}, corner),
         Material::Steel, false});
    model.balls.push_back({{0, row.pitchRadius}, size.ball / 2, size.balls, 0});
    model.angleLines.push_back(contactLine(row, size.contactLineLength));
    addRadialDimensions(model, size.B, size.d, size.D);
    model.symbols.push_back({QStringLiteral("α"), QStringLiteral("接触角")});
    return model;
}

}  // namespace

BearingModel deepGrooveBallBearing() {
    // 6205: d 25, D 52, B 15; nine balls of 7.938 mm (5/16 in); corner radius 1.
    constexpr qreal d = 25, D = 52, B = 15, ball = 7.938, corner = 1.0;
    const BallRow row{(d + D) / 4, ball};
    BearingModel model;
    model.typeName = QStringLiteral("深沟球轴承");
    model.parts.push_back(
        {outerRingSection(B, D / 2, {row}, {row.outerShoulder(), row.outerShoulder()}, corner),
         Material::Steel, true});
    model.parts.push_back(
        {innerRingSection(B, d / 2, {row}, {row.innerShoulder(), row.innerShoulder()}, corner),
         Material::Steel, false});
    model.balls.push_back({{0, row.pitchRadius}, ball / 2, 9, 0});
    addRadialDimensions(model, B, d, D);
    return model;
}

BearingModel angularContactBallBearing() {
    // 7205 B: d 25, D 52, B 15, contact angle 40°; thirteen balls of 7.938 mm. The outer
    // ring's high shoulder takes the thrust on one side, the inner ring's on the other.
    return singleRowAngularContact(QStringLiteral("角接触球轴承"), {25, 52, 15, 7.938, 40, 13, 9});
}

BearingModel selfAligningBallBearing() {
    // 1205: d 25, D 52, B 15; two rows of twelve balls of 7.144 mm running on the outer
    // ring's one spherical raceway, centred on the bearing's centre.
    constexpr qreal d = 25, D = 52, B = 15, ball = 7.144, corner = 1.0;
    constexpr qreal rowOffset = 3.65, pitch = 18.9;
    BallRow left{pitch, ball, -rowOffset};
    BallRow right{pitch, ball, rowOffset};
    const qreal sphere = std::hypot(rowOffset, pitch) + ball / 2;
    const qreal edge = std::sqrt(sphere * sphere - (B / 2) * (B / 2));
    const qreal edgeAngle = qRadiansToDegrees(std::atan2(edge, B / 2));
    SectionOutline outer;
    outer.to(-B / 2, D / 2).to(B / 2, D / 2).to(B / 2, edge);
    outer.arc({0, 0}, sphere, edgeAngle, 180 - edgeAngle);
    BearingModel model;
    model.typeName = QStringLiteral("调心球轴承");
    model.parts.push_back({roundedCorners(outer.polygon(), corner), Material::Steel, true});
    model.parts.push_back(
        {innerRingSection(B, d / 2, {left, right},
                          {left.innerShoulder(), pitch - 0.36 * ball, right.innerShoulder()},
                          corner),
         Material::Steel, false});
    model.balls.push_back({left.centre(), ball / 2, 12, 0});
    model.balls.push_back({right.centre(), ball / 2, 12, 15});
    addRadialDimensions(model, B, d, D);
    return model;
}

BearingModel miniatureBallBearing() {
    // F625-2Z: d 5, D 16, B 5, with a flange of 18 x 1 on the outer ring and a shield on
    // either side; seven balls of 2.778 mm (7/64 in).
    constexpr qreal d = 5, D = 16, B = 5, ball = 2.778, corner = 0.3;
    constexpr qreal flange = 18, flangeWidth = 1;
    const BallRow row{(d + D) / 4, ball};
    const qreal half = B / 2;
    const qreal seat = row.outerShoulder() + 0.45;  // the shields' recess in the outer ring
    const qreal recess = 0.55;
    const QPointF groove = row.outerGrooveCentre();
    const qreal a = arcAngleAtRadius(groove, row.grooveRadius(), row.outerShoulder());
    // The flange at the front face, where the perspective view shows it.
    SectionOutline outer;
    outer.to(-half, D / 2).to(half - flangeWidth, D / 2).to(half - flangeWidth, flange / 2);
    outer.to(half, flange / 2)
        .to(half, seat)
        .to(half - recess, seat)
        .to(half - recess, row.outerShoulder());
    outer.arc(groove, row.grooveRadius(), a, 180 - a);
    outer.to(-half + recess, row.outerShoulder()).to(-half + recess, seat).to(-half, seat);
    BearingModel model;
    model.typeName = QStringLiteral("微型轴承");
    model.symbols = {{QStringLiteral("d"), QStringLiteral("内径")},
                     {QStringLiteral("D"), QStringLiteral("外径")},
                     {QStringLiteral("B"), QStringLiteral("宽度")}};
    model.parts.push_back({roundedCorners(outer.polygon(), corner), Material::Steel, true});
    model.parts.push_back(
        {innerRingSection(B, d / 2, {row}, {row.innerShoulder(), row.innerShoulder()}, corner),
         Material::Steel, false});
    for (qreal side : {-1.0, 1.0}) {
        const qreal outerFace = side * (half - 0.12);
        const qreal innerFace = side * (half - recess + 0.05);
        QPolygonF shield;
        shield << QPointF(std::min(outerFace, innerFace), row.innerShoulder() + 0.12)
               << QPointF(std::max(outerFace, innerFace), row.innerShoulder() + 0.12)
               << QPointF(std::max(outerFace, innerFace), seat)
               << QPointF(std::min(outerFace, innerFace), seat);
        model.parts.push_back({shield, Material::DarkSteel, side > 0});
    }
    model.balls.push_back({{0, row.pitchRadius}, ball / 2, 7, 0});
    // D and d both on the left: the flange stands in the way on the right.
    model.dimensions.push_back(
        {Direction::AlongAxis, {-half, D / 2}, {half, flange / 2}, 12, QStringLiteral("B")});
    model.dimensions.push_back(
        {Direction::AcrossAxis, {-half, 0}, {-half, D / 2}, -30, QStringLiteral("D")});
    model.dimensions.push_back(
        {Direction::AcrossAxis, {-half, 0}, {-half, d / 2}, -14, QStringLiteral("d")});
    model.leaders.push_back({{half - 0.1, flange / 2 - 0.1}, {12, -10}, QStringLiteral("r")});
    return model;
}

BearingModel thrustAngularContactBearing() {
    // 25TAC62B, a ball screw support bearing: d 25, D 62, B 15, contact angle 60°;
    // seventeen balls of 7.144 mm between rings that hold them almost from the side.
    return singleRowAngularContact(QStringLiteral("推力角接触球轴承"),
                                   {25, 62, 15, 7.144, 60, 17, 6.5});
}

BearingModel compressorClutchBearing() {
    // 35BD5020: d 35, D 50, B 20, a double-row angular contact ball bearing in back-to-back
    // arrangement with rubber seals, made to the clutch maker's own size.
    constexpr qreal d = 35, D = 50, B = 20, ball = 4.763, corner = 0.6;
    constexpr qreal pitch = (d + D) / 4, rowOffset = 4.4;
    BallRow left{pitch, ball, -rowOffset};
    left.contactAngle = 30;
    left.side = -1;  // outer contact towards the middle: the rows' lines form an O
    BallRow right{pitch, ball, rowOffset};
    right.contactAngle = 30;
    right.side = 1;
    const qreal sealInner = left.highInnerShoulder();
    const qreal sealOuter = left.lowOuterShoulder();
    BearingModel model;
    model.typeName = QStringLiteral("非标轴承");
    model.parts.push_back(
        {outerRingSection(B, D / 2, {left, right}, {sealOuter, left.highOuterShoulder(), sealOuter},
                          corner),
         Material::Steel, true});
    model.parts.push_back(
        {innerRingSection(B, d / 2, {left, right}, {sealInner, left.lowInnerShoulder(), sealInner},
                          corner),
         Material::Steel, false});
    for (qreal side : {-1.0, 1.0}) {
        const qreal faceIn = side * (B / 2 - 1.5);
        const qreal faceOut = side * (B / 2 - 0.35);
        QPolygonF seal;
        seal << QPointF(std::min(faceIn, faceOut), sealInner + 0.15)
             << QPointF(std::max(faceIn, faceOut), sealInner + 0.15)
             << QPointF(std::max(faceIn, faceOut), sealOuter)
             << QPointF(std::min(faceIn, faceOut), sealOuter);
        model.parts.push_back({seal, Material::Rubber, side < 0});
    }
    model.balls.push_back({left.centre(), ball / 2, 22, 0});
    model.balls.push_back({right.centre(), ball / 2, 22, 8});
    model.angleLines.push_back(contactLine(left, 5.2));
    model.angleLines.push_back(contactLine(right, 5.2));
    model.angleLines.back().label.clear();
    addRadialDimensions(model, B, d, D);
    model.symbols.push_back({QStringLiteral("α"), QStringLiteral("接触角")});
    return model;
}

BearingModel insertBallBearing() {
    // UC205: d 25, outer ring D 52 with a spherical outside for self-alignment in its
    // housing; an inner ring 34.1 wide, extended on the side of its two set screws; the
    // balls and seals of a 6205.
    constexpr qreal d = 25, D = 52, ringWidth = 17, ball = 7.938, corner = 0.8;
    constexpr qreal innerLeft = -19.8, innerRight = 14.3;  // 34.1 in all
    const BallRow row{(d + D) / 4, ball};
    const qreal half = ringWidth / 2;
    const qreal edge = std::sqrt((D / 2) * (D / 2) - half * half);
    const qreal edgeAngle = qRadiansToDegrees(std::atan2(edge, half));
    const QPointF groove = row.outerGrooveCentre();
    const qreal a = arcAngleAtRadius(groove, row.grooveRadius(), row.outerShoulder());
    const qreal sealSeat = row.outerShoulder() + 0.9;
    SectionOutline outer;
    outer.to(half, edge)
        .to(half, sealSeat)
        .to(half - 1.0, sealSeat)
        .to(half - 1.0, row.outerShoulder());
    outer.arc(groove, row.grooveRadius(), a, 180 - a);
    outer.to(-half + 1.0, row.outerShoulder())
        .to(-half + 1.0, sealSeat)
        .to(-half, sealSeat)
        .to(-half, edge);
    outer.arc({0, 0}, D / 2, 180 - edgeAngle, edgeAngle);
    const QPointF innerGroove = row.innerGrooveCentre();
    const qreal b = arcAngleAtRadius(innerGroove, row.grooveRadius(), row.innerShoulder());
    SectionOutline inner;
    inner.to(innerLeft, d / 2).to(innerRight, d / 2).to(innerRight, row.innerShoulder());
    inner.arc(innerGroove, row.grooveRadius(), b, -180 - b);
    inner.to(innerLeft, row.innerShoulder());
    BearingModel model;
    model.typeName = QStringLiteral("外球面球轴承");
    model.symbols = {{QStringLiteral("d"), QStringLiteral("内径")},
                     {QStringLiteral("D"), QStringLiteral("外径")},
                     {QStringLiteral("B"), QStringLiteral("内圈宽度")},
                     {QStringLiteral("C"), QStringLiteral("外圈宽度")}};
    model.parts.push_back({roundedCorners(outer.polygon(), corner), Material::Steel, true});
    model.parts.push_back({roundedCorners(inner.polygon(), corner), Material::Steel, false});
    for (qreal side : {-1.0, 1.0}) {
        const qreal faceIn = side * (half - 1.0);
        const qreal faceOut = side * (half - 0.2);
        QPolygonF seal;
        seal << QPointF(std::min(faceIn, faceOut), row.innerShoulder() + 0.2)
             << QPointF(std::max(faceIn, faceOut), row.innerShoulder() + 0.2)
             << QPointF(std::max(faceIn, faceOut), sealSeat)
             << QPointF(std::min(faceIn, faceOut), sealSeat);
        model.parts.push_back({seal, Material::Rubber, side < 0});
    }
    model.balls.push_back({{0, row.pitchRadius}, ball / 2, 9, 20});
    // Two set screws, 120° apart; the one at the top lies in the section.
    for (qreal phase : {90.0, 210.0}) {
        RollerSet screw{{-14.8, d / 2 + 0.1}, {-14.8, row.innerShoulder() + 0.6}, 2.6, 2.6};
        screw.phase = phase;
        screw.material = Material::DarkSteel;
        screw.inSection = phase == 90.0;
        model.rollers.push_back(screw);
    }
    model.dimensions.push_back(
        {Direction::AlongAxis, {-half, edge}, {half, edge}, 12, QStringLiteral("C"), D / 2});
    model.dimensions.push_back(
        {Direction::AlongAxis, {innerLeft, d / 2}, {innerRight, d / 2}, -14, QStringLiteral("B")});
    model.dimensions.push_back(
        {Direction::AcrossAxis, {innerRight, 0}, {half, D / 2}, 14, QStringLiteral("D")});
    model.dimensions.push_back(
        {Direction::AcrossAxis, {innerLeft, 0}, {innerLeft, d / 2}, -14, QStringLiteral("d")});
    return model;
}

}  // namespace picture_generator
