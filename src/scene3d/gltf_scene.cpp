#include "scene3d/gltf_scene.h"

namespace vostrel {

namespace {

std::unique_ptr<Entity> buildNode(const GltfScene& scene, int index, int depth) {
    const GltfScene::Node& node = scene.nodes[size_t(index)];
    auto entity = std::make_unique<Entity>(node.name);
    entity->transform = node.transform;
    if (node.parts.size() == 1) {
        entity->model = node.parts.front();
    } else {
        for (size_t i = 0; i < node.parts.size(); ++i) {
            auto part = std::make_unique<Entity>(node.name + QStringLiteral("-part-%1").arg(i));
            part->model = node.parts[i];
            entity->addChild(std::move(part));
        }
    }
    // A file whose nodes form a cycle would recurse for ever; no real tree is this deep.
    if (depth > 64) return entity;
    for (int child : node.children) entity->addChild(buildNode(scene, child, depth + 1));
    return entity;
}

}  // namespace

std::unique_ptr<Entity> GltfScene::instantiate() const {
    if (roots.size() == 1) return buildNode(*this, roots.front(), 0);
    auto root = std::make_unique<Entity>();
    for (int index : roots) root->addChild(buildNode(*this, index, 0));
    return root;
}

}  // namespace vostrel
