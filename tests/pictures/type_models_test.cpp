// The bearings the type drawings are made from: parts that would overlap, or rolling elements
// cutting into their rings, would be drawn as they stand, so they are caught here.
#include <gtest/gtest.h>

#include <QPainterPath>
#include <QtMath>
#include <cmath>
#include <string>
#include <vector>

#include "bearing_model.h"
#include "type_pictures.h"

namespace picture_generator {
namespace {

double area(const QPainterPath& path) {
    double total = 0;
    for (const QPolygonF& polygon : path.toFillPolygons()) {
        double twice = 0;
        for (int i = 0; i < polygon.size(); ++i) {
            const QPointF a = polygon[i];
            const QPointF b = polygon[(i + 1) % polygon.size()];
            twice += a.x() * b.y() - b.x() * a.y();
        }
        total += std::abs(twice) / 2;
    }
    return total;
}

QPainterPath pathOf(const QPolygonF& polygon) {
    QPainterPath path;
    path.addPolygon(polygon);
    path.closeSubpath();
    return path;
}

QPolygonF mirrored(const QPolygonF& polygon) {
    QPolygonF out;
    for (const QPointF& p : polygon) {
        out << QPointF(p.x(), -p.y());
    }
    return out;
}

// Everything hatched in the section: the turned parts (both sides where drawn so) and the
// housing's regions.
std::vector<QPolygonF> hatchedShapes(const BearingModel& model) {
    std::vector<QPolygonF> shapes;
    for (const TurnedPart& part : model.parts) {
        shapes.push_back(part.section);
        if (part.mirrored) {
            shapes.push_back(mirrored(part.section));
        }
    }
    for (const SectionRegion& region : model.sectionRegions) {
        shapes.push_back(region.outline);
    }
    return shapes;
}

// A rolling element's outline in the section, shrunk a little: elements touch their
// raceways, and only cutting into them is a fault.
QPolygonF shrunk(const QPolygonF& outline, double factor) {
    QPointF centre;
    for (const QPointF& p : outline) {
        centre += p;
    }
    centre /= outline.size();
    QPolygonF out;
    for (const QPointF& p : outline) {
        out << centre + (p - centre) * factor;
    }
    return out;
}

QPolygonF ballOutline(const BallSet& ball) {
    QPolygonF circle;
    for (int i = 0; i < 72; ++i) {
        const double a = 2 * M_PI * i / 72;
        circle << ball.centre + QPointF(std::cos(a), std::sin(a)) * ball.radius;
    }
    return circle;
}

QPolygonF rollerOutline(const RollerSet& roller) {
    const QPointF axis = roller.to - roller.from;
    const double length = std::hypot(axis.x(), axis.y());
    const QPointF along = axis / length;
    const QPointF across(-along.y(), along.x());
    const double middle = (roller.fromRadius + roller.toRadius) / 2 + roller.crown;
    return QPolygonF{roller.from + across * roller.fromRadius,
                     roller.from + along * (length / 2) + across * middle,
                     roller.to + across * roller.toRadius,
                     roller.to - across * roller.toRadius,
                     roller.from + along * (length / 2) - across * middle,
                     roller.from - across * roller.fromRadius};
}

std::vector<QPolygonF> rollingElements(const BearingModel& model) {
    std::vector<QPolygonF> elements;
    for (const BallSet& ball : model.balls) {
        elements.push_back(ballOutline(ball));
    }
    for (const RollerSet& roller : model.rollers) {
        if (roller.material == Material::RollingSteel) {
            elements.push_back(rollerOutline(roller));
        }
    }
    return elements;
}

TEST(TypeModels, HatchedPartsNeverOverlap) {
    for (const TypePicture& picture : typePictures()) {
        const BearingModel model = picture.model();
        SCOPED_TRACE(model.typeName.toStdString());
        const std::vector<QPolygonF> shapes = hatchedShapes(model);
        for (std::size_t i = 0; i < shapes.size(); ++i) {
            for (std::size_t j = i + 1; j < shapes.size(); ++j) {
                EXPECT_LT(area(pathOf(shapes[i]).intersected(pathOf(shapes[j]))), 0.02)
                    << "shapes " << i << " and " << j;
            }
        }
    }
}

TEST(TypeModels, RollingElementsNeverCutIntoTheirRings) {
    for (const TypePicture& picture : typePictures()) {
        const BearingModel model = picture.model();
        SCOPED_TRACE(model.typeName.toStdString());
        for (const QPolygonF& element : rollingElements(model)) {
            const QPainterPath inside = pathOf(shrunk(element, 0.96));
            for (const QPolygonF& part : hatchedShapes(model)) {
                EXPECT_LT(area(inside.intersected(pathOf(part))), 0.01 * area(inside));
            }
        }
    }
}

TEST(TypeModels, EveryTypeHasItsNameAndLetters) {
    for (const TypePicture& picture : typePictures()) {
        const BearingModel model = picture.model();
        SCOPED_TRACE(picture.fileName);
        EXPECT_FALSE(model.typeName.isEmpty());
        EXPECT_GE(model.dimensions.size(), 3u);
    }
}

}  // namespace
}  // namespace picture_generator
