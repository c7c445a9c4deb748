#pragma once

#include <QRectF>

#include "render/finder_pattern.h"
#include "render/module_frame.h"

namespace vostrel {

struct QRStyle;

// An axis-aligned square with rounded corners; cornerRadius lies in 0…edge/2.
struct RoundedSquare {
    double x = 0.0;
    double y = 0.0;
    double edge = 0.0;
    double cornerRadius = 0.0;

    QRectF rect() const { return {x, y, edge, edge}; }
    bool operator==(const RoundedSquare&) const = default;
};

// A finder pattern: the ring is `outer` minus `hole` and the pip sits in the middle, all filled
// with the module paint.
struct FinderShapes {
    RoundedSquare outer;
    RoundedSquare hole;
    RoundedSquare pip;

    bool operator==(const FinderShapes&) const = default;
};

// The style's finder settings clamped to the ranges the geometry supports: rounding 0…1 (1 turns
// outer, hole and pip into circles) and wall thickness 0.5…1.0 modules. NaN takes the lower bound.
struct FinderStyle {
    double cornerRounding = 0.0;
    double thickness = 1.0;

    static FinderStyle of(const QRStyle& style);
    bool operator==(const FinderStyle&) const = default;
};

// The finder for `box` on `frame`. With thickness 1 and rounding 0 it is the standard pattern;
// thinner walls grow the hole inwards, leaving the outer edge and the pip in place.
FinderShapes finderShapes(const FinderPattern::Rect& box, const ModuleFrame& frame,
                          const FinderStyle& style);

// A radius limited to 0…edge/2, as every rounded square here needs.
double limitedCornerRadius(double edge, double radius);

}  // namespace vostrel
