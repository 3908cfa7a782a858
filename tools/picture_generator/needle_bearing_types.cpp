#include <cmath>

#include "section_outline.h"
#include "type_models.h"

namespace picture_generator {

namespace {

using Direction = Dimension::Direction;

void addLeftBore(BearingModel& model, qreal z, qreal bore) {
    model.dimensions.push_back(
        {Direction::AcrossAxis, {z, 0}, {z, bore / 2}, -16, QStringLiteral("d")});
}

void addRightOutside(BearingModel& model, qreal z, qreal outside) {
    model.dimensions.push_back(
        {Direction::AcrossAxis, {z, 0}, {z, outside / 2}, 16, QStringLiteral("D")});
}

// Needles of a cage between its rims, with the cage's bars between them (seen in the cut-away
// view only: the section passes through a needle).
void addCagedNeedles(BearingModel& model, qreal pitch, qreal needle, qreal length, int count,
                     Material cage) {
    RollerSet needles{{-length / 2, pitch}, {length / 2, pitch}, needle / 2, needle / 2};
    needles.count = count;
    model.rollers.push_back(needles);
    RollerSet bars{{-length / 2, pitch + needle * 0.12},
                   {length / 2, pitch + needle * 0.12},
                   needle * 0.2,
                   needle * 0.2};
    bars.count = count;
    bars.phase = 180.0 / count;
    bars.material = cage;
    bars.inSection = false;
    model.rollers.push_back(bars);
}

}  // namespace

BearingModel needleRollerBearing() {
    // NA 4905: d 25, D 42, B 17; raceway of the needles Fw 30; a machined outer ring with a rib
    // at each side and a lubrication groove round its outside; thirty needles of 2.5 x 13.
    constexpr qreal d = 25, D = 42, B = 17, F = 30, needle = 2.5, length = 12.6, corner = 0.8;
    const qreal raceOuter = F / 2 + needle;
    const qreal rib = F / 2 + needle * 0.55;
    const qreal ribStart = length / 2 + 0.3;
    SectionOutline outer;
    outer.to(-B / 2, D / 2)
        .to(-1.6, D / 2)
        .to(-1.2, D / 2 - 0.7)
        .to(1.2, D / 2 - 0.7)
        .to(1.6, D / 2);
    outer.to(B / 2, D / 2).to(B / 2, rib).to(ribStart, rib).to(ribStart, raceOuter);
    outer.to(-ribStart, raceOuter).to(-ribStart, rib).to(-B / 2, rib);
    BearingModel model;
    model.typeName = QStringLiteral("滚针轴承");
    model.symbols = {{QStringLiteral("d"), QStringLiteral("内径")},
                     {QStringLiteral("D"), QStringLiteral("外径")},
                     {QStringLiteral("B"), QStringLiteral("宽度")}};
    model.parts.push_back({roundedCorners(outer.polygon(), corner), Material::Steel, true});
    model.parts.push_back(
        {ringSection(-B / 2, B / 2, d / 2, F / 2, corner), Material::Steel, false});
    addCagedNeedles(model, F / 2 + needle / 2, needle, length, 26, Material::Brass);
    model.dimensions.push_back(
        {Direction::AlongAxis, {-B / 2, D / 2}, {B / 2, D / 2}, 12, QStringLiteral("B")});
    addRightOutside(model, B / 2, D);
    addLeftBore(model, -B / 2, d);
    model.leaders.push_back({{-B / 2 + 0.3, D / 2 - 0.3}, {-14, -10}, QStringLiteral("r")});
    return model;
}

BearingModel needleRollerAndCageAssembly() {
    // K 25x29x13: needles round a shaft of 25 (Fw) in a bore of 29 (Ew), held by a cage 13
    // wide (Bc): no rings at all; shaft and housing bore are the raceways.
    constexpr qreal Fw = 25, Ew = 29, Bc = 13, needle = 2, length = 10.8;
    const qreal pitch = (Fw + Ew) / 4;
    BearingModel model;
    model.typeName = QStringLiteral("滚针和保持架组件");
    model.symbols = {{QStringLiteral("d"), QStringLiteral("滚针组内径")},
                     {QStringLiteral("D"), QStringLiteral("滚针组外径")},
                     {QStringLiteral("B"), QStringLiteral("宽度")}};
    // The cage's rims beyond the needles' ends: a formed steel band, drawn brass-coloured so
    // it stands apart from the needles.
    for (qreal side : {-1.0, 1.0}) {
        const qreal a = side * (length / 2 + 0.15);
        const qreal b = side * (Bc / 2);
        QPolygonF rim;
        rim << QPointF(std::min(a, b), pitch - 0.75) << QPointF(std::max(a, b), pitch - 0.75)
            << QPointF(std::max(a, b), pitch + 0.85) << QPointF(std::min(a, b), pitch + 0.85);
        model.parts.push_back({roundedCorners(rim, 0.2), Material::Brass, side > 0});
    }
    addCagedNeedles(model, pitch, needle, length, 22, Material::Brass);
    model.camera.yaw = 34;
    model.camera.pitch = 24;
    model.dimensions.push_back({Direction::AlongAxis,
                                {-Bc / 2, pitch + 0.85},
                                {Bc / 2, pitch + 0.85},
                                12,
                                QStringLiteral("B"),
                                Ew / 2});
    model.dimensions.push_back({Direction::AcrossAxis,
                                {length / 2, 0},
                                {length / 2, Ew / 2},
                                16,
                                QStringLiteral("D"),
                                Bc / 2});
    model.dimensions.push_back({Direction::AcrossAxis,
                                {-length / 2, 0},
                                {-length / 2, Fw / 2},
                                -16,
                                QStringLiteral("d"),
                                -Bc / 2});
    return model;
}

BearingModel combinedNeedleBearing() {
    // NKX 25: a needle roller bearing without inner ring (Fw 25, D 37) and, at one end, a
    // thrust ball bearing whose housing-side raceway is the outer ring's face; C 30 overall.
    constexpr qreal Fw = 25, D = 37, C = 30, needle = 3, needleLength = 16, corner = 0.6;
    constexpr qreal ringEnd = 8.5, ball = 4, ballPitch = 15.6;
    const qreal left = -C / 2;
    const qreal raceOuter = Fw / 2 + needle;
    const qreal rib = Fw / 2 + needle * 0.5;
    const qreal needleMiddle = left + 2.2 + needleLength / 2;
    const qreal groove = 0.54 * ball;
    const qreal grooveDepth = 0.6;
    const qreal ballZ = ringEnd + ball / 2 - grooveDepth;
    const qreal washerFace = ballZ + ball / 2 - grooveDepth;
    const qreal opening =
        std::acos((ball / 2 - grooveDepth - (ball / 2 - groove)) / groove) * 180 / M_PI;

    SectionOutline outer;
    outer.to(left, D / 2).to(ringEnd, D / 2);
    outer.arc({ballZ - (ball / 2 - groove), ballPitch}, groove, 180 - opening, 180 + opening);
    outer.to(ringEnd, rib).to(needleMiddle + needleLength / 2 + 0.3, rib);
    outer.to(needleMiddle + needleLength / 2 + 0.3, raceOuter);
    outer.to(needleMiddle - needleLength / 2 - 0.3, raceOuter);
    outer.to(needleMiddle - needleLength / 2 - 0.3, rib).to(left, rib);
    SectionOutline washer;
    washer.to(C / 2, Fw / 2 + 0.1).to(C / 2, D / 2 - 0.3).to(washerFace, D / 2 - 0.3);
    washer.arc({ballZ + (ball / 2 - groove), ballPitch}, groove, opening, -opening);
    washer.to(washerFace, Fw / 2 + 0.1);

    BearingModel model;
    model.typeName = QStringLiteral("滚针组合轴承");
    model.kindName = QStringLiteral("滚针和推力球组合轴承");
    model.symbols = {{QStringLiteral("d"), QStringLiteral("内径")},
                     {QStringLiteral("D"), QStringLiteral("外径")},
                     {QStringLiteral("C"), QStringLiteral("宽度")}};
    model.parts.push_back({roundedCorners(outer.polygon(), corner), Material::Steel, true});
    model.parts.push_back({roundedCorners(washer.polygon(), corner), Material::Steel, false});
    RollerSet needles{{needleMiddle - needleLength / 2, Fw / 2 + needle / 2},
                      {needleMiddle + needleLength / 2, Fw / 2 + needle / 2},
                      needle / 2,
                      needle / 2};
    needles.count = 24;
    model.rollers.push_back(needles);
    model.balls.push_back({{ballZ, ballPitch}, ball / 2, 18, 0});
    model.dimensions.push_back(
        {Direction::AlongAxis, {left, D / 2}, {C / 2, D / 2 - 0.3}, 12, QStringLiteral("C")});
    addRightOutside(model, C / 2, D);
    addLeftBore(model, left, Fw);
    model.leaders.push_back({{left + 0.3, D / 2 - 0.3}, {-14, -10}, QStringLiteral("r")});
    return model;
}

BearingModel trackRoller() {
    // KR 22: a thick outer ring D 22, C 12 running on needles round a stud of d 10 with a
    // flanged head (hexagon socket) and a pressed-on side washer; B 36 overall.
    constexpr qreal D = 22, C = 12, studDiameter = 10, B = 36, needle = 2;
    constexpr qreal head = -7.4, ringLeft = -C / 2, ringRight = C / 2, washerRight = 7.0;
    // The side washer sits on the shank, beside the stud's raceway.
    const qreal race = 6.2;
    const qreal ringBore = race + needle;
    const qreal shankEnd = head + B;
    SectionOutline stud;
    stud.to(head, 2.6).to(head + 3.2, 2.6).to(head + 3.2, 0);  // the socket, open at the head
    stud.to(shankEnd - 0.8, 0).to(shankEnd, 0).to(shankEnd, studDiameter / 2 - 0.6);
    stud.to(shankEnd - 0.6, studDiameter / 2).to(ringRight, studDiameter / 2);
    stud.to(ringRight, race).to(ringLeft - 0.1, race).to(ringLeft - 0.1, ringBore + 0.8);
    stud.to(head, ringBore + 0.8);
    const QPolygonF studSection = stud.polygon();
    SectionOutline ring;
    ring.to(ringLeft, D / 2).to(ringRight, D / 2).to(ringRight, ringBore).to(ringLeft, ringBore);

    BearingModel model;
    model.typeName = QStringLiteral("滚轮轴承");
    model.kindName = QStringLiteral("螺栓型滚轮轴承");
    model.symbols = {{QStringLiteral("d"), QStringLiteral("螺栓直径")},
                     {QStringLiteral("D"), QStringLiteral("外径")},
                     {QStringLiteral("C"), QStringLiteral("外圈宽度")},
                     {QStringLiteral("B"), QStringLiteral("总长")}};
    // Seen from the head's side, with the shank going away behind the roller.
    model.camera.yaw = 218;
    model.camera.pitch = 22;
    model.camera.wedgeFrom = 90;
    model.camera.wedgeTo = 180;
    model.parts.push_back({studSection, Material::Steel, false, false});
    model.parts.push_back({roundedCorners(ring.polygon(), 1.0), Material::Steel, true});
    model.parts.push_back(
        {ringSection(ringRight + 0.05, washerRight, studDiameter / 2 + 0.05, ringBore + 0.8, 0.2),
         Material::Steel, true});
    RollerSet needles{{ringLeft + 0.8, race + needle / 2},
                      {ringRight - 0.8, race + needle / 2},
                      needle / 2,
                      needle / 2};
    needles.count = 19;
    model.rollers.push_back(needles);
    model.dimensions.push_back(
        {Direction::AlongAxis, {ringLeft, D / 2}, {ringRight, D / 2}, 12, QStringLiteral("C")});
    model.dimensions.push_back(
        {Direction::AlongAxis, {head, 0}, {shankEnd, 0}, -14, QStringLiteral("B")});
    model.dimensions.push_back(
        {Direction::AcrossAxis, {head, 0}, {ringLeft, D / 2}, -14, QStringLiteral("D")});
    model.dimensions.push_back({Direction::AcrossAxis,
                                {shankEnd, 0},
                                {shankEnd, studDiameter / 2},
                                12,
                                QStringLiteral("d")});
    model.leaders.push_back({{ringRight - 0.3, D / 2 - 0.3}, {14, -10}, QStringLiteral("r")});
    return model;
}

}  // namespace picture_generator
