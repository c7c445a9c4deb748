#include "scene3d/extrusion.h"

#include <QtMath>
#include <cmath>

#include "scene3d/cap_tessellation.h"

namespace vostrel {

namespace {

// Adjacent wall faces closer than this share a normal, so curves shade smoothly.
constexpr double smoothTurnDegrees = 35.0;

bool isFinite(const Path2D& path) {
    for (const Path2D::Contour& contour : path.contours()) {
        for (const QPointF& point : contour) {
            if (!std::isfinite(point.x()) || !std::isfinite(point.y())) return false;
        }
    }
    return true;
}

// The contour without repeated points (the closing point included).
Path2D::Contour withoutRepeats(const Path2D::Contour& contour) {
    Path2D::Contour result;
    for (const QPointF& point : contour) {
        if (result.empty() || result.back() != point) result.push_back(point);
    }
    while (result.size() > 1 && result.front() == result.back()) result.pop_back();
    return result;
}

// The outward normal of the edge a→b of a contour that has the region on its left.
QVector3D edgeNormal(const QPointF& a, const QPointF& b) {
    return QVector3D(float(b.y() - a.y()), float(a.x() - b.x()), 0.0f).normalized();
}

QVector3D cornerNormal(const QVector3D& edge, const QVector3D& neighbour) {
    const double cosine = QVector3D::dotProduct(edge, neighbour);
    if (cosine < std::cos(qDegreesToRadians(smoothTurnDegrees))) return edge;
    return (edge + neighbour).normalized();
}

void addWalls(Mesh& mesh, const Path2D::Contour& rawContour, float depth) {
    const Path2D::Contour contour = withoutRepeats(rawContour);
    const size_t count = contour.size();
    if (count < 3) return;
    std::vector<QVector3D> normals(count);
    for (size_t i = 0; i < count; ++i)
        normals[i] = edgeNormal(contour[i], contour[(i + 1) % count]);
    for (size_t i = 0; i < count; ++i) {
        const QPointF& a = contour[i];
        const QPointF& b = contour[(i + 1) % count];
        const QVector3D startNormal = cornerNormal(normals[i], normals[(i + count - 1) % count]);
        const QVector3D endNormal = cornerNormal(normals[i], normals[(i + 1) % count]);
        const auto first = mesh.addVertex(QVector3D(a.x(), a.y(), 0.0f), startNormal);
        mesh.addVertex(QVector3D(b.x(), b.y(), 0.0f), endNormal);
        mesh.addVertex(QVector3D(b.x(), b.y(), depth), endNormal);
        mesh.addVertex(QVector3D(a.x(), a.y(), depth), startNormal);
        mesh.addQuad(first, first + 1, first + 2, first + 3);
    }
}

// The caps: the front at z = depth facing +z, the back at z = 0 facing −z.
void addCaps(Mesh& mesh, const std::vector<QPointF>& triangles, float depth) {
    for (const float z : {depth, 0.0f}) {
        const bool front = z == depth;
        const QVector3D normal(0.0f, 0.0f, front ? 1.0f : -1.0f);
        for (size_t i = 0; i + 2 < triangles.size(); i += 3) {
            std::uint32_t corners[3];
            for (int k = 0; k < 3; ++k) {
                const QPointF& p = triangles[i + k];
                corners[k] = mesh.addVertex(QVector3D(p.x(), p.y(), z), normal);
            }
            if (front) {
                mesh.addTriangle(corners[0], corners[1], corners[2]);
            } else {
                mesh.addTriangle(corners[0], corners[2], corners[1]);
            }
        }
    }
}

}  // namespace

Expected<MeshHandle, ExtrusionError> linearExtrusion(const Path2D& path, double depth) {
    if (!(depth > 0.0) || !std::isfinite(depth)) {
        return unexpected(ExtrusionError{QStringLiteral("depth %1 is not positive").arg(depth)});
    }
    if (path.isEmpty()) return unexpected(ExtrusionError{QStringLiteral("the path is empty")});
    if (!isFinite(path)) {
        return unexpected(ExtrusionError{QStringLiteral("the path has a non-finite coordinate")});
    }
    auto region = tessellateRegion(path);
    if (!region) return unexpected(ExtrusionError{region.error()});
    if (region->triangles.empty()) {
        return unexpected(ExtrusionError{QStringLiteral("the path encloses no area")});
    }
    auto mesh = std::make_shared<Mesh>();
    addCaps(*mesh, region->triangles, float(depth));
    for (const Path2D::Contour& contour : region->boundary) addWalls(*mesh, contour, float(depth));
    return MeshHandle(std::move(mesh));
}

}  // namespace vostrel
