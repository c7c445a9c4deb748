#pragma once

#include <QVector3D>
#include <array>
#include <cstdint>
#include <memory>
#include <optional>
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
    std::array<QVector3D, 8> corners() const;
};

struct MeshVertex {
    QVector3D position;
    QVector3D normal;
};

// What a generated box was made from, so that a renderer can remake it with fewer rounding steps
// when its corners cover only a pixel or two.
struct BoxDescription {
    QVector3D size;
    float cornerRadius = 0.0f;
};

// An indexed triangle list; triangles wind counter-clockwise seen from outside. Textures map flat
// onto the x-y extent of the bounds, the picture's top row at the largest y.
struct Mesh {
    std::vector<MeshVertex> vertices;
    std::vector<std::uint32_t> indices;
    Bounds bounds;
    std::optional<BoxDescription> box;  // set for generated boxes

    // Appends a vertex and grows the bounds; returns its index.
    std::uint32_t addVertex(const QVector3D& position, const QVector3D& normal);
    void addTriangle(std::uint32_t a, std::uint32_t b, std::uint32_t c);
    void addQuad(std::uint32_t a, std::uint32_t b, std::uint32_t c, std::uint32_t d);
};

// Meshes are immutable once built and shared by every model that shows them.
using MeshHandle = std::shared_ptr<const Mesh>;

}  // namespace vostrel
