#pragma once

#include <QByteArray>
#include <QString>
#include <memory>
#include <vector>

#include "common/expected.h"
#include "scene3d/animation_resource.h"
#include "scene3d/entity.h"

namespace vostrel {

// The contents of a glTF 2.0 file as plain data: meshes and materials ready to share, the node
// tree and the node-transform animations. It holds no entities, so it can be read on any thread;
// instantiate() builds the entity tree where the scene lives.
struct GltfScene {
    struct Node {
        QString name;
        Transform transform;
        std::vector<ModelComponent> parts;  // one per mesh primitive
        std::vector<int> children;
    };

    std::vector<Node> nodes;
    std::vector<int> roots;
    std::vector<AnimationResource> animations;

    // A new entity tree: a single root node becomes the returned entity, several are gathered
    // under an unnamed one.
    std::unique_ptr<Entity> instantiate() const;
};

// Reads a binary glTF (.glb) or a glTF JSON file without external buffers. Triangle primitives
// with float positions (and normals, else they are computed) are kept; base colours become
// gamma-encoded SimpleMaterials. The error says what was wrong.
Expected<GltfScene, QString> parseGltf(const QByteArray& bytes);

}  // namespace vostrel
