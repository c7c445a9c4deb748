#pragma once

#include <QPainterPath>

#include "render/finder_geometry.h"
#include "render/module_frame.h"
#include "render/module_layout.h"
#include "render/module_shape.h"

namespace vostrel {

// Which way an outline runs on screen (y growing downwards). Under the non-zero rule an outline
// running against the one around it cuts a hole.
enum class Winding { clockwise, counterClockwise };

// Appends a rounded square as one closed subpath starting at (x + r, y): straight sides and
// circular quarter-arc corners (one cubic each), or a plain square when the radius is zero.
void appendRoundedSquare(QPainterPath& path, const RoundedSquare& square,
                         Winding winding = Winding::clockwise);

// Appends a finder: the outer square, the hole running the other way (so the non-zero rule
// subtracts it) and the pip.
void appendFinder(QPainterPath& path, const FinderShapes& finder);

// Every data module and finder of the layout as one non-zero path on `frame`: data modules in
// row-major order, then the finders in the layout's order. Filled once, it is the whole symbol
// paint, and the geometry the fast raster fill reproduces.
QPainterPath symbolPath(const ModuleLayout& layout, ModuleShape shape,
                        const FinderStyle& finderStyle, const ModuleFrame& frame);

}  // namespace vostrel
