// One bearing type as the type pictures draw it: its parts in millimetres, described once and
// drawn twice, as a cut-away view and as a dimensioned axial section, so the two views of a
// sheet can never disagree.
#pragma once

#include <QPointF>
#include <QPolygonF>
#include <QString>

#include <optional>
#include <vector>

namespace picture_generator {

enum class Material {
    Steel,         // rings, washers, sleeves
    RollingSteel,  // balls, rollers, needles: brighter and glossier than the rings
    Brass,         // cages
    Rubber,        // seals
    Housing,       // cast-iron housings, painted
    DarkSteel,     // set screws, shields, studs' threads
};

// A part turned about the bearing axis, given by its axial section: a closed polygon in the
// plane (z, r), z along the axis and r >= 0 the distance from it.
struct TurnedPart {
    QPolygonF section;
    Material material = Material::Steel;
    bool hatchForward = true;  // section hatching at 45°, rising or falling
    bool cutAway = true;       // opened by the cut-away wedge of the perspective view
    bool mirrored = false;     // the section view also draws it below the axis
};

// A ball: centre in (z, r), repeated `count` times around the axis from `phase` degrees.
struct BallSet {
    QPointF centre;
    qreal radius = 0;
    int count = 1;
    qreal phase = 0;
    bool mirrored = false;  // the section view also draws it below the axis
};

// A roller, needle, set screw or similar turned piece with its own axis, lying in the plane
// (z, r) from `from` to `to`; its radius goes linearly from fromRadius to toRadius and bulges
// by `crown` at the middle (barrel rollers). Repeated around the bearing axis like a ball.
struct RollerSet {
    QPointF from;
    QPointF to;
    qreal fromRadius = 0;
    qreal toRadius = 0;
    qreal crown = 0;
    int count = 1;
    qreal phase = 0;
    Material material = Material::RollingSteel;
    bool inSection = true;  // drawn in the axial section (it lies in the section plane)
    bool mirrored = false;
};

// A block of a housing in three dimensions (x right, y up, z along the axis): a convex
// outline in the plane (x, y) drawn out along z, with vertical round holes bored through it.
struct Block {
    struct Hole {
        QPointF centre;  // (x, z)
        qreal radius = 0;
    };
    QPolygonF outline;  // convex, in (x, y)
    qreal fromZ = 0;
    qreal toZ = 0;
    std::vector<Hole> holes;
    Material material = Material::Housing;
    bool cutAway = true;
};

// A region of the axial section that is not a turned part (a housing's foot, say): a closed
// polygon in (z, y), drawn hatched as it stands.
struct SectionRegion {
    QPolygonF outline;
    bool hatchForward = true;
};

// A dimension of the section view between two points of the model, measured along the axis
// or across it. The line stands `offset` pixels beyond the farther of the two points
// (positive: towards larger r, or larger z), or beyond `clearOf` (a model coordinate across
// the measuring direction) when the parts reach further; extension lines join it to both.
struct Dimension {
    enum class Direction { AlongAxis, AcrossAxis };
    Direction direction = Direction::AlongAxis;
    QPointF from;
    QPointF to;
    qreal offset = 0;
    QString label;
    std::optional<qreal> clearOf{};
    qreal labelAt = 0.5;  // where along the line its letter stands, 0 at `from`
};

// A leader from a point of the model (a corner radius, a contact line) to a label placed
// `towards` pixels away from it.
struct Leader {
    QPointF at;
    QPointF towards;
    QString label;
};

// A thin dash-dotted line through a point at an angle to the axis (contact angles, roller
// axes), with an optional label at the end it starts from (through - direction * length).
struct AngleLine {
    QPointF through;
    qreal degrees = 0;  // from the axis direction towards increasing r
    qreal length = 0;   // millimetres each way
    QString label;
};

// Where the cut-away view is seen from: turned `yaw` degrees about the vertical from straight
// in front of the bearing's front face (+z) towards +x, and `pitch` degrees above.
struct Camera {
    qreal yaw = 38;
    qreal pitch = 22;
    qreal wedgeFrom = 0;  // the cut-away wedge, degrees about the axis from +x towards +y
    qreal wedgeTo = 90;
    bool axisUpright = false;  // shows the axis standing up (thrust bearings)
};

// A letter of the drawing and what it measures: "d", "内径".
struct Symbol {
    QString letter;
    QString meaning;
};

struct BearingModel {
    QString typeName;  // the caption: the type name in Chinese
    QString kindName;  // the kind drawn, where the type covers several: "推力调心滚子轴承"
    // The letters of the dimensions and angles drawn, with what each measures, in the order
    // the heading names them. The picture stands for every bearing of its type, whatever
    // its size: the heading gives no sizes and no designation.
    std::vector<Symbol> symbols;

    std::vector<TurnedPart> parts;
    std::vector<BallSet> balls;
    std::vector<RollerSet> rollers;
    std::vector<Block> blocks;
    std::vector<SectionRegion> sectionRegions;

    std::vector<Dimension> dimensions;
    std::vector<Leader> leaders;
    std::vector<AngleLine> angleLines;

    Camera camera;
    bool sectionAxisUpright = false;  // thrust bearings: the axis stands in the section view
};

}  // namespace picture_generator
