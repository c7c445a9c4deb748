#include "render/finder_geometry.h"

#include <algorithm>

#include "render/qr_style.h"

namespace vostrel {

namespace {

double clampedOrLower(double value, double lower, double upper) {
    if (!(value >= lower)) return lower;  // also NaN
    return std::min(value, upper);
}

}  // namespace

FinderStyle FinderStyle::of(const QRStyle& style) {
    return {clampedOrLower(style.finderCornerRadius, 0.0, 1.0),
            clampedOrLower(style.finderThickness, 0.5, 1.0)};
}

double limitedCornerRadius(double edge, double radius) {
    return std::max(0.0, std::min(edge * 0.5, radius));
}

// The expressions keep one evaluation order for every unit: with a unit of 10 they produce
// exactly the numbers the SVG text is made of.
FinderShapes finderShapes(const FinderPattern::Rect& box, const ModuleFrame& frame,
                          const FinderStyle& style) {
    const double u = frame.unit;
    const double x = frame.cellX(box.col);
    const double y = frame.cellY(box.row);
    const double outerEdge = 7.0 * u;
    const double outerRadius = (style.cornerRounding * outerEdge) * 0.5;
    const double wall = style.thickness * u;
    const double holeEdge = outerEdge - (wall + wall);
    const double pipEdge = 3.0 * u;
    const double pipInset = 3.5 * u;  // to the box centre, then back by half the pip
    const double pipHalf = 1.5 * u;
    const double pipRadius = (style.cornerRounding * pipEdge) * 0.5;
    return {
        {x, y, outerEdge, limitedCornerRadius(outerEdge, outerRadius)},
        {x + wall, y + wall, holeEdge,
         limitedCornerRadius(holeEdge, std::max(0.0, outerRadius - wall))},
        {(x + pipInset) - pipHalf, (y + pipInset) - pipHalf, pipEdge,
         limitedCornerRadius(pipEdge, pipRadius)},
    };
}

}  // namespace vostrel
