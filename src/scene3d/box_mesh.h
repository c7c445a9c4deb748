#pragma once

#include <QVector3D>

#include "scene3d/mesh.h"

namespace vostrel {

// Rounding steps per 45° of a rounded edge: enough for a smooth silhouette at the sizes a
// module reaches on screen.
inline constexpr int defaultBoxRoundingSteps = 3;

// A box of `size` centred on the origin whose edges and corners are rounded with
// `cornerRadius` (limited to half the smallest side; 0 gives a plain box of 24 vertices).
// Normals follow the rounding, so lighting shows the curve.
MeshHandle generateBox(const QVector3D& size, float cornerRadius,
                       int roundingSteps = defaultBoxRoundingSteps);

}  // namespace vostrel
