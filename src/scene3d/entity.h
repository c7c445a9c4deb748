#pragma once

#include <QString>
#include <memory>
#include <optional>
#include <vector>

#include "scene3d/components.h"
#include "scene3d/transform.h"
#include "scene3d/transform_move.h"

namespace vostrel {

// A node of a scene: a name, a placement relative to its parent, the components that make it a
// model, camera or light, and the children it owns. Transforms compose from parent to child.
class Entity {
  public:
    Entity() = default;
    explicit Entity(QString name) : name(std::move(name)) {}
    Entity(const Entity&) = delete;
    Entity& operator=(const Entity&) = delete;

    QString name;
    Transform transform;
    std::optional<ModelComponent> model;
    std::optional<PerspectiveCamera> camera;
    std::optional<DirectionalLight> directionalLight;
    std::optional<SpotLight> spotLight;
    std::optional<EnvironmentLighting> environmentLighting;

    static std::unique_ptr<Entity> makeModel(MeshHandle mesh, MaterialHandle material);

    Entity* parent() const { return parent_; }
    const std::vector<std::unique_ptr<Entity>>& children() const { return children_; }

    // Takes the child over with its local transform unchanged (so its world placement follows
    // this entity) and returns it.
    Entity* addChild(std::unique_ptr<Entity> child);
    // Detaches this entity from its parent, keeping its local transform, and hands it to the
    // caller; nothing for an entity without a parent.
    std::unique_ptr<Entity> removeFromParent();

    // The first entity named `name` in a depth-first search of the descendants, this one excluded.
    Entity* findEntity(const QString& name) const;

    // A deep copy of the subtree, sharing meshes, materials and textures; the copy has no parent.
    std::unique_ptr<Entity> clone() const;

    // Places the entity at `from` turned so that its −z axis points at `target` and its +y axis
    // leans toward `up`, both points in the parent's frame. Cameras and lights look along −z.
    void look(const QVector3D& target, const QVector3D& from, const QVector3D& up = {0, 1, 0});

    QMatrix4x4 worldMatrix() const;

    // Starts moving the entity's transform to `target`, given in the frame of `relativeTo`
    // (world coordinates when null), over `durationInSeconds`; it travels as the frames call
    // advanceMoves. A move already under way is replaced; a duration of 0 arrives at once.
    void move(const Transform& target, const Entity* relativeTo, float durationInSeconds,
              TimingFunction timing = TimingFunction::easeOut);
    bool isMoving() const { return move_.has_value(); }
    // Moves every move of the subtree on by `seconds` (a frame's time step); true while any is
    // still under way.
    bool advanceMoves(float seconds);

    // The box around every model mesh of the subtree, in the frame of `relativeTo` (world
    // coordinates when null). Empty when the subtree shows nothing.
    Bounds visualBounds(const Entity* relativeTo = nullptr) const;

  private:
    void collectBounds(const QMatrix4x4& toFrame, Bounds& bounds) const;

    Entity* parent_ = nullptr;
    std::optional<TransformMove> move_;
    std::vector<std::unique_ptr<Entity>> children_;
};

}  // namespace vostrel
