#include "scene3d/entity.h"

#include <algorithm>

namespace vostrel {

std::unique_ptr<Entity> Entity::makeModel(MeshHandle mesh, MaterialHandle material) {
    auto entity = std::make_unique<Entity>();
    entity->model = ModelComponent{std::move(mesh), {std::move(material)}};
    return entity;
}

Entity* Entity::addChild(std::unique_ptr<Entity> child) {
    child->parent_ = this;
    children_.push_back(std::move(child));
    return children_.back().get();
}

std::unique_ptr<Entity> Entity::removeFromParent() {
    if (!parent_) return nullptr;
    auto& siblings = parent_->children_;
    auto it = std::find_if(siblings.begin(), siblings.end(),
                           [this](const auto& sibling) { return sibling.get() == this; });
    std::unique_ptr<Entity> self = std::move(*it);
    siblings.erase(it);
    parent_ = nullptr;
    return self;
}

Entity* Entity::findEntity(const QString& wanted) const {
    for (const auto& child : children_) {
        if (child->name == wanted) return child.get();
        if (Entity* found = child->findEntity(wanted)) return found;
    }
    return nullptr;
}

std::unique_ptr<Entity> Entity::clone() const {
    auto copy = std::make_unique<Entity>(name);
    copy->transform = transform;
    copy->model = model;
    copy->camera = camera;
    copy->directionalLight = directionalLight;
    copy->spotLight = spotLight;
    copy->environmentLighting = environmentLighting;
    copy->children_.reserve(children_.size());
    for (const auto& child : children_) copy->addChild(child->clone());
    return copy;
}

void Entity::look(const QVector3D& target, const QVector3D& from, const QVector3D& up) {
    transform.position = from;
    // fromDirection turns +z onto its direction, so give it the way back from the target.
    if (target != from) transform.rotation = QQuaternion::fromDirection(from - target, up);
}

QMatrix4x4 Entity::worldMatrix() const {
    const QMatrix4x4 local = transform.matrix();
    return parent_ ? parent_->worldMatrix() * local : local;
}

void Entity::move(const Transform& target, const Entity* relativeTo, float durationInSeconds,
                  TimingFunction timing) {
    QMatrix4x4 toParent = relativeTo ? relativeTo->worldMatrix() : QMatrix4x4();
    if (parent_) toParent = parent_->worldMatrix().inverted() * toParent;
    const Transform local = Transform::fromMatrix(toParent * target.matrix());
    move_.reset();
    if (durationInSeconds > 0.0f) {
        move_.emplace(transform, local, durationInSeconds, timing);
    } else {
        transform = local;
    }
}

bool Entity::advanceMoves(float seconds) {
    bool moving = false;
    if (move_) {
        transform = move_->advance(seconds);
        if (move_->finished()) move_.reset();
        moving = move_.has_value();
    }
    for (const auto& child : children_) moving = child->advanceMoves(seconds) || moving;
    return moving;
}

Bounds Entity::visualBounds(const Entity* relativeTo) const {
    QMatrix4x4 toFrame = worldMatrix();
    if (relativeTo) toFrame = relativeTo->worldMatrix().inverted() * toFrame;
    Bounds bounds;
    collectBounds(toFrame, bounds);
    return bounds;
}

void Entity::collectBounds(const QMatrix4x4& toFrame, Bounds& bounds) const {
    if (model && model->mesh && !model->mesh->bounds.empty) {
        for (const QVector3D& corner : model->mesh->bounds.corners()) {
            bounds.add(toFrame.map(corner));
        }
    }
    for (const auto& child : children_) {
        child->collectBounds(toFrame * child->transform.matrix(), bounds);
    }
}

}  // namespace vostrel
