#include "cutaway_view.h"

#include <QImage>
#include <QPainter>
#include <QtMath>

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "sheet_style.h"

// Hidden surfaces are removed exactly, by following one viewing ray per sub-pixel: balls sit
// in grooves and rollers touch ribs, and a painter's ordering of facets gets such contacts
// wrong. The result is put on the sheet with QPainter like any other picture.

namespace picture_generator {

namespace {

constexpr int kSupersampling = 3;
constexpr double kFar = 1e4;
constexpr double kEpsilon = 1e-9;

struct Vec {
    double x = 0, y = 0, z = 0;
};

Vec operator+(Vec a, Vec b) {
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}
Vec operator-(Vec a, Vec b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}
Vec operator*(Vec a, double s) {
    return {a.x * s, a.y * s, a.z * s};
}
Vec operator-(Vec a) {
    return {-a.x, -a.y, -a.z};
}
double dot(Vec a, Vec b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}
Vec cross(Vec a, Vec b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
double length(Vec a) {
    return std::sqrt(dot(a, a));
}
Vec normalised(Vec a) {
    const double l = length(a);
    return l > 0 ? a * (1 / l) : a;
}

struct Ray {
    Vec origin;
    Vec direction;
};

struct Hit {
    double t = std::numeric_limits<double>::infinity();
    Vec normal;
    int id = -1;
    Material material = Material::Steel;
    bool section = false;
    bool hatchForward = true;
};

// The wedge taken out of the turned parts, as angles about the bearing axis.
struct Wedge {
    bool open = false;
    double from = 0;
    double to = 0;

    bool contains(double angle) const {
        if (!open) {
            return false;
        }
        double a = std::fmod(angle - from, 2 * M_PI);
        if (a < 0) {
            a += 2 * M_PI;
        }
        return a < to - from;
    }
};

void offer(Hit& best, double t, Vec normal, int id, Material material, bool section,
           bool hatchForward) {
    if (t > kEpsilon && t < best.t) {
        best = {t, normal, id, material, section, hatchForward};
    }
}

// Roots of a t^2 + b t + c = 0, or of the linear equation when a vanishes.
int solveQuadratic(double a, double b, double c, double roots[2]) {
    if (std::abs(a) < 1e-12) {
        if (std::abs(b) < 1e-12) {
            return 0;
        }
        roots[0] = -c / b;
        return 1;
    }
    const double discriminant = b * b - 4 * a * c;
    if (discriminant < 0) {
        return 0;
    }
    const double s = std::sqrt(discriminant);
    roots[0] = (-b - s) / (2 * a);
    roots[1] = (-b + s) / (2 * a);
    return 2;
}

// A solid of revolution: its section (h, rho) about an axis through `origin`; u and v span
// the plane across the axis and measure the angle of the wedge.
class TurnedSolid {
public:
    TurnedSolid(const QPolygonF& section, Vec origin, Vec axis, Vec u, Material material, int id,
                bool hatchForward, Wedge wedge)
        : section_(section),
          origin_(origin),
          axis_(normalised(axis)),
          u_(normalised(u)),
          v_(cross(axis_, u_)),
          material_(material),
          id_(id),
          hatchForward_(hatchForward),
          wedge_(wedge) {
        double hMin = std::numeric_limits<double>::max();
        double hMax = -hMin;
        double rhoMax = 0;
        for (const QPointF& p : section_) {
            hMin = std::min(hMin, p.x());
            hMax = std::max(hMax, p.x());
            rhoMax = std::max(rhoMax, p.y());
        }
        boundCentre_ = origin_ + axis_ * ((hMin + hMax) / 2);
        boundRadius_ = std::hypot((hMax - hMin) / 2, rhoMax) + 1e-6;
    }

    void intersect(const Ray& ray, Hit& best) const {
        const Vec toCentre = boundCentre_ - ray.origin;
        const double along = dot(toCentre, ray.direction);
        if (dot(toCentre, toCentre) - along * along > boundRadius_ * boundRadius_) {
            return;
        }
        const Vec oc = ray.origin - origin_;
        const double hO = dot(oc, axis_);
        const double hD = dot(ray.direction, axis_);
        const Vec qO = oc - axis_ * hO;
        const Vec qD = ray.direction - axis_ * hD;
        const int n = section_.size();
        for (int i = 0; i < n; ++i) {
            const QPointF a = section_[i];
            const QPointF b = section_[(i + 1) % n];
            if (std::abs(b.x() - a.x()) < 1e-9) {
                intersectFace(ray, a, b, hO, hD, qO, qD, best);
            } else {
                intersectCone(ray, a, b, hO, hD, qO, qD, best);
            }
        }
        if (wedge_.open) {
            intersectCut(ray, wedge_.from, oc, hO, hD, best);
            intersectCut(ray, wedge_.to, oc, hO, hD, best);
        }
    }

private:
    double angleOf(Vec p) const {
        const Vec q = p - origin_;
        return std::atan2(dot(q, v_), dot(q, u_));
    }

    void offerSurface(const Ray& ray, double t, Vec normal, Hit& best) const {
        if (t <= kEpsilon || t >= best.t) {
            return;
        }
        if (wedge_.open && wedge_.contains(angleOf(ray.origin + ray.direction * t))) {
            return;
        }
        offer(best, t, normal, id_, material_, false, hatchForward_);
    }

    // A flat ring face: the plane h = a.x() between the two radii.
    void intersectFace(const Ray& ray, QPointF a, QPointF b, double hO, double hD, Vec qO, Vec qD,
                       Hit& best) const {
        if (std::abs(hD) < 1e-12) {
            return;
        }
        const double t = (a.x() - hO) / hD;
        const double rho = length(qO + qD * t);
        if (rho < std::min(a.y(), b.y()) || rho > std::max(a.y(), b.y())) {
            return;
        }
        offerSurface(ray, t, axis_, best);
    }

    // A cone (or cylinder) between two section points: rho = A + k h.
    void intersectCone(const Ray& ray, QPointF a, QPointF b, double hO, double hD, Vec qO, Vec qD,
                       Hit& best) const {
        const double k = (b.y() - a.y()) / (b.x() - a.x());
        const double c0 = a.y() - k * a.x();
        const double rhoO = c0 + k * hO;
        const double rhoD = k * hD;
        double roots[2];
        const int count = solveQuadratic(dot(qD, qD) - rhoD * rhoD, 2 * (dot(qO, qD) - rhoO * rhoD),
                                         dot(qO, qO) - rhoO * rhoO, roots);
        const double hLow = std::min(a.x(), b.x());
        const double hHigh = std::max(a.x(), b.x());
        for (int r = 0; r < count; ++r) {
            const double t = roots[r];
            const double h = hO + hD * t;
            const double rho = rhoO + rhoD * t;
            if (h < hLow || h > hHigh || rho < 0) {
                continue;
            }
            const Vec q = qO + qD * t;
            offerSurface(ray, t, q - axis_ * (rho * k), best);
        }
    }

    // The half-plane at `angle` that bounds the wedge: where it lies inside the section, the
    // cut face shows.
    void intersectCut(const Ray& ray, double angle, Vec oc, double hO, double hD, Hit& best) const {
        const Vec e = u_ * std::cos(angle) + v_ * std::sin(angle);
        const Vec normal = cross(axis_, e);
        const double denominator = dot(ray.direction, normal);
        if (std::abs(denominator) < 1e-12) {
            return;
        }
        const double t = -dot(oc, normal) / denominator;
        if (t <= kEpsilon || t >= best.t) {
            return;
        }
        const Vec p = oc + ray.direction * t;
        const double rho = dot(p, e);
        if (rho < 0 || !section_.containsPoint(QPointF(hO + hD * t, rho), Qt::OddEvenFill)) {
            return;
        }
        offer(best, t, normal, id_, material_, true, hatchForward_);
    }

    QPolygonF section_;
    Vec origin_, axis_, u_, v_;
    Material material_;
    int id_;
    bool hatchForward_;
    Wedge wedge_;
    Vec boundCentre_;
    double boundRadius_ = 0;
};

class Sphere {
public:
    Sphere(Vec centre, double radius, int id) : centre_(centre), radius_(radius), id_(id) {}

    void intersect(const Ray& ray, Hit& best) const {
        const Vec oc = ray.origin - centre_;
        const double b = dot(oc, ray.direction);
        const double c = dot(oc, oc) - radius_ * radius_;
        const double discriminant = b * b - c;
        if (discriminant < 0) {
            return;
        }
        const double t = -b - std::sqrt(discriminant);
        if (t > kEpsilon && t < best.t) {
            offer(best, t, ray.origin + ray.direction * t - centre_, id_, Material::RollingSteel,
                  false, true);
        }
    }

private:
    Vec centre_;
    double radius_;
    int id_;
};

// A housing block: a convex prism, less its bolt holes and the cut-away wedge.
class Prism {
public:
    Prism(const Block& block, int id, Wedge wedge)
        : holes_(block.holes), material_(block.material), id_(id), wedge_(wedge) {
        const QPolygonF& outline = block.outline;
        const int n = outline.size();
        // Outward normals whatever the outline's winding.
        double area = 0;
        for (int i = 0; i < n; ++i) {
            const QPointF a = outline[i];
            const QPointF b = outline[(i + 1) % n];
            area += a.x() * b.y() - b.x() * a.y();
        }
        const double sign = area > 0 ? 1 : -1;
        for (int i = 0; i < n; ++i) {
            const QPointF a = outline[i];
            const QPointF b = outline[(i + 1) % n];
            const Vec normal = normalised(Vec{(b.y() - a.y()) * sign, -(b.x() - a.x()) * sign, 0});
            planes_.push_back({normal, dot(normal, Vec{a.x(), a.y(), 0})});
        }
        planes_.push_back({Vec{0, 0, 1}, block.toZ});
        planes_.push_back({Vec{0, 0, -1}, -block.fromZ});
    }

    void intersect(const Ray& ray, Hit& best) const {
        double tIn = -std::numeric_limits<double>::infinity();
        double tOut = std::numeric_limits<double>::infinity();
        Vec inNormal;
        for (const Plane& plane : planes_) {
            const double denominator = dot(plane.normal, ray.direction);
            const double distance = plane.offset - dot(plane.normal, ray.origin);
            if (std::abs(denominator) < 1e-12) {
                if (distance < 0) {
                    return;
                }
                continue;
            }
            const double t = distance / denominator;
            if (denominator < 0) {
                if (t > tIn) {
                    tIn = t;
                    inNormal = plane.normal;
                }
            } else {
                tOut = std::min(tOut, t);
            }
        }
        if (tIn > tOut) {
            return;
        }
        const Vec entry = ray.origin + ray.direction * tIn;
        if (!inWedge(entry)) {
            const Block::Hole* hole = holeAt(entry);
            if (hole == nullptr) {
                offer(best, tIn, inNormal, id_, material_, false, true);
            } else {
                // Seen through the hole's mouth: its wall further down.
                const double tWall = holeExit(ray, *hole);
                if (tWall < tOut) {
                    const Vec p = ray.origin + ray.direction * tWall;
                    offer(best, tWall, Vec{hole->centre.x() - p.x, 0, hole->centre.y() - p.z}, id_,
                          material_, false, true);
                }
            }
            return;
        }
        for (double angle : {wedge_.from, wedge_.to}) {
            const Vec e{std::cos(angle), std::sin(angle), 0};
            const Vec normal{-std::sin(angle), std::cos(angle), 0};
            const double denominator = dot(ray.direction, normal);
            if (std::abs(denominator) < 1e-12) {
                continue;
            }
            const double t = -dot(ray.origin, normal) / denominator;
            if (t < tIn || t > tOut || dot(ray.origin + ray.direction * t, e) < 0) {
                continue;
            }
            offer(best, t, normal, id_, material_, true, true);
        }
    }

private:
    struct Plane {
        Vec normal;
        double offset;
    };

    bool inWedge(Vec p) const { return wedge_.open && wedge_.contains(std::atan2(p.y, p.x)); }

    const Block::Hole* holeAt(Vec p) const {
        for (const Block::Hole& hole : holes_) {
            if (std::hypot(p.x - hole.centre.x(), p.z - hole.centre.y()) < hole.radius) {
                return &hole;
            }
        }
        return nullptr;
    }

    static double holeExit(const Ray& ray, const Block::Hole& hole) {
        const double ox = ray.origin.x - hole.centre.x();
        const double oz = ray.origin.z - hole.centre.y();
        const double a = ray.direction.x * ray.direction.x + ray.direction.z * ray.direction.z;
        const double b = 2 * (ox * ray.direction.x + oz * ray.direction.z);
        const double c = ox * ox + oz * oz - hole.radius * hole.radius;
        double roots[2];
        const int count = solveQuadratic(a, b, c, roots);
        return count == 2 ? roots[1] : std::numeric_limits<double>::infinity();
    }

    std::vector<Plane> planes_;
    std::vector<Block::Hole> holes_;
    Material material_;
    int id_;
    Wedge wedge_;
};

struct Scene {
    std::vector<TurnedSolid> turned;
    std::vector<Sphere> spheres;
    std::vector<Prism> prisms;

    Hit trace(const Ray& ray) const {
        Hit best;
        for (const TurnedSolid& solid : turned) {
            solid.intersect(ray, best);
        }
        for (const Sphere& sphere : spheres) {
            sphere.intersect(ray, best);
        }
        for (const Prism& prism : prisms) {
            prism.intersect(ray, best);
        }
        return best;
    }
};

Vec pointAt(QPointF zr, double angle) {
    return {zr.y() * std::cos(angle), zr.y() * std::sin(angle), zr.x()};
}

double radians(qreal degrees) {
    return qDegreesToRadians(degrees);
}

// Rolling elements whose angle falls inside the wedge are taken out with it; the one on the
// wedge's edge stays and shows where the elements run.
bool keptElement(const Wedge& wedge, double angle) {
    if (!wedge.open) {
        return true;
    }
    const double margin = 1e-6;
    return !(wedge.contains(angle - margin) && wedge.contains(angle + margin));
}

Scene buildScene(const BearingModel& model, std::vector<Vec>* outlinePoints) {
    Scene scene;
    const Wedge wedge{model.camera.wedgeTo > model.camera.wedgeFrom,
                      radians(model.camera.wedgeFrom), radians(model.camera.wedgeTo)};
    int id = 0;
    constexpr int kBoundSteps = 48;
    for (const TurnedPart& part : model.parts) {
        const Wedge own = part.cutAway ? wedge : Wedge{};
        scene.turned.emplace_back(part.section, Vec{}, Vec{0, 0, 1}, Vec{1, 0, 0}, part.material,
                                  id++, part.hatchForward, own);
        for (const QPointF& p : part.section) {
            for (int s = 0; s < kBoundSteps; ++s) {
                outlinePoints->push_back(pointAt(p, 2 * M_PI * s / kBoundSteps));
            }
        }
    }
    for (const BallSet& set : model.balls) {
        for (int i = 0; i < set.count; ++i) {
            const double angle = radians(set.phase) + 2 * M_PI * i / set.count;
            if (!keptElement(wedge, angle)) {
                continue;
            }
            const Vec centre = pointAt(set.centre, angle);
            scene.spheres.emplace_back(centre, set.radius, id++);
            for (Vec d : {Vec{1, 0, 0}, Vec{0, 1, 0}, Vec{0, 0, 1}}) {
                outlinePoints->push_back(centre + d * set.radius);
                outlinePoints->push_back(centre - d * set.radius);
            }
        }
    }
    for (const RollerSet& set : model.rollers) {
        const QPointF axis = set.to - set.from;
        const double axisLength = std::hypot(axis.x(), axis.y());
        // The roller's own section: (distance along its axis, radius), a barrel when crowned.
        QPolygonF section;
        section << QPointF(0, 0);
        constexpr int kCrownSteps = 12;
        for (int s = 0; s <= kCrownSteps; ++s) {
            const double f = double(s) / kCrownSteps;
            const double radius =
                set.fromRadius + (set.toRadius - set.fromRadius) * f + set.crown * 4 * f * (1 - f);
            section << QPointF(axisLength * f, radius);
        }
        section << QPointF(axisLength, 0);
        for (int i = 0; i < set.count; ++i) {
            const double angle = radians(set.phase) + 2 * M_PI * i / set.count;
            if (!keptElement(wedge, angle)) {
                continue;
            }
            const Vec from = pointAt(set.from, angle);
            const Vec to = pointAt(set.to, angle);
            const Vec direction = normalised(to - from);
            Vec across = cross(direction, Vec{0, 0, 1});
            if (length(across) < 1e-6) {
                across = Vec{std::cos(angle), std::sin(angle), 0};
            }
            scene.turned.emplace_back(section, from, direction, across, set.material, id++, true,
                                      Wedge{});
            const double reach = std::max(set.fromRadius, set.toRadius) + set.crown;
            for (Vec end : {from, to}) {
                for (Vec d : {Vec{1, 0, 0}, Vec{0, 1, 0}, Vec{0, 0, 1}}) {
                    outlinePoints->push_back(end + d * reach);
                    outlinePoints->push_back(end - d * reach);
                }
            }
        }
    }
    for (const Block& block : model.blocks) {
        scene.prisms.emplace_back(block, id++, block.cutAway ? wedge : Wedge{});
        for (const QPointF& p : block.outline) {
            outlinePoints->push_back(Vec{p.x(), p.y(), block.fromZ});
            outlinePoints->push_back(Vec{p.x(), p.y(), block.toZ});
        }
    }
    return scene;
}

struct MaterialLook {
    QColor base;
    double specular;
    double shininess;
};

MaterialLook lookOf(Material material) {
    switch (material) {
        case Material::Steel:
            return {QColor(0xc4, 0xcb, 0xd3), 0.35, 30};
        case Material::RollingSteel:
            return {QColor(0xd2, 0xd8, 0xdf), 0.75, 60};
        case Material::Brass:
            return {QColor(0xc8, 0xa2, 0x5a), 0.35, 25};
        case Material::Rubber:
            return {QColor(0x8e, 0x3b, 0x31), 0.10, 12};
        case Material::Housing:
            return {QColor(0x7d, 0x92, 0xa8), 0.15, 16};
        case Material::DarkSteel:
            return {QColor(0x6b, 0x74, 0x7f), 0.40, 30};
    }
    return {Qt::gray, 0, 1};
}

const QColor kSectionFill(0xf4, 0xf5, 0xf6);
const QColor kSectionHatch(0x6a, 0x76, 0x84);
constexpr int kHatchPeriod = 5 * kSupersampling;
constexpr int kHatchWidth = kSupersampling;

struct Basis {
    Vec toViewer;
    Vec right;
    Vec up;
    Vec light;
};

// The viewing directions in model coordinates. With the axis upright, the model's axis (z)
// points up on the sheet instead of towards the viewer.
Basis viewBasis(const Camera& camera) {
    const double yaw = radians(camera.yaw);
    const double pitch = radians(camera.pitch);
    Vec toViewer{std::cos(pitch) * std::sin(yaw), std::sin(pitch), std::cos(pitch) * std::cos(yaw)};
    Vec worldUp{0, 1, 0};
    Vec right = normalised(cross(worldUp, toViewer));
    Vec up = cross(toViewer, right);
    const auto toModel = [&](Vec w) {
        // world (x, y, z) = model (x, z, -y)  =>  model = (w.x, -w.z, w.y)
        return camera.axisUpright ? Vec{w.x, -w.z, w.y} : w;
    };
    Basis basis{toModel(toViewer), toModel(right), toModel(up), {}};
    basis.light = normalised(basis.right * -0.45 + basis.up * 0.75 + basis.toViewer * 0.55);
    return basis;
}

QRgb shade(const Hit& hit, const Basis& basis, int px, int py) {
    if (hit.section) {
        const int diagonal = hit.hatchForward ? px + py : px - py + 100000 * kHatchPeriod;
        return (diagonal % kHatchPeriod) < kHatchWidth ? kSectionHatch.rgb() : kSectionFill.rgb();
    }
    Vec n = normalised(hit.normal);
    if (dot(n, basis.toViewer) < 0) {
        n = -n;
    }
    const MaterialLook look = lookOf(hit.material);
    const double diffuse = std::max(0.0, dot(n, basis.light));
    const Vec halfway = normalised(basis.light + basis.toViewer);
    const double specular =
        look.specular * std::pow(std::max(0.0, dot(n, halfway)), look.shininess);
    // A soft sky reflection keeps metal from looking like plaster.
    const double sky = 0.12 * std::max(0.0, dot(n, basis.up));
    const double light = 0.48 + 0.52 * diffuse + sky;
    const auto channel = [&](int c) { return std::clamp(int(c * light + 255 * specular), 0, 255); };
    return qRgb(channel(look.base.red()), channel(look.base.green()), channel(look.base.blue()));
}

}  // namespace

void paintCutawayView(QPainter& painter, const QRectF& area, const BearingModel& model) {
    std::vector<Vec> outlinePoints;
    const Scene scene = buildScene(model, &outlinePoints);
    const Basis basis = viewBasis(model.camera);

    double uMin = std::numeric_limits<double>::max(), uMax = -uMin;
    double vMin = uMin, vMax = -uMin;
    for (Vec p : outlinePoints) {
        uMin = std::min(uMin, dot(p, basis.right));
        uMax = std::max(uMax, dot(p, basis.right));
        vMin = std::min(vMin, dot(p, basis.up));
        vMax = std::max(vMax, dot(p, basis.up));
    }
    const double scale = std::min(area.width() / (uMax - uMin), area.height() / (vMax - vMin));
    const int width = int(std::ceil(area.width())) * kSupersampling;
    const int height = int(std::ceil(area.height())) * kSupersampling;
    const double pixel = 1 / (scale * kSupersampling);
    const double uCentre = (uMin + uMax) / 2;
    const double vCentre = (vMin + vMax) / 2;

    std::vector<Hit> hits(std::size_t(width) * height);
    std::vector<double> depth(hits.size());
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const double u = uCentre + (x + 0.5 - width / 2.0) * pixel;
            const double v = vCentre - (y + 0.5 - height / 2.0) * pixel;
            const Ray ray{basis.right * u + basis.up * v + basis.toViewer * kFar, -basis.toViewer};
            const std::size_t at = std::size_t(y) * width + x;
            hits[at] = scene.trace(ray);
            depth[at] = hits[at].t;
            if (hits[at].id >= 0) {
                hits[at].normal = normalised(hits[at].normal);
                if (dot(hits[at].normal, basis.toViewer) < 0) {
                    hits[at].normal = -hits[at].normal;
                }
            }
        }
    }

