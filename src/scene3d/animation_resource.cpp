#include "scene3d/animation_resource.h"

#include <QQuaternion>
#include <algorithm>
#include <cmath>

namespace vostrel {

namespace {

QVector4D blend(AnimatedProperty property, const QVector4D& a, const QVector4D& b, float t) {
    if (property != AnimatedProperty::rotation) return a + (b - a) * t;
    const QQuaternion q = QQuaternion::slerp(QQuaternion(a.w(), a.x(), a.y(), a.z()),
                                             QQuaternion(b.w(), b.x(), b.y(), b.z()), t);
    return {q.x(), q.y(), q.z(), q.scalar()};
}

}  // namespace

QVector4D AnimationChannel::sample(double time) const {
    if (times.empty() || values.size() < times.size()) return {};
    if (time <= times.front()) return values.front();
    if (time >= times.back()) return values[times.size() - 1];
    const auto after = std::upper_bound(times.begin(), times.end(), float(time));
    const size_t next = size_t(after - times.begin());
    const size_t previous = next - 1;
    if (stepped) return values[previous];
    const float span = times[next] - times[previous];
    const float t = span > 0.0f ? float(time - times[previous]) / span : 1.0f;
    return blend(property, values[previous], values[next], t);
}

AnimationResource AnimationResource::repeat(double duration) const {
    AnimationResource repeated = *this;
    repeated.playDuration = duration;
    return repeated;
}

double AnimationResource::clipTime(double time) const {
    if (clipDuration <= 0.0) return 0.0;
    if (time >= playDuration) {
        // A finished clip holds its last pose rather than jumping back to its first.
        const double rest = std::fmod(playDuration, clipDuration);
        return rest == 0.0 ? clipDuration : rest;
    }
    return std::fmod(std::max(time, 0.0), clipDuration);
}

}  // namespace vostrel
