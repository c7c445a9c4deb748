#include <cstdio>

#include "render/finder_geometry.h"
#include "scene3d/box_mesh.h"
#include "scene3d/qr3d_module_color.h"
#include "scene3d/qr3d_scene_builder.h"

namespace vostrel::QR3DSceneBuilder {

namespace {

struct FinderMeasures {
    float wall;         // ring thickness w
    float k;            // corner rounding 0…1
    float outerRadius;  // R
    float u;
};

// A box of the finder material centred at `position`.
std::unique_ptr<Entity> finderBox(const QVector3D& size, float cornerRadius,
                                  const MaterialHandle& material, const QVector3D& position) {
    std::unique_ptr<Entity> box = Entity::makeModel(generateBox(size, cornerRadius), material);
    box->transform.position = position;
    return box;
}

void reportFailure(const QString& line) {
    std::fputs(line.toLocal8Bit().constData(), stderr);
    std::fflush(stderr);
}

// The four straight walls that stand in for a ring that could not be extruded.
void addWallsFallback(Entity& pivot, float x0, float y0, const FinderMeasures& m,
                      const MaterialHandle& material) {
    auto walls = std::make_unique<Entity>(QStringLiteral("qr-finder-fallback"));
    const float w = m.wall;
    const float u = m.u;
    walls->addChild(finderBox({7, w, u}, 0, material, {x0 + 3.5f, y0 - w / 2, u / 2}));
    walls->addChild(finderBox({7, w, u}, 0, material, {x0 + 3.5f, y0 + w / 2 - 7, u / 2}));
    walls->addChild(finderBox({w, 7 - 2 * w, u}, 0, material, {x0 + w / 2, y0 - 3.5f, u / 2}));
    walls->addChild(finderBox({w, 7 - 2 * w, u}, 0, material, {x0 + 7 - w / 2, y0 - 3.5f, u / 2}));
    pivot.addChild(std::move(walls));
}

// Returns whether the ring was made.
bool addRing(Entity& pivot, const QVector3D& corner, const FinderMeasures& m,
             const MaterialHandle& material, const Extruder& extrude) {
    const Path2D outer = Path2D::roundedRectangle({0, -7, 7, 7}, m.outerRadius);
    const Path2D hole =
        Path2D::roundedRectangle({m.wall, -7 + m.wall, 7 - 2 * m.wall, 7 - 2 * m.wall},
                                 std::max(m.outerRadius - m.wall, 0.0f));
    auto mesh = extrude(outer.subtracting(hole), m.u);
    if (!mesh) {
        reportFailure(QStringLiteral("[QR3D] Finder ring extrusion failed (%1); using walls "
                                     "fallback.\n")
                          .arg(mesh.error().description));
        return false;
    }
    std::unique_ptr<Entity> ring = Entity::makeModel(*mesh, material);
    ring->name = QStringLiteral("qr-finder-ring");
    ring->transform.position = corner;
    pivot.addChild(std::move(ring));
    return true;
}

void addPip(Entity& pivot, const QVector3D& corner, const FinderMeasures& m,
            const MaterialHandle& material, const Extruder& extrude) {
    const float depth = 7.5f * m.u;
    auto mesh = extrude(Path2D::roundedRectangle({2, -5, 3, 3}, m.k * 1.5f), depth);
    if (!mesh) {
        reportFailure(
            QStringLiteral("[QR3D] Finder pip extrusion failed (%1); using box fallback.\n")
                .arg(mesh.error().description));
        pivot.addChild(finderBox({3, 3, depth}, m.k * 1.5f, material,
                                 {corner.x() + 3.5f, corner.y() - 3.5f, depth / 2}));
        return;
    }
    std::unique_ptr<Entity> pip = Entity::makeModel(*mesh, material);
    pip->name = QStringLiteral("qr-finder-pip");
    pip->transform.position = corner;
    pivot.addChild(std::move(pip));
}

}  // namespace

void addFinders(Entity& pivot, int n, const QRStyle& style, float half, float u,
                const Extruder& extrude) {
    if (n < 9) return;
    const FinderStyle clamped = FinderStyle::of(style);
    const auto k = float(clamped.cornerRounding);
    const FinderMeasures measures{float(clamped.thickness), k, k * 3.5f, u};
    const auto q = float(style.quietZoneModules);
    for (const FinderPattern::Rect& rect : FinderPattern::rects(n, style.flipVertical)) {
        // Each finder gets a material of its own, outside the module cache.
        const MaterialHandle material =
            moduleMaterial(moduleColor(style, n, rect.row + 3, rect.col + 3));
        const float x0 = (float(rect.col) + q) - half;
        const float y0 = half - (float(rect.row) + q);
        const QVector3D corner(x0, y0, 0.0f);
        const bool ringMade = addRing(pivot, corner, measures, material, extrude);
        addPip(pivot, corner, measures, material, extrude);
        if (!ringMade) addWallsFallback(pivot, x0, y0, measures, material);
    }
}

}  // namespace vostrel::QR3DSceneBuilder
