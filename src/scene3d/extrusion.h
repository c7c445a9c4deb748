#pragma once

#include <QString>

#include "common/expected.h"
#include "scene3d/mesh.h"
#include "scene3d/path2d.h"

namespace vostrel {

struct ExtrusionError {
    QString description;
};

// The shape of `path` pushed along +z from z = 0 to z = depth: a cap on either end, triangulated by
// the GLU tessellator, and side walls along the shape's outline (holes included), smooth where
// the outline curves and creased where it turns sharply. Fails for an empty or non-finite path, a
// depth that is not positive, or a shape that encloses no area.
Expected<MeshHandle, ExtrusionError> linearExtrusion(const Path2D& path, double depth);

}  // namespace vostrel
