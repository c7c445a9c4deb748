#pragma once

#include "scene3d/transform.h"

namespace vostrel {

// How an animation's progress follows time: the standard cubic curves (ease-in starts slowly,
// ease-out ends slowly, ease-in-out does both).
enum class TimingFunction { linear, easeIn, easeOut, easeInOut };

// The eased progress (0…1) at `fraction` (0…1) of the duration.
float easedProgress(TimingFunction timing, float fraction);

// A local transform travelling from one placement to another over a duration: positions and
// scales move in straight lines, rotations along the shortest arc.
class TransformMove {
  public:
    TransformMove(const Transform& from, const Transform& to, float durationInSeconds,
                  TimingFunction timing);

    // Moves the clock on by `seconds` and returns the transform for the new time.
    Transform advance(float seconds);
    bool finished() const { return elapsed_ >= duration_; }

  private:
    Transform from_;
    Transform to_;
    float duration_;
    float elapsed_ = 0.0f;
    TimingFunction timing_;
};

}  // namespace vostrel
