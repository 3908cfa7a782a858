#include <QtMath>

#include <cmath>

#include "section_outline.h"
#include "type_models.h"

namespace picture_generator {

namespace {

using Direction = Dimension::Direction;

// Thrust bearings stand on their housing washer: the axis upright in both views, the cut-away
// wedge on the side facing the viewer.
void standUpright(BearingModel& model) {
    model.camera.axisUpright = true;
    model.camera.yaw = 28;
    model.camera.pitch = 30;
    model.camera.wedgeFrom = 270;
    model.camera.wedgeTo = 360;
    model.sectionAxisUpright = true;
}

// H on the right, d over the shaft washer, D under the housing washer, r at the shaft
// washer's outer corner.
void addThrustDimensions(BearingModel& model, qreal height, qreal bore, qreal outside,
                         qreal shaftWasherOutside) {
    const qreal top = height / 2;
    model.dimensions.push_back({Direction::AlongAxis,
                                {-top, outside / 2},
                                {top, shaftWasherOutside / 2},
                                14,
                                QStringLiteral("H")});
    model.dimensions.push_back(
        {Direction::AcrossAxis, {top, 0}, {top, bore / 2}, 12, QStringLiteral("d")});
    model.dimensions.push_back(
        {Direction::AcrossAxis, {-top, 0}, {-top, outside / 2}, -12, QStringLiteral("D")});
    model.leaders.push_back(
        {{top - 0.3, shaftWasherOutside / 2 - 0.3}, {-8, -13}, QStringLiteral("r")});
    model.symbols.insert(model.symbols.end(), {{QStringLiteral("d"), QStringLiteral("内径")},
                                               {QStringLiteral("D"), QStringLiteral("外径")},
                                               {QStringLiteral("H"), QStringLiteral("高度")}});
}

}  // namespace

BearingModel thrustBallBearing() {
    // 51205: d 25, D 47, H 15; twelve balls of 7.938 mm between a shaft washer (bore d) and a
    // housing washer (bore 27, outside D), each with its groove; no rings.
    constexpr qreal d = 25, D = 47, H = 15, ball = 7.938, corner = 0.8;
    constexpr qreal shaftWasherOutside = 46.6, housingWasherBore = 27, pitch = 18;
    const qreal groove = 0.54 * ball;
    const qreal washer = 4.5;
    const qreal face = H / 2 - washer;  // the washers' raceway faces at +-face
    const QPointF upperCentre(ball / 2 - groove, pitch);
    const QPointF lowerCentre(-(ball / 2 - groove), pitch);
    const qreal opening = qRadiansToDegrees(std::acos((face - upperCentre.x()) / groove));

    SectionOutline shaftWasher;
    shaftWasher.to(H / 2, d / 2).to(H / 2, shaftWasherOutside / 2).to(face, shaftWasherOutside / 2);
    shaftWasher.arc(upperCentre, groove, opening, -opening);
    shaftWasher.to(face, d / 2);
    SectionOutline housingWasher;
    housingWasher.to(-H / 2, housingWasherBore / 2).to(-H / 2, D / 2).to(-face, D / 2);
    housingWasher.arc(lowerCentre, groove, 180 - opening, 180 + opening);
    housingWasher.to(-face, housingWasherBore / 2);

    BearingModel model;
    model.typeName = QStringLiteral("推力球轴承");
    standUpright(model);
    model.parts.push_back({roundedCorners(shaftWasher.polygon(), corner), Material::Steel, true});
    model.parts.push_back(
        {roundedCorners(housingWasher.polygon(), corner), Material::Steel, false});
    model.balls.push_back({{0, pitch}, ball / 2, 12, 0});
    addThrustDimensions(model, H, d, D, shaftWasherOutside);
    return model;
}

BearingModel thrustSphericalRollerBearing() {
    // 29412 E: d 60, D 130, H 42; sixteen barrel rollers at 45°. The housing washer's
    // raceway is a sphere about a point of the axis above the bearing, so the shaft and its
    // washer may tilt; the shaft washer's lip guides the rollers' inner ends.
    constexpr qreal d = 60, D = 130, H = 42, corner = 1.5;
    constexpr qreal slope = 45, rollerLength = 20, endRadius = 6.9, crown = 0.6;
    const QPointF centre(-2, 46);
    const qreal s = std::sin(qDegreesToRadians(slope));
    const qreal c = std::cos(qDegreesToRadians(slope));
    const QPointF outward(-c, s);  // from a roller's centre to its housing washer contact
    const QPointF axis(s, c);      // along a roller, towards its outer end
    const qreal midRadius = endRadius + crown;
    const qreal toCentre = centre.y() / s;
    const QPointF sphereCentre = centre - outward * toCentre;
    const qreal sphere = toCentre + midRadius;

    // Housing washer: flat underneath, its raceway rising towards a rim at the outside.
    const qreal rimTop = -1, raceInner = 38, housingBore = 33;
    const auto sphereZ = [&](qreal r) {
        return sphereCentre.x() - std::sqrt(sphere * sphere - r * r);
    };
    const auto sphereAngle = [&](qreal z, qreal r) {
        return qRadiansToDegrees(std::atan2(r - sphereCentre.y(), z - sphereCentre.x()));
    };
    const qreal rimInner = std::sqrt(sphere * sphere - std::pow(rimTop - sphereCentre.x(), 2));
    SectionOutline housingWasher;
    housingWasher.to(-H / 2, housingBore).to(-H / 2, D / 2).to(rimTop, D / 2).to(rimTop, rimInner);
    housingWasher.arc(sphereCentre, sphere, sphereAngle(rimTop, rimInner),
                      sphereAngle(sphereZ(raceInner), raceInner));
    housingWasher.to(sphereZ(raceInner), housingBore);

    // Shaft washer: a cone along the rollers' inner side, with a lip along their inner ends.
    const QPointF raceLine = centre - outward * midRadius;  // on the rollers' inner side
    const qreal shaftWasherOutside = 52;
    const qreal raceOuterZ = raceLine.x() + (shaftWasherOutside - raceLine.y()) * (c / s);
    const QPointF innerEnd = centre - axis * (rollerLength / 2);
    const QPointF lipStart = innerEnd - outward * endRadius - axis * 0.3;
    const QPointF lipEnd = lipStart + outward * 4.2;
    SectionOutline shaftWasher;
    shaftWasher.to(H / 2, d / 2).to(H / 2, shaftWasherOutside).to(raceOuterZ, shaftWasherOutside);
    shaftWasher.to(lipStart.x(), lipStart.y()).to(lipEnd.x(), lipEnd.y());
    shaftWasher.to(lipEnd.x() - 1.6, lipEnd.y() - 1.6).to(lipEnd.x() - 1.6, d / 2);

    BearingModel model;
    model.typeName = QStringLiteral("推力滚子轴承");
    model.kindName = QStringLiteral("推力调心滚子轴承");
    standUpright(model);
    model.parts.push_back({roundedCorners(shaftWasher.polygon(), corner), Material::Steel, true});
    model.parts.push_back(
        {roundedCorners(housingWasher.polygon(), corner), Material::Steel, false});
    RollerSet rollers{centre - axis * (rollerLength / 2), centre + axis * (rollerLength / 2),
                      endRadius, endRadius, crown};
    rollers.count = 16;
    model.rollers.push_back(rollers);
    model.angleLines.push_back({centre, 90 - slope, 14, {}});  // the rollers' axis
    addThrustDimensions(model, H, d, D, shaftWasherOutside * 2);
    return model;
}

BearingModel thrustCylindricalRollerBearing() {
    // 81105: d 25, D 42, H 11; fourteen rollers of 5.5 x 5.5 lying along the radius between
    // two flat washers.
    constexpr qreal d = 25, D = 42, H = 11, roller = 5.5, corner = 0.6;
    constexpr qreal shaftWasherOutside = 41.4, housingWasherBore = 26, pitch = 16.7;
    const qreal face = roller / 2;
    BearingModel model;
    model.typeName = QStringLiteral("推力圆柱滚子轴承");
    standUpright(model);
    model.parts.push_back(
        {ringSection(face, H / 2, d / 2, shaftWasherOutside / 2, corner), Material::Steel, true});
    model.parts.push_back(
        {ringSection(-H / 2, -face, housingWasherBore / 2, D / 2, corner), Material::Steel, false});
    RollerSet rollers{{0, pitch - roller / 2}, {0, pitch + roller / 2}, roller / 2, roller / 2};
    rollers.count = 14;
    model.rollers.push_back(rollers);
    addThrustDimensions(model, H, d, D, shaftWasherOutside);
    return model;
}

}  // namespace picture_generator
