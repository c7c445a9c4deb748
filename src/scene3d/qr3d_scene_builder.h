#pragma once

#include <QString>
#include <cstdint>
#include <functional>
#include <memory>

#include "engine/module_matrix.h"
#include "render/qr_style.h"
#include "scene3d/entity.h"
#include "scene3d/extrusion.h"

// The QR code as a 3D scene: dark modules become boxes standing on z = 0, the finders extruded
// rings with a raised centre block, the logo a textured plate floating above, plus a camera that
// frames the whole symbol head-on and a key and a fill light. One unit is one module; x grows to
// the right, y upward, z toward the camera, and the origin is the centre of the symbol including
// its quiet zone. Everything but the camera and lights hangs from the "qr-tilt-pivot" entity,
// which the preview turns.
namespace vostrel::QR3DSceneBuilder {

// The cache key of module materials: each channel times 255, rounded.
struct MaterialKey {
    std::int64_t r = 0;
    std::int64_t g = 0;
    std::int64_t b = 0;
    std::int64_t a = 0;

    bool operator==(const MaterialKey&) const = default;
};

struct MaterialKeyHash {
    size_t operator()(const MaterialKey& key) const;
};

// Channels outside 0…1 (NaN included) are clamped first, so no colour can overflow the key.
MaterialKey materialKey(double r, double g, double b, double a);

// Makes the mesh of a path; the finder and logo steps take it as a parameter so that their
// fallbacks can be exercised.
using Extruder = std::function<Expected<MeshHandle, ExtrusionError>(const Path2D&, double)>;

// A new tree for the matrix (square, rows as the engine delivers them) in the style, drawn as
// drawableStyle brings it into range; a root without children for an empty matrix. Main thread
// only: it shares one logo texture across calls.
std::unique_ptr<Entity> build(const ModuleMatrix& matrix, const QRStyle& style);

// The steps of build, in the order it calls them.
void addCamera(Entity& root, qint64 total);
void addLights(Entity& root);
void addModules(Entity& pivot, const ModuleMatrix& matrix, const QRStyle& style, float half,
                float u);
void addFinders(Entity& pivot, int n, const QRStyle& style, float half, float u,
                const Extruder& extrude = linearExtrusion);
void addLogo(Entity& pivot, const LogoOverlay& logo, int n, float u,
             const Extruder& extrude = linearExtrusion);

}  // namespace vostrel::QR3DSceneBuilder
