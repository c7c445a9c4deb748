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

// The faces of a box as bits: bit 2·axis for the face whose normal points along +axis, bit
// 2·axis + 1 for −axis (x, y, z are axes 0, 1, 2).
inline constexpr unsigned allBoxFaces = 0b111111;

// A plain box of `size` centred on the origin with only the faces in `faces`: what a renderer
// needs of a box whose other faces point away from the camera.
MeshHandle generatePlainBoxFaces(const QVector3D& size, unsigned faces);

}  // namespace vostrel
