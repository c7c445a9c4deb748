#include "scene3d/mesh.h"

namespace vostrel {

void Bounds::add(const QVector3D& point) {
    if (empty) {
        min = max = point;
        empty = false;
        return;
    }
    for (int axis = 0; axis < 3; ++axis) {
        min[axis] = std::min(min[axis], point[axis]);
        max[axis] = std::max(max[axis], point[axis]);
    }
}

void Bounds::add(const Bounds& other) {
    if (other.empty) return;
    add(other.min);
    add(other.max);
}

std::array<QVector3D, 8> Bounds::corners() const {
    std::array<QVector3D, 8> result;
    for (int corner = 0; corner < 8; ++corner) {
        result[size_t(corner)] =
            QVector3D(corner & 1 ? max.x() : min.x(), corner & 2 ? max.y() : min.y(),
                      corner & 4 ? max.z() : min.z());
    }
    return result;
}

std::uint32_t Mesh::addVertex(const QVector3D& position, const QVector3D& normal) {
    vertices.push_back({position, normal});
    bounds.add(position);
    return std::uint32_t(vertices.size() - 1);
}

void Mesh::addTriangle(std::uint32_t a, std::uint32_t b, std::uint32_t c) {
    indices.insert(indices.end(), {a, b, c});
}

void Mesh::addQuad(std::uint32_t a, std::uint32_t b, std::uint32_t c, std::uint32_t d) {
    addTriangle(a, b, c);
    addTriangle(a, c, d);
}

}  // namespace vostrel
