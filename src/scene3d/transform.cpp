#include "scene3d/transform.h"

namespace vostrel {

QMatrix4x4 Transform::matrix() const {
    QMatrix4x4 result;
    result.translate(position);
    result.rotate(rotation);
    result.scale(scale);
    return result;
}

}  // namespace vostrel
