#pragma once

#include <QString>
#include <QVector4D>
#include <limits>
#include <vector>

namespace vostrel {

enum class AnimatedProperty { translation, rotation, scale };

// Keyframes of one property of one entity, found by name. Rotations are quaternions stored as
// (x, y, z, scalar); translations and scales use x, y and z.
struct AnimationChannel {
    QString target;
    AnimatedProperty property = AnimatedProperty::translation;
    bool stepped = false;  // hold each key until the next instead of blending
    std::vector<float> times;
    std::vector<QVector4D> values;

    // The value at `time`, held at the first and last keys outside their range.
    QVector4D sample(double time) const;
};

// A clip of node-transform keyframes. One pass lasts `clipDuration`; playing lasts
// `playDuration`, which repeat() stretches (to infinity: for ever).
struct AnimationResource {
    QString name;
    double clipDuration = 0.0;
    double playDuration = 0.0;
    std::vector<AnimationChannel> channels;

    static constexpr double forever = std::numeric_limits<double>::infinity();

    AnimationResource repeat(double duration = forever) const;
    bool repeats() const { return playDuration > clipDuration; }
    // Where within one pass the clip is after `time` seconds of playing.
    double clipTime(double time) const;
};

}  // namespace vostrel
