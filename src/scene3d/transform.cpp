#include "scene3d/transform.h"

namespace vostrel {

QMatrix4x4 Transform::matrix() const {
    QMatrix4x4 result;
    result.translate(position);
    // Most entities (every module of a symbol) are not turned, and a turn costs a full product.
    if (!rotation.isIdentity()) result.rotate(rotation);
    result.scale(scale);
    return result;
}

Transform Transform::fromMatrix(const QMatrix4x4& matrix) {
    Transform transform;
    transform.position = matrix.column(3).toVector3D();
    QMatrix3x3 rotation;
    for (int column = 0; column < 3; ++column) {
        const QVector3D axis = matrix.column(column).toVector3D();
        transform.scale[column] = axis.length();
        const QVector3D unit =
            transform.scale[column] > 0.0f ? axis / transform.scale[column] : QVector3D();
        for (int row = 0; row < 3; ++row) rotation(row, column) = unit[row];
    }
    transform.rotation = QQuaternion::fromRotationMatrix(rotation).normalized();
    return transform;
}

}  // namespace vostrel
