#include "scene3d/box_mesh.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace vostrel {

namespace {

// Offsets along one face axis from the flat part's edge, as tangents of evenly spaced angles:
// a point projected onto the rounding from there sits at that angle, so the steps are even.
// Without a flat part along the axis the two roundings meet in the middle, with no strip
// between them.
std::vector<float> faceOffsets(float flatHalf, float radius, int steps) {
    std::vector<float> offsets;
    const int rounding = radius > 0.0f ? steps : 0;
    for (int k = rounding; k >= 0; --k) {
        offsets.push_back(-flatHalf - radius * std::tan(float(M_PI) / 4.0f * k / steps));
    }
    const int first = flatHalf > 0.0f || rounding == 0 ? 0 : 1;
    for (int k = first; k <= rounding; ++k) {
        offsets.push_back(flatHalf + radius * std::tan(float(M_PI) / 4.0f * k / steps));
    }
    return offsets;
}

struct BoxShape {
    QVector3D flatHalf;  // half extents of the box without its rounding
    float radius;
    int steps;
};

// The point of the rounded box that a point of the plain box's surface projects onto.
MeshVertex roundedPoint(const BoxShape& box, const QVector3D& onCube, const QVector3D& faceNormal) {
    QVector3D inner;
    for (int axis = 0; axis < 3; ++axis) {
        inner[axis] = std::clamp(onCube[axis], -box.flatHalf[axis], box.flatHalf[axis]);
    }
    const QVector3D offset = onCube - inner;
    const QVector3D normal = box.radius > 0.0f ? offset.normalized() : faceNormal;
    return {inner + normal * box.radius, normal};
}

// One face as a grid, normal along `axis` with `sign`; u and v are the other two axes, ordered so
// that the triangles wind counter-clockwise seen from outside.
void addFace(Mesh& mesh, const BoxShape& box, int axis, float sign) {
    const int u = (axis + (sign > 0 ? 1 : 2)) % 3;
    const int v = (axis + (sign > 0 ? 2 : 1)) % 3;
    const std::vector<float> us = faceOffsets(box.flatHalf[u], box.radius, box.steps);
    const std::vector<float> vs = faceOffsets(box.flatHalf[v], box.radius, box.steps);
    QVector3D faceNormal;
    faceNormal[axis] = sign;
    const auto first = std::uint32_t(mesh.vertices.size());
    for (float vOffset : vs) {
        for (float uOffset : us) {
            QVector3D onCube;
            onCube[axis] = sign * (box.flatHalf[axis] + box.radius);
            onCube[u] = uOffset;
            onCube[v] = vOffset;
            const MeshVertex vertex = roundedPoint(box, onCube, faceNormal);
            mesh.addVertex(vertex.position, vertex.normal);
        }
    }
    const auto columns = std::uint32_t(us.size());
    for (std::uint32_t row = 0; row + 1 < vs.size(); ++row) {
        for (std::uint32_t col = 0; col + 1 < columns; ++col) {
            const std::uint32_t corner = first + row * columns + col;
            mesh.addQuad(corner, corner + 1, corner + columns + 1, corner + columns);
        }
    }
}

}  // namespace

MeshHandle generateBox(const QVector3D& size, float cornerRadius, int roundingSteps) {
    const QVector3D half = size * 0.5f;
    const float smallestHalf = std::min({half.x(), half.y(), half.z()});
    const float radius =
        cornerRadius > 0.0f ? std::min(cornerRadius, std::max(smallestHalf, 0.0f)) : 0.0f;
    const BoxShape box{half - QVector3D(radius, radius, radius), radius,
                       std::max(roundingSteps, 1)};
    auto mesh = std::make_shared<Mesh>();
    mesh->box = BoxDescription{size, radius};
    for (int axis = 0; axis < 3; ++axis) {
        addFace(*mesh, box, axis, 1.0f);
        addFace(*mesh, box, axis, -1.0f);
    }
    return mesh;
}

MeshHandle generatePlainBoxFaces(const QVector3D& size, unsigned faces) {
    const BoxShape box{size * 0.5f, 0.0f, 1};
    auto mesh = std::make_shared<Mesh>();
    mesh->box = BoxDescription{size, 0.0f};
    for (int axis = 0; axis < 3; ++axis) {
        if (faces & (1u << (2 * axis))) addFace(*mesh, box, axis, 1.0f);
        if (faces & (1u << (2 * axis + 1))) addFace(*mesh, box, axis, -1.0f);
    }
    return mesh;
}

}  // namespace vostrel
