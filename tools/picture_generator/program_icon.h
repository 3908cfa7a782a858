// The program's icon: a deep groove ball bearing seen face on, with steel rings, shiny balls
// and a blue inner ring. It is described once as a list of filled circles and rings, and that
// one description is painted into the PNGs of the icon theme and written out as the SVG, so the
// two can never drift apart.
#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QPointF>
#include <QString>
#include <vector>

namespace picture_generator {

struct IconGradientStop {
    qreal at = 0;
    QColor colour;
};

// A solid colour (one stop), a linear gradient from `from` to `to`, or a radial gradient of
// `radius` around `from`.
struct IconPaint {
    enum class Kind { Solid, Linear, Radial };
    Kind kind = Kind::Solid;
    QPointF from;
    QPointF to;
    qreal radius = 0;
    std::vector<IconGradientStop> stops;
};

// A filled circle, or a ring when `hole` is above zero, optionally outlined.
struct IconDisc {
    QPointF centre;
    qreal radius = 0;
    qreal hole = 0;
    IconPaint fill;
    QColor edge;
    qreal edgeWidth = 0;
};

// The shapes for a square icon of `size` pixels, back to front. Small sizes get fewer, bigger
// balls and thicker outlines so that they still read as a bearing.
std::vector<IconDisc> programIconShapes(int size);

QImage drawProgramIcon(int size);

// The 256-pixel drawing as an SVG document.
QByteArray programIconSvg();

// The icon theme sizes the PNGs are drawn at.
inline constexpr int kProgramIconSizes[] = {16, 32, 48, 64, 128, 256};

// Writes icon/lingzhou-<size>.png for every size and icon/lingzhou.svg under `assets`.
bool writeProgramIcon(const QString& assets);

}  // namespace picture_generator
