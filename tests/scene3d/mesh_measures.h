#pragma once

#include <gtest/gtest.h>

#include <QVector3D>

#include "scene3d/mesh.h"

namespace vostrel::testing {

// Sum of the areas of the triangles facing +z, projected on the x-y plane.
inline double frontCapArea(const Mesh& mesh) {
    double area = 0.0;
    for (size_t i = 0; i + 2 < mesh.indices.size(); i += 3) {
        const MeshVertex& a = mesh.vertices[mesh.indices[i]];
        const MeshVertex& b = mesh.vertices[mesh.indices[i + 1]];
        const MeshVertex& c = mesh.vertices[mesh.indices[i + 2]];
        if (a.normal.z() < 0.99f) continue;
        area += QVector3D::crossProduct(b.position - a.position, c.position - a.position).z() / 2;
    }
    return area;
}

// Every triangle winds counter-clockwise seen from the side its normals point to.
inline void expectOutwardWinding(const Mesh& mesh) {
    for (size_t i = 0; i + 2 < mesh.indices.size(); i += 3) {
        const MeshVertex& a = mesh.vertices[mesh.indices[i]];
        const MeshVertex& b = mesh.vertices[mesh.indices[i + 1]];
        const MeshVertex& c = mesh.vertices[mesh.indices[i + 2]];
        const QVector3D face =
            QVector3D::crossProduct(b.position - a.position, c.position - a.position);
        if (face.length() < 1e-7f) continue;
        ASSERT_GT(QVector3D::dotProduct(face, a.normal + b.normal + c.normal), 0.0f) << i;
    }
}

}  // namespace vostrel::testing
