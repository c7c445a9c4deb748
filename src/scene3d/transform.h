#pragma once

#include <QMatrix4x4>
#include <QQuaternion>
#include <QVector3D>

namespace vostrel {

// Scale, then rotate, then translate: the local placement of an entity in its parent.
struct Transform {
    QVector3D position{0, 0, 0};
    QQuaternion rotation;  // identity
    QVector3D scale{1, 1, 1};

    QMatrix4x4 matrix() const;
    // The placement that `matrix` makes, for matrices built by scaling, rotating and translating
    // (no shear).
    static Transform fromMatrix(const QMatrix4x4& matrix);
};

}  // namespace vostrel
