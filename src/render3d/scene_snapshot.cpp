#include "render3d/scene_snapshot.h"

#include <algorithm>
#include <optional>
#include <unordered_map>

namespace vostrel {

namespace {

struct GroupKey {
    const Mesh* mesh;
    const Material* material;
    bool operator==(const GroupKey&) const = default;
};

struct GroupKeyHash {
    size_t operator()(const GroupKey& key) const {
        return std::hash<const void*>()(key.mesh) * 31u ^ std::hash<const void*>()(key.material);
    }
};

class SnapshotWalk {
  public:
    explicit SnapshotWalk(SceneSnapshot& snapshot) : snapshot_(snapshot) {}

    void visit(const Entity& entity, const QMatrix4x4& world) {
        if (entity.camera && !snapshot_.camera)
            snapshot_.camera = SceneCamera{*entity.camera, world};
        if (entity.directionalLight) addDirectional(*entity.directionalLight, world);
        if (entity.spotLight) addSpot(*entity.spotLight, world);
        if (entity.environmentLighting) {
            snapshot_.environmentWeight = entity.environmentLighting->weight;
        }
        if (entity.model && entity.model->mesh && !entity.model->materials.empty()) {
            addModel(*entity.model, world);
        }
        for (const auto& child : entity.children()) {
            visit(*child, world * child->transform.matrix());
        }
    }

  private:
    static QVector3D forward(const QMatrix4x4& world) {
        return world.mapVector(QVector3D(0, 0, -1)).normalized();
    }

    void addDirectional(const DirectionalLight& light, const QMatrix4x4& world) {
        SceneLight scene;
        scene.direction = forward(world);
        scene.color = light.color;
        scene.intensity = light.intensity;
        snapshot_.lights.push_back(scene);
    }

    void addSpot(const SpotLight& light, const QMatrix4x4& world) {
        SceneLight scene;
        scene.position = world.map(QVector3D());
        scene.direction = forward(world);
        scene.color = light.color;
        scene.intensity = light.intensity;
        scene.isSpot = true;
        scene.innerAngleInDegrees = light.innerAngleInDegrees;
        scene.outerAngleInDegrees = light.outerAngleInDegrees;
        scene.attenuationRadius = light.attenuationRadius;
        snapshot_.lights.push_back(scene);
    }

    void addModel(const ModelComponent& model, const QMatrix4x4& world) {
        const size_t index = groupIndexOf(model);
        snapshot_.groups[index].worldMatrices.push_back(world);
        const float reach = reaches_[index];
        if (reach < 0.0f) return;
        // A sphere around the placed mesh is plenty for choosing depth planes and costs a
        // fraction of mapping the eight corners of every module.
        const float scale =
            std::max({world.column(0).toVector3D().length(), world.column(1).toVector3D().length(),
                      world.column(2).toVector3D().length()});
        const QVector3D origin = world.column(3).toVector3D();
        const QVector3D extent(reach * scale, reach * scale, reach * scale);
        snapshot_.worldBounds.add(origin - extent);
        snapshot_.worldBounds.add(origin + extent);
    }

    // The model's group, made on first sight. Models of one group mostly come one after another
    // (the modules of a symbol), so the last one found is tried first.
    size_t groupIndexOf(const ModelComponent& model) {
        const GroupKey key{model.mesh.get(), model.materials.front().get()};
        if (lastGroup_ && lastGroup_->first == key) return lastGroup_->second;
        auto [it, added] = groupIndex_.try_emplace(key, snapshot_.groups.size());
        if (added) {
            snapshot_.groups.push_back({model.mesh, model.materials.front(), {}});
            reaches_.push_back(reachOf(*model.mesh));
        }
        lastGroup_ = std::pair{key, it->second};
        return it->second;
    }

    // How far the mesh reaches from its origin; negative for an empty mesh.
    static float reachOf(const Mesh& mesh) {
        if (mesh.bounds.empty) return -1.0f;
        float reach = 0.0f;
        for (const QVector3D& corner : mesh.bounds.corners()) {
            reach = std::max(reach, corner.length());
        }
        return reach;
    }

    SceneSnapshot& snapshot_;
    std::unordered_map<GroupKey, size_t, GroupKeyHash> groupIndex_;
    std::vector<float> reaches_;  // per group
    std::optional<std::pair<GroupKey, size_t>> lastGroup_;
};

}  // namespace

SceneSnapshot SceneSnapshot::of(const Entity& root) {
    SceneSnapshot snapshot;
    SnapshotWalk(snapshot).visit(root, root.worldMatrix());
    return snapshot;
}

}  // namespace vostrel
