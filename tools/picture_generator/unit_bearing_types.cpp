#include <QtMath>

#include <cmath>

#include "section_outline.h"
#include "type_models.h"

namespace picture_generator {

namespace {

using Direction = Dimension::Direction;

// The P 205 pillow block: centre height H 36.5, overall height 70, base 140 long and A 38
// wide with bolt holes 105 apart; a spherical bore of 52 takes the insert's outer ring.
constexpr qreal kCentreHeight = 36.5;
constexpr qreal kBossRadius = 70 - kCentreHeight;
constexpr qreal kBossHalfWidth = 14;
constexpr qreal kBaseHalfLength = 70;
constexpr qreal kBaseHalfWidth = 19;  // A 38
constexpr qreal kBaseThickness = 9;
constexpr qreal kBoltSpacing = 105;
constexpr qreal kBoltHole = 13;
constexpr qreal kSeatRadius = 26;  // the insert's spherical outside, D 52
// The seat as drawn: a hair larger, so that its outline stays clear of the insert's.
constexpr qreal kSeatDrawn = kSeatRadius + 0.08;

qreal seatEdge() {
    return std::sqrt(kSeatDrawn * kSeatDrawn - kBossHalfWidth * kBossHalfWidth);
}

// The housing: a turned boss round the spherical seat, a base plate with two bolt holes,
// two webs between them, and a lubricating nipple on top. The section below the axis is the
// boss merged with the base.
void addPillowBlock(BearingModel& model) {
    const qreal edgeAngle = qRadiansToDegrees(std::atan2(seatEdge(), kBossHalfWidth));
    SectionOutline boss;
    boss.to(-kBossHalfWidth, kBossRadius).to(kBossHalfWidth, kBossRadius);
    boss.to(kBossHalfWidth, seatEdge());
    boss.arc({0, 0}, kSeatDrawn, edgeAngle, 180 - edgeAngle);
    model.parts.push_back({roundedCorners(boss.polygon(), 1.5), Material::Housing, true});

    const qreal baseTop = -kCentreHeight + kBaseThickness;
    SectionOutline below;
    below.to(-kBaseHalfWidth, -kCentreHeight).to(kBaseHalfWidth, -kCentreHeight);
    below.to(kBaseHalfWidth, baseTop).to(kBossHalfWidth, baseTop).to(kBossHalfWidth, -seatEdge());
    below.arc({0, 0}, kSeatDrawn, -edgeAngle, -180 + edgeAngle);
    below.to(-kBossHalfWidth, baseTop).to(-kBaseHalfWidth, baseTop);
    model.sectionRegions.push_back({roundedCorners(below.polygon(), 1.0), false});

    Block base;
    base.outline << QPointF(-kBaseHalfLength, -kCentreHeight)
                 << QPointF(kBaseHalfLength, -kCentreHeight) << QPointF(kBaseHalfLength, baseTop)
                 << QPointF(-kBaseHalfLength, baseTop);
    base.fromZ = -kBaseHalfWidth;
    base.toZ = kBaseHalfWidth;
    base.holes = {{{-kBoltSpacing / 2, 0}, kBoltHole / 2}, {{kBoltSpacing / 2, 0}, kBoltHole / 2}};
    model.blocks.push_back(base);
    for (qreal side : {-1.0, 1.0}) {
        Block web;
        web.outline << QPointF(side * 44, baseTop) << QPointF(side * 24, baseTop)
                    << QPointF(side * 31, -12);
        web.fromZ = -9;
        web.toZ = 9;
        model.blocks.push_back(web);
    }
    RollerSet nipple{{0, kBossRadius - 0.3}, {0, kBossRadius + 7}, 2.4, 1.7};
    nipple.phase = 90;
    nipple.material = Material::DarkSteel;
    nipple.inSection = false;  // the section keeps to the housing's body, at a larger scale
    model.rollers.push_back(nipple);

    model.camera.yaw = 36;
    model.camera.pitch = 20;
}

void addHousingDimensions(BearingModel& model) {
    model.dimensions.push_back({Direction::AcrossAxis,
                                {kBaseHalfWidth, -kCentreHeight},
                                {kBaseHalfWidth, 0},
                                14,
                                QStringLiteral("H")});
    model.dimensions.push_back({Direction::AlongAxis,
                                {-kBaseHalfWidth, -kCentreHeight},
                                {kBaseHalfWidth, -kCentreHeight},
                                -12,
                                QStringLiteral("A")});
    model.symbols.insert(model.symbols.end(), {{QStringLiteral("H"), QStringLiteral("中心高")},
                                               {QStringLiteral("A"), QStringLiteral("底座宽度")}});
}

}  // namespace

BearingModel sphericalPlainBearing() {
    // GE 25 ES: d 25, D 42, inner ring B 20, outer ring C 16, sphere 35.5: the inner ring's
    // convex sphere slides in the outer ring's concave one; no rolling elements.
    constexpr qreal d = 25, D = 42, B = 20, C = 16, sphere = 35.5 / 2;
    const qreal innerEdge = std::sqrt(sphere * sphere - (B / 2) * (B / 2));
    // The outer ring's sphere as drawn: a running clearance keeps the outlines apart.
    const qreal outerSphere = sphere + 0.06;
    const qreal outerEdge = std::sqrt(outerSphere * outerSphere - (C / 2) * (C / 2));
    const qreal innerAngle = qRadiansToDegrees(std::atan2(innerEdge, B / 2));
    const qreal outerAngle = qRadiansToDegrees(std::atan2(outerEdge, C / 2));
    SectionOutline inner;
    inner.to(-B / 2, d / 2).to(B / 2, d / 2).to(B / 2, innerEdge);
    inner.arc({0, 0}, sphere, innerAngle, 180 - innerAngle);
    SectionOutline outer;
    outer.to(-C / 2, D / 2).to(-1.6, D / 2).to(-1.1, D / 2 - 0.8).to(1.1, D / 2 - 0.8);
    outer.to(1.6, D / 2).to(C / 2, D / 2).to(C / 2, outerEdge);
    outer.arc({0, 0}, outerSphere, outerAngle, 180 - outerAngle);

    BearingModel model;
    model.typeName = QStringLiteral("关节轴承");
    model.kindName = QStringLiteral("向心关节轴承");
    model.symbols = {{QStringLiteral("d"), QStringLiteral("内径")},
                     {QStringLiteral("D"), QStringLiteral("外径")},
                     {QStringLiteral("B"), QStringLiteral("内圈宽度")},
                     {QStringLiteral("C"), QStringLiteral("外圈宽度")}};
    model.parts.push_back({roundedCorners(outer.polygon(), 0.6), Material::Steel, true});
    model.parts.push_back({roundedCorners(inner.polygon(), 0.6), Material::Steel, false});
    model.dimensions.push_back(
        {Direction::AlongAxis, {-C / 2, D / 2}, {C / 2, D / 2}, 12, QStringLiteral("C")});
    model.dimensions.push_back(
        {Direction::AlongAxis, {-B / 2, d / 2}, {B / 2, d / 2}, -14, QStringLiteral("B")});
    model.dimensions.push_back(
        {Direction::AcrossAxis, {B / 2, 0}, {C / 2, D / 2}, 16, QStringLiteral("D")});
    model.dimensions.push_back(
        {Direction::AcrossAxis, {-B / 2, 0}, {-B / 2, d / 2}, -16, QStringLiteral("d")});
    model.leaders.push_back({{-C / 2 + 0.3, D / 2 - 0.3}, {-14, -10}, QStringLiteral("r")});
    return model;
}

BearingModel housedInsertUnit() {
    // UCP 205: the UC 205 insert in the P 205 pillow block.
    BearingModel insert = insertBallBearing();
    BearingModel model;
    model.typeName = QStringLiteral("带座外球面球轴承");
    model.symbols = {{QStringLiteral("d"), QStringLiteral("内径")},
                     {QStringLiteral("B"), QStringLiteral("内圈宽度")}};
    for (TurnedPart part : insert.parts) {
        part.mirrored = true;
        model.parts.push_back(part);
    }
    for (BallSet balls : insert.balls) {
        balls.mirrored = true;
        model.balls.push_back(balls);
    }
    model.rollers = insert.rollers;
    addPillowBlock(model);
    constexpr qreal innerLeft = -19.8, innerRight = 14.3, bore = 12.5;
    model.dimensions.push_back(
        {Direction::AlongAxis, {innerLeft, -bore}, {innerRight, -bore}, 12, QStringLiteral("B")});
    Dimension boreDimension{
        Direction::AcrossAxis, {innerLeft, -bore}, {innerLeft, bore}, -14, QStringLiteral("d")};
    boreDimension.labelAt = 0.75;  // clear of the centre line
    model.dimensions.push_back(boreDimension);
    addHousingDimensions(model);
    return model;
}

BearingModel pillowBlockHousing() {
    // P 205, the housing alone.
    BearingModel model;
    model.typeName = QStringLiteral("轴承座");
    model.symbols = {{QStringLiteral("D"), QStringLiteral("座孔直径")},
                     {QStringLiteral("B"), QStringLiteral("座孔宽度")}};
    addPillowBlock(model);
    Dimension seat{
        Direction::AcrossAxis, {0, -kSeatRadius}, {0, kSeatRadius}, 0, QStringLiteral("D")};
    seat.labelAt = 0.72;
    model.dimensions.push_back(seat);
    model.dimensions.push_back({Direction::AlongAxis,
                                {-kBossHalfWidth, kBossRadius},
                                {kBossHalfWidth, kBossRadius},
                                12,
                                QStringLiteral("B")});
    addHousingDimensions(model);
    return model;
}

BearingModel linearBallBushing() {
    // LM 25 UU: for a shaft d 25, D 40, L 59; six rows of balls of 3.175 mm run on the shaft
    // inside a hardened sleeve with two retaining-ring grooves (B 41) and a seal at each end.
    constexpr qreal d = 25, D = 40, L = 59, B = 41, ball = 3.175;
    constexpr qreal groove = 1.85, grooveBottom = 37.5 / 2, sealDepth = 2.1;
    const qreal half = L / 2;
    const qreal bore = d / 2 + ball;
    const qreal sealSeat = bore + 1.6;
    SectionOutline sleeve;
    sleeve.to(-half, D / 2);
    for (qreal side : {-1.0, 1.0}) {
        const qreal outerFace = side * B / 2;
        const qreal innerFace = side * (B / 2 - groove);
        const qreal first = side < 0 ? outerFace : innerFace;
        const qreal second = side < 0 ? innerFace : outerFace;
        sleeve.to(first, D / 2).to(first, grooveBottom).to(second, grooveBottom).to(second, D / 2);
    }
    sleeve.to(half, D / 2)
        .to(half, sealSeat)
        .to(half - sealDepth, sealSeat)
        .to(half - sealDepth, bore);
    sleeve.to(-half + sealDepth, bore).to(-half + sealDepth, sealSeat).to(-half, sealSeat);

    BearingModel model;
    model.typeName = QStringLiteral("直线运动轴承");
    model.kindName = QStringLiteral("直线运动球轴承");
    model.symbols = {{QStringLiteral("d"), QStringLiteral("内径")},
                     {QStringLiteral("D"), QStringLiteral("外径")},
                     {QStringLiteral("L"), QStringLiteral("长度")},
                     {QStringLiteral("B"), QStringLiteral("挡圈槽间距")}};
    model.camera.yaw = 48;
    model.camera.pitch = 20;
    model.parts.push_back({roundedCorners(sleeve.polygon(), 0.8), Material::Steel, true});
    for (qreal side : {-1.0, 1.0}) {
        const qreal a = side * (half - sealDepth + 0.1);
        const qreal b = side * (half - 0.15);
        QPolygonF seal;
        seal << QPointF(std::min(a, b), d / 2 + 0.1) << QPointF(std::max(a, b), d / 2 + 0.1)
             << QPointF(std::max(a, b), sealSeat) << QPointF(std::min(a, b), sealSeat);
        model.parts.push_back({seal, Material::Rubber, side < 0});
    }
    constexpr int kBallsPerRow = 16;
    const qreal pitch = ball + 0.02;
    for (int i = 0; i < kBallsPerRow; ++i) {
        const qreal z = (i - (kBallsPerRow - 1) / 2.0) * pitch;
        model.balls.push_back({{z, d / 2 + ball / 2}, ball / 2, 6, 90});
    }
    model.dimensions.push_back(
        {Direction::AlongAxis, {-B / 2, D / 2}, {B / 2, D / 2}, 12, QStringLiteral("B")});
    model.dimensions.push_back({Direction::AlongAxis,
                                {-half, sealSeat},
                                {half, sealSeat},
                                30,
                                QStringLiteral("L"),
                                D / 2});
    model.dimensions.push_back(
        {Direction::AcrossAxis, {half, 0}, {half, D / 2}, 16, QStringLiteral("D")});
    model.dimensions.push_back({Direction::AcrossAxis,
                                {-half, 0},
                                {-half + sealDepth - 0.1, d / 2 + 0.1},
                                -16,
                                QStringLiteral("d")});
    return model;
}

}  // namespace picture_generator
