#include "render/outline_flattening.h"

#include <cmath>

namespace vostrel {

namespace {

struct Cubic {
    QPointF p0, p1, p2, p3;

    // de Casteljau at t = 1/2.
    std::pair<Cubic, Cubic> halves() const {
        const QPointF a = (p0 + p1) * 0.5;
        const QPointF b = (p1 + p2) * 0.5;
        const QPointF c = (p2 + p3) * 0.5;
        const QPointF ab = (a + b) * 0.5;
        const QPointF bc = (b + c) * 0.5;
        const QPointF middle = (ab + bc) * 0.5;
        return {{p0, a, ab, middle}, {middle, bc, c, p3}};
    }

    // Whether the chord may stand in for the curve: the raster engine's test, which weighs the
    // control points' distances from the chord by the chord's Manhattan length (and, for chords
    // shorter than a unit, uses the control points' Manhattan distances from the start).
    bool isFlat(double tolerance) const {
        const QPointF chord = p3 - p0;
        const double length = std::abs(chord.x()) + std::abs(chord.y());
        if (length > 1.0) {
            const QPointF to1 = p0 - p1;
            const QPointF to2 = p0 - p2;
            const double deviation = std::abs(chord.x() * to1.y() - chord.y() * to1.x()) +
                                     std::abs(chord.x() * to2.y() - chord.y() * to2.x());
            return deviation < tolerance * length;
        }
        const double deviation = std::abs(p0.x() - p1.x()) + std::abs(p0.y() - p1.y()) +
                                 std::abs(p0.x() - p2.x()) + std::abs(p0.y() - p2.y());
        return deviation < tolerance;
    }
};

constexpr int maximumSplitDepth = 9;
constexpr double toleranceInDevicePixels = 0.25;

void appendFlattened(Outline& outline, const Cubic& curve, double tolerance, int depthLeft) {
    if (depthLeft == 0 || curve.isFlat(tolerance)) {
        outline.push_back(curve.p3);
        return;
    }
    const auto [first, second] = curve.halves();
    appendFlattened(outline, first, tolerance, depthLeft - 1);
    appendFlattened(outline, second, tolerance, depthLeft - 1);
}

}  // namespace

std::vector<Outline> flattenedOutlines(const QPainterPath& path, double deviceScale) {
    const double tolerance =
        deviceScale > 0.0 ? toleranceInDevicePixels / deviceScale : toleranceInDevicePixels;
    std::vector<Outline> outlines;
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element element = path.elementAt(i);
        if (element.isMoveTo() || outlines.empty()) outlines.emplace_back();
        Outline& outline = outlines.back();
        if (element.isCurveTo() && !outline.empty() && i + 2 < path.elementCount()) {
            const Cubic curve{outline.back(), element, path.elementAt(i + 1),
                              path.elementAt(i + 2)};
            appendFlattened(outline, curve, tolerance, maximumSplitDepth);
            i += 2;
        } else {
            outline.push_back(element);
        }
    }
    std::erase_if(outlines, [](const Outline& outline) { return outline.size() < 3; });
    return outlines;
}

}  // namespace vostrel
