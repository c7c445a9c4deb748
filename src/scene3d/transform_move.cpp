#include "scene3d/transform_move.h"

#include <algorithm>

namespace vostrel {

namespace {

struct CubicCurve {
    float x1, y1, x2, y2;  // the inner control points; the ends are (0, 0) and (1, 1)
};

float bezier(float a, float b, float t) {
    const float u = 1.0f - t;
    return 3.0f * u * u * t * a + 3.0f * u * t * t * b + t * t * t;
}

// The curve's height where its x is `x`; x grows with the curve parameter, so halving finds it.
float heightAt(const CubicCurve& curve, float x) {
    float low = 0.0f;
    float high = 1.0f;
    for (int step = 0; step < 24; ++step) {
        const float middle = (low + high) / 2.0f;
        (bezier(curve.x1, curve.x2, middle) < x ? low : high) = middle;
    }
    return bezier(curve.y1, curve.y2, (low + high) / 2.0f);
}

}  // namespace

float easedProgress(TimingFunction timing, float fraction) {
    const float x = std::clamp(fraction, 0.0f, 1.0f);
    switch (timing) {
        case TimingFunction::linear:
            return x;
        case TimingFunction::easeIn:
            return heightAt({0.42f, 0.0f, 1.0f, 1.0f}, x);
        case TimingFunction::easeOut:
            return heightAt({0.0f, 0.0f, 0.58f, 1.0f}, x);
        case TimingFunction::easeInOut:
            return heightAt({0.42f, 0.0f, 0.58f, 1.0f}, x);
    }
    return x;
}

TransformMove::TransformMove(const Transform& from, const Transform& to, float durationInSeconds,
                             TimingFunction timing)
    : from_(from), to_(to), duration_(std::max(durationInSeconds, 0.0f)), timing_(timing) {}

Transform TransformMove::advance(float seconds) {
    elapsed_ = std::min(elapsed_ + std::max(seconds, 0.0f), duration_);
    if (finished()) return to_;
    const float progress = easedProgress(timing_, elapsed_ / duration_);
    Transform now;
    now.position = from_.position + (to_.position - from_.position) * progress;
    now.scale = from_.scale + (to_.scale - from_.scale) * progress;
    now.rotation = QQuaternion::slerp(from_.rotation, to_.rotation, progress);
    return now;
}

}  // namespace vostrel
