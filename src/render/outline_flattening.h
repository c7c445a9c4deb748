#pragma once

#include <QPainterPath>
#include <QPointF>
#include <vector>

namespace vostrel {

// A closed outline; the last point joins the first.
using Outline = std::vector<QPointF>;

// The polygons QPainter's raster engine fills for `path` under a device transform that scales by
// `deviceScale`: every cubic is split at its midpoint until both control points lie within a
// quarter device pixel of its chord, by the raster engine's own measure and depth limit, so a
// fill of these polygons covers the same pixels as QPainter's fill of the path. Points stay in
// the path's coordinates.
std::vector<Outline> flattenedOutlines(const QPainterPath& path, double deviceScale);

}  // namespace vostrel
