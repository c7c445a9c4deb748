#pragma once

#include <QVector3D>
#include <cstdint>
#include <memory>
#include <vector>

namespace vostrel {

// An axis-aligned box given by its two extreme corners; empty until a point is added.
struct Bounds {
    QVector3D min{0, 0, 0};
    QVector3D max{0, 0, 0};
    bool empty = true;

    void add(const QVector3D& point);
    void add(const Bounds& other);
    QVector3D center() const { return (min + max) * 0.5f; }
    QVector3D extents() const { return max - min; }
};

struct MeshVertex {
    QVector3D position;
    QVector3D normal;
};

// An indexed triangle list; triangles wind counter-clockwise seen from outside.
struct Mesh {
    std::vector<MeshVertex> vertices;
    std::vector<std::uint32_t> indices;
    Bounds bounds;

    // Appends a vertex and grows the bounds; returns its index.
    std::uint32_t addVertex(const QVector3D& position, const QVector3D& normal);
    void addTriangle(std::uint32_t a, std::uint32_t b, std::uint32_t c);
    void addQuad(std::uint32_t a, std::uint32_t b, std::uint32_t c, std::uint32_t d);
};

// Meshes are immutable once built and shared by every model that shows them.
using MeshHandle = std::shared_ptr<const Mesh>;

}  // namespace vostrel
