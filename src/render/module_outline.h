#pragma once

#include <QPainterPath>

#include "render/module_shape.h"

namespace vostrel {

// Module outline proportions, as fractions of the module edge u.
inline constexpr double dotDiameterFraction = 0.85;       // dot: circle of 0.85 u, centred
inline constexpr double squircleCornerFraction = 0.45;    // squircle: corner size r = 0.45 u
inline constexpr double squircleHandleFraction = 0.7698;  // Bézier handle k = 0.7698 r

// Appends the outline of one module whose cell has its top-left corner at (x, y) and edge u: the
// cell itself, the centred dot, or the squircle with its four Bézier corners, each as a closed
// subpath with the same points as the SVG writer's outline.
void appendModuleOutline(QPainterPath& path, ModuleShape shape, double x, double y, double u);

}  // namespace vostrel
