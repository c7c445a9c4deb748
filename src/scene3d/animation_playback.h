#pragma once

#include <QHash>
#include <memory>
#include <vector>

#include "scene3d/animation_resource.h"
#include "scene3d/entity.h"

namespace vostrel {

// The local transforms of a tree's named entities, to blend a new clip in from.
using Pose = QHash<QString, Transform>;
Pose capturePose(const Entity& root);
// Sets the transform of every entity of the tree that the pose names.
void applyPose(Entity& root, const Pose& pose);

// One clip playing on an entity tree, driven by explicit time steps: advance() moves the clock
// (scaled by `speed`, unless paused or stopped) and poses the entities the clip names. During the
// first `transitionDuration` seconds the pose blends from the one given at the start.
//
// The controller points into the tree; stop using it before the tree goes away.
class AnimationPlaybackController {
  public:
    AnimationPlaybackController(Entity& root, AnimationResource animation,
                                double transitionDuration = 0.0, Pose from = {});

    double time() const { return time_; }
    void setTime(double time);
    // How long playing lasts: infinity for a clip repeated for ever.
    double duration() const { return animation_.playDuration; }
    float speed() const { return speed_; }
    void setSpeed(float speed) { speed_ = speed; }

    void pause() { paused_ = true; }
    void resume() { paused_ = false; }
    void stop() { stopped_ = true; }
    bool isPaused() const { return paused_; }
    bool isStopped() const { return stopped_; }
    bool isComplete() const { return time_ >= duration(); }

    const AnimationResource& animation() const { return animation_; }

    void advance(double seconds);

  private:
    struct Track {
        Entity* entity;
        const AnimationChannel* channel;
    };

    // An entity blending in from the pose the previous clip left, and its own rest placement.
    struct Blend {
        Entity* entity;
        Transform from;
        Transform rest;
    };

    void apply();

    AnimationResource animation_;
    std::vector<Track> tracks_;
    std::vector<Blend> blends_;
    double transition_;
    double time_ = 0.0;
    float speed_ = 1.0f;
    bool paused_ = false;
    bool stopped_ = false;
};

// Starts `animation` on `root` and poses it at time 0.
std::shared_ptr<AnimationPlaybackController> playAnimation(Entity& root,
                                                           const AnimationResource& animation,
                                                           double transitionDuration = 0.0,
                                                           const Pose& from = {});

}  // namespace vostrel
