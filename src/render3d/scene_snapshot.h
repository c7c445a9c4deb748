#pragma once

#include <QMatrix4x4>
#include <QVector3D>
#include <optional>
#include <vector>

#include "scene3d/entity.h"

namespace vostrel {

// All models that share one mesh and one material: drawn with a single instanced call.
struct DrawGroup {
    MeshHandle mesh;
    MaterialHandle material;
    std::vector<QMatrix4x4> worldMatrices;
};

struct SceneLight {
    QVector3D position;   // world; unused by directional lights
    QVector3D direction;  // world, the way the light travels
    QVector3D color;
    float intensity = 0.0f;
    bool isSpot = false;
    float innerAngleInDegrees = 0.0f;
    float outerAngleInDegrees = 0.0f;
    float attenuationRadius = 0.0f;
};

struct SceneCamera {
    PerspectiveCamera lens;
    QMatrix4x4 worldMatrix;
};

// What a frame needs from an entity tree, gathered in one walk: the first camera, every light,
// the environment weight and the models grouped by mesh and material in the order first met.
struct SceneSnapshot {
    std::optional<SceneCamera> camera;
    std::vector<SceneLight> lights;
    float environmentWeight = 1.0f;
    std::vector<DrawGroup> groups;
    Bounds worldBounds;  // encloses every model, loosely

    static SceneSnapshot of(const Entity& root);
};

}  // namespace vostrel
