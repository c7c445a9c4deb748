#pragma once

#include <QPointF>
#include <QString>
#include <vector>

#include "common/expected.h"
#include "scene3d/path2d.h"

namespace vostrel {

// The region of a path (positive winding) as the GLU tessellator sees it.
struct TessellatedRegion {
    // Every three points make a counter-clockwise triangle.
    std::vector<QPointF> triangles;
    // The region's outline with crossings resolved: outer contours counter-clockwise, holes
    // clockwise, so the region lies to the left of every edge.
    std::vector<Path2D::Contour> boundary;
};

// A reason when the tessellator reports an error.
Expected<TessellatedRegion, QString> tessellateRegion(const Path2D& path);

}  // namespace vostrel
