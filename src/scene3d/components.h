#pragma once

#include <QVector3D>
#include <limits>
#include <vector>

#include "scene3d/material.h"
#include "scene3d/mesh.h"

namespace vostrel {

// What a model entity shows: one mesh drawn with its materials (the first one for the whole mesh;
// further entries are kept for meshes with several parts).
struct ModelComponent {
    MeshHandle mesh;
    std::vector<MaterialHandle> materials;
};

// Looks along the entity's −z with +y up. A far plane of infinity has no far clipping.
struct PerspectiveCamera {
    float near = 0.01f;
    float far = std::numeric_limits<float>::infinity();
    float fieldOfViewInDegrees = 60.0f;  // vertical
};

// Light intensities are in the scene's own units (a key light of 2500 lights a matte white
// surface facing it at full brightness); the renderer maps them to its shading in one place.
// Directional lights shine along the entity's −z.
struct DirectionalLight {
    QVector3D color{1, 1, 1};
    float intensity = 2500.0f;
    bool isRealWorldProxy = false;
};

// A cone along the entity's −z, full strength inside the inner angle, fading to nothing at the
// outer one and at the attenuation radius.
struct SpotLight {
    QVector3D color{1, 1, 1};
    float intensity = 6000.0f;
    float innerAngleInDegrees = 30.0f;
    float outerAngleInDegrees = 45.0f;
    float attenuationRadius = 10.0f;
};

// How strongly the ambient environment lights the models under this entity (0…1).
struct EnvironmentLighting {
    float weight = 1.0f;
};

}  // namespace vostrel
