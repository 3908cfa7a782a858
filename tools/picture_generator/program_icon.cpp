#include "program_icon.h"

#include <QDir>
#include <QFile>
#include <QImageWriter>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTextStream>
#include <QtMath>

namespace picture_generator {

namespace {

constexpr int kSvgSize = 256;

// Proportions of the bearing, as fractions of its outer radius. At 16 pixels an outline
// inside the drawing would fill the bore and run the balls together, so only the outer edge
// keeps one there, and the balls are fewer and bigger.
struct BearingProportions {
    qreal outerRingBore;
    qreal innerRingOutside;
    qreal bore;
    int ballCount;
    bool innerOutlines;
};

BearingProportions proportionsFor(int size) {
    if (size <= 16) {
        return {0.68, 0.36, 0.20, 6, false};
    }
    if (size <= 32) {
        return {0.72, 0.40, 0.20, 7, true};
    }
    return {0.73, 0.43, 0.24, 8, true};
}

IconPaint solid(const QColor& colour) {
    return {IconPaint::Kind::Solid, {}, {}, 0, {{0, colour}}};
}

IconPaint diagonal(QPointF centre, qreal radius, std::vector<IconGradientStop> stops) {
    const QPointF corner(radius, radius);
    return {IconPaint::Kind::Linear, centre - corner, centre + corner, 0, std::move(stops)};
}

IconPaint shine(QPointF highlight, qreal radius) {
    return {IconPaint::Kind::Radial,
            highlight,
            {},
            radius,
            {{0, QColor(0xff, 0xff, 0xff)},
             {0.4, QColor(0xd5, 0xdb, 0xe2)},
             {1, QColor(0x6d, 0x7a, 0x88)}}};
}

const QColor kSteelEdge(0x2c, 0x37, 0x44);
const QColor kRaceway(0x27, 0x31, 0x3d);
const QColor kBlueEdge(0x1d, 0x33, 0x50);

}  // namespace

std::vector<IconDisc> programIconShapes(int size) {
    const BearingProportions shape = proportionsFor(size);
    const QPointF centre(size / 2.0, size / 2.0);
    const qreal margin = size <= 16 ? 0.5 : size * 0.035;
    const qreal edgeWidth = size <= 16 ? 1.0 : qMax<qreal>(1.2, size / 90.0);
    // Outlines are centred on their circle; pulling the outermost one in by half its width
    // keeps it inside the canvas and on whole pixels at the small sizes.
    const qreal radius = size / 2.0 - margin - edgeWidth / 2;
    const qreal outerBore = radius * shape.outerRingBore;
    const qreal innerOutside = radius * shape.innerRingOutside;
    const qreal bore = radius * shape.bore;

    std::vector<IconDisc> shapes;
    shapes.push_back({centre, outerBore, innerOutside, solid(kRaceway), {}, 0});

    const qreal pitch = (outerBore + innerOutside) / 2;
    const qreal ball = (outerBore - innerOutside) / 2 * 0.96;
    for (int i = 0; i < shape.ballCount; ++i) {
        // Half a step off the vertical, so that no ball sits at twelve o'clock and the
        // drawing does not look like a clock face.
        const qreal angle = 2 * M_PI * (i + 0.5) / shape.ballCount - M_PI / 2;
        const QPointF at = centre + QPointF(qCos(angle), qSin(angle)) * pitch;
        shapes.push_back({at, ball, 0, shine(at - QPointF(ball, ball) * 0.35, ball * 1.3),
                          kSteelEdge, shape.innerOutlines ? edgeWidth * 0.6 : 0});
    }

    shapes.push_back({centre, radius, outerBore,
                      diagonal(centre, radius,
                               {{0, QColor(0xf4, 0xf7, 0xfa)},
                                {0.45, QColor(0xc3, 0xcc, 0xd6)},
                                {1, QColor(0x7b, 0x88, 0x98)}}),
                      kSteelEdge, edgeWidth});
    shapes.push_back({centre, innerOutside, bore,
                      diagonal(centre, innerOutside,
                               {{0, QColor(0x9c, 0xc4, 0xec)},
                                {0.5, QColor(0x4f, 0x86, 0xc2)},
                                {1, QColor(0x23, 0x51, 0x8a)}}),
                      kBlueEdge, shape.innerOutlines ? edgeWidth : 0});
    return shapes;
}

namespace {

QBrush brushOf(const IconPaint& paint) {
    if (paint.kind == IconPaint::Kind::Solid) {
        return paint.stops.front().colour;
    }
    QGradient gradient = paint.kind == IconPaint::Kind::Linear
                             ? QGradient(QLinearGradient(paint.from, paint.to))
                             : QGradient(QRadialGradient(paint.from, paint.radius));
    for (const IconGradientStop& stop : paint.stops) {
        gradient.setColorAt(stop.at, stop.colour);
    }
    return gradient;
}

QPainterPath discPath(const IconDisc& disc) {
    QPainterPath path;
    path.setFillRule(Qt::OddEvenFill);
    path.addEllipse(disc.centre, disc.radius, disc.radius);
    if (disc.hole > 0) {
        path.addEllipse(disc.centre, disc.hole, disc.hole);
    }
    return path;
}

QString number(qreal value) {
    return QString::number(value, 'f', 3);
}

QString colourText(const QColor& colour) {
    return colour.name(QColor::HexRgb);
}

QString svgGradient(const IconPaint& paint, const QString& id) {
    QString text;
    if (paint.kind == IconPaint::Kind::Linear) {
        text = QStringLiteral(
                   "    <linearGradient id=\"%1\" gradientUnits=\"userSpaceOnUse\" x1=\"%2\" "
                   "y1=\"%3\" x2=\"%4\" y2=\"%5\">\n")
                   .arg(id, number(paint.from.x()), number(paint.from.y()), number(paint.to.x()),
                        number(paint.to.y()));
    } else {
        text = QStringLiteral(
                   "    <radialGradient id=\"%1\" gradientUnits=\"userSpaceOnUse\" cx=\"%2\" "
                   "cy=\"%3\" r=\"%4\">\n")
                   .arg(id, number(paint.from.x()), number(paint.from.y()), number(paint.radius));
    }
    for (const IconGradientStop& stop : paint.stops) {
        text += QStringLiteral("      <stop offset=\"%1\" stop-color=\"%2\"/>\n")
                    .arg(number(stop.at), colourText(stop.colour));
    }
    text += paint.kind == IconPaint::Kind::Linear ? QStringLiteral("    </linearGradient>\n")
                                                  : QStringLiteral("    </radialGradient>\n");
    return text;
}

// A circle as two half arcs; a ring is two such circles filled even-odd.
QString svgCircle(QPointF centre, qreal radius) {
    return QStringLiteral("M %1 %2 a %3 %3 0 1 0 %4 0 a %3 %3 0 1 0 -%4 0 Z")
        .arg(number(centre.x() - radius), number(centre.y()), number(radius), number(2 * radius));
}

bool writeFile(const QByteArray& bytes, const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(bytes) != bytes.size()) {
        QTextStream(stderr) << "cannot write " << path << '\n';
        return false;
    }
    return true;
}

}  // namespace