    // Ink where the surface changes: another part, a cut face, a crease or a step in depth.
    // A jump in depth of ten sub-pixels between neighbours is an edge seen side-on.
    const double depthStep = 10 * pixel;
    const auto differs = [&](std::size_t a, std::size_t b) {
        const Hit& p = hits[a];
        const Hit& q = hits[b];
        if (p.id != q.id || p.section != q.section) {
            return true;
        }
        if (p.id < 0) {
            return false;
        }
        if (!p.section && dot(p.normal, q.normal) < 0.8) {
            return true;
        }
        return std::abs(depth[a] - depth[b]) > depthStep;
    };
    std::vector<char> edge(hits.size(), 0);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const std::size_t at = std::size_t(y) * width + x;
            if ((x + 1 < width && differs(at, at + 1)) ||
                (y + 1 < height && differs(at, at + width))) {
                for (int dy = 0; dy <= 1; ++dy) {
                    for (int dx = 0; dx <= 1; ++dx) {
                        if (x + dx < width && y + dy < height) {
                            edge[at + dy * width + dx] = 1;
                        }
                    }
                }
            }
        }
    }

    QImage image(width / kSupersampling, height / kSupersampling,
                 QImage::Format_ARGB32_Premultiplied);
    const QRgb ink = kInk.rgb();
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            int r = 0, g = 0, b = 0, a = 0;
            for (int sy = 0; sy < kSupersampling; ++sy) {
                for (int sx = 0; sx < kSupersampling; ++sx) {
                    const int px = x * kSupersampling + sx;
                    const int py = y * kSupersampling + sy;
                    const std::size_t at = std::size_t(py) * width + px;
                    QRgb colour;
                    if (edge[at]) {
                        colour = ink;
                    } else if (hits[at].id >= 0) {
                        colour = shade(hits[at], basis, px, py);
                    } else {
                        continue;
                    }
                    r += qRed(colour);
                    g += qGreen(colour);
                    b += qBlue(colour);
                    a += 255;
                }
            }
            constexpr int samples = kSupersampling * kSupersampling;
            line[x] = qRgba(r / samples, g / samples, b / samples, a / samples);
        }
    }
    painter.drawImage(QPointF(area.left(), area.top()), image);
}

}  // namespace picture_generator
