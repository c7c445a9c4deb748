#include "scene3d/animation_playback.h"

#include <algorithm>

namespace vostrel {

namespace {

void collectPose(const Entity& entity, Pose& pose) {
    if (!entity.name.isEmpty() && !pose.contains(entity.name)) {
        pose.insert(entity.name, entity.transform);
    }
    for (const auto& child : entity.children()) collectPose(*child, pose);
}

Entity* findInTree(Entity& root, const QString& name) {
    return root.name == name ? &root : root.findEntity(name);
}

void setProperty(Transform& transform, AnimatedProperty property, const QVector4D& value) {
    switch (property) {
        case AnimatedProperty::translation:
            transform.position = value.toVector3D();
            break;
        case AnimatedProperty::rotation:
            transform.rotation = QQuaternion(value.w(), value.x(), value.y(), value.z());
            break;
        case AnimatedProperty::scale:
            transform.scale = value.toVector3D();
            break;
    }
}

Transform mix(const Transform& from, const Transform& to, float t) {
    Transform result;
    result.position = from.position + (to.position - from.position) * t;
    result.rotation = QQuaternion::slerp(from.rotation, to.rotation, t);
    result.scale = from.scale + (to.scale - from.scale) * t;
    return result;
}

}  // namespace

Pose capturePose(const Entity& root) {
    Pose pose;
    collectPose(root, pose);
    return pose;
}

void applyPose(Entity& root, const Pose& pose) {
    const auto found = pose.constFind(root.name);
    if (found != pose.cend()) root.transform = *found;
    for (const auto& child : root.children()) applyPose(*child, pose);
}

AnimationPlaybackController::AnimationPlaybackController(Entity& root, AnimationResource animation,
                                                         double transitionDuration, Pose from)
    : animation_(std::move(animation)), transition_(transitionDuration) {
    for (const AnimationChannel& channel : animation_.channels) {
        if (Entity* entity = findInTree(root, channel.target))
            tracks_.push_back({entity, &channel});
    }
    if (transition_ <= 0.0) return;
    for (auto it = from.cbegin(); it != from.cend(); ++it) {
        if (Entity* entity = findInTree(root, it.key())) {
            blends_.push_back({entity, it.value(), entity->transform});
        }
    }
}

void AnimationPlaybackController::setTime(double time) {
    time_ = std::clamp(time, 0.0, duration());
    apply();
}

void AnimationPlaybackController::advance(double seconds) {
    if (stopped_ || paused_) return;
    setTime(time_ + seconds * double(speed_));
}

void AnimationPlaybackController::apply() {
    // Parts the clip leaves alone return to rest from wherever the previous clip left them.
    for (const Blend& blend : blends_) blend.entity->transform = blend.rest;
    const double clipTime = animation_.clipTime(time_);
    for (const Track& track : tracks_) {
        setProperty(track.entity->transform, track.channel->property,
                    track.channel->sample(clipTime));
    }
    const float progress = transition_ > 0.0 ? float(std::min(time_ / transition_, 1.0)) : 1.0f;
    if (progress >= 1.0f) {
        blends_.clear();
        return;
    }
    const float weight = progress * progress * (3.0f - 2.0f * progress);
    for (const Blend& blend : blends_) {
        blend.entity->transform = mix(blend.from, blend.entity->transform, weight);
    }
}

std::shared_ptr<AnimationPlaybackController> playAnimation(Entity& root,
                                                           const AnimationResource& animation,
                                                           double transitionDuration,
                                                           const Pose& from) {
    auto controller =
        std::make_shared<AnimationPlaybackController>(root, animation, transitionDuration, from);
    controller->setTime(0.0);
    return controller;
}

}  // namespace vostrel