QImage drawProgramIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    for (const IconDisc& disc : programIconShapes(size)) {
        painter.setBrush(brushOf(disc.fill));
        painter.setPen(disc.edgeWidth > 0 ? QPen(disc.edge, disc.edgeWidth) : QPen(Qt::NoPen));
        painter.drawPath(discPath(disc));
    }
    return image;
}

QByteArray programIconSvg() {
    const std::vector<IconDisc> shapes = programIconShapes(kSvgSize);
    QString defs;
    QString body;
    int gradients = 0;
    for (const IconDisc& disc : shapes) {
        QString fill;
        if (disc.fill.kind == IconPaint::Kind::Solid) {
            fill = colourText(disc.fill.stops.front().colour);
        } else {
            const QString id = QStringLiteral("g%1").arg(gradients++);
            defs += svgGradient(disc.fill, id);
            fill = QStringLiteral("url(#%1)").arg(id);
        }
        QString d = svgCircle(disc.centre, disc.radius);
        if (disc.hole > 0) {
            d += ' ' + svgCircle(disc.centre, disc.hole);
        }
        body += QStringLiteral("  <path d=\"%1\" fill=\"%2\" fill-rule=\"evenodd\"").arg(d, fill);
        if (disc.edgeWidth > 0) {
            body += QStringLiteral(" stroke=\"%1\" stroke-width=\"%2\"")
                        .arg(colourText(disc.edge), number(disc.edgeWidth));
        }
        body += QStringLiteral("/>\n");
    }
    const QString document =
        QStringLiteral(
            "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
            "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%1\" "
            "viewBox=\"0 0 %1 %1\">\n"
            "  <defs>\n%2  </defs>\n%3</svg>\n")
            .arg(QString::number(kSvgSize), defs, body);
    return document.toUtf8();
}

bool writeProgramIcon(const QString& assets) {
    const QString folder = assets + QStringLiteral("/icon/");
    if (!QDir().mkpath(folder)) {
        QTextStream(stderr) << "cannot create " << folder << '\n';
        return false;
    }
    bool ok = true;
    for (const int size : kProgramIconSizes) {
        const QString path = folder + QStringLiteral("lingzhou-%1.png").arg(size);
        QImageWriter writer(path, "png");
        if (!writer.write(drawProgramIcon(size).convertToFormat(QImage::Format_ARGB32))) {
            QTextStream(stderr) << "cannot write " << path << ": " << writer.errorString() << '\n';
            ok = false;
        }
    }
    return writeFile(programIconSvg(), folder + QStringLiteral("lingzhou.svg")) && ok;
}

}  // namespace picture_generator
