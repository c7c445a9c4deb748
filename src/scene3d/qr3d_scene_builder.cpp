#include "scene3d/qr3d_scene_builder.h"

#include <QHashFunctions>
#include <algorithm>
#include <cmath>

#include "render/style_correction.h"

namespace vostrel::QR3DSceneBuilder {

namespace {

// 2 · tan(10°): a camera with a 20° field of view at distance total / 0.35265395 sees exactly
// `total` units across the plane z = 0.
constexpr float framingDivisor = 0.35265395f;

std::int64_t channelKey(double channel) {
    const double clamped = channel >= 0.0 ? std::min(channel, 1.0) : 0.0;  // NaN gives 0
    return std::llround(clamped * 255.0);
}

std::unique_ptr<Entity> directionalLight(const QString& name, float intensity,
                                         const QQuaternion& rotation) {
    auto light = std::make_unique<Entity>(name);
    light->directionalLight = DirectionalLight{QVector3D(1, 1, 1), intensity, false};
    light->transform.rotation = rotation;
    return light;
}

}  // namespace

size_t MaterialKeyHash::operator()(const MaterialKey& key) const {
    return qHashMulti(0, key.r, key.g, key.b, key.a);
}

MaterialKey materialKey(double r, double g, double b, double a) {
    return {channelKey(r), channelKey(g), channelKey(b), channelKey(a)};
}

std::unique_ptr<Entity> build(const ModuleMatrix& matrix, const QRStyle& storedStyle) {
    // Numbers that make no picture are brought into range as for every flat output, so the
    // scene matches the PNG and SVG of the same document.
    const QRStyle style = drawableStyle(storedStyle);
    auto root = std::make_unique<Entity>(QStringLiteral("qr-root"));
    if (matrix.empty()) return root;
    const int n = int(matrix.size());
    const qint64 total = n + 2 * style.quietZoneModules;
    const float half = float(total) / 2.0f;
    const float u = 1.0f;
    addCamera(*root, total);
    addLights(*root);
    Entity* pivot = root->addChild(std::make_unique<Entity>(QStringLiteral("qr-tilt-pivot")));
    addModules(*pivot, matrix, style, half, u);
    addFinders(*pivot, n, style, half, u);
    if (style.logoOverlay && !style.logoOverlay->imageData.isEmpty()) {
        addLogo(*pivot, *style.logoOverlay, n, u);
    }
    return root;
}

void addCamera(Entity& root, qint64 total) {
    auto camera = std::make_unique<Entity>(QStringLiteral("qr-camera"));
    camera->camera = PerspectiveCamera{0.01f, std::numeric_limits<float>::infinity(), 20.0f};
    camera->transform.position = {0.0f, 0.0f, float(total) / framingDivisor};
    root.addChild(std::move(camera));
}

void addLights(Entity& root) {
    // −30° about y after −36° about x, and +30° about x; QQuaternion takes w first.
    root.addChild(
        directionalLight(QStringLiteral("qr-key-light"), 2500.0f,
                         QQuaternion(0.91865009f, -0.29848748f, -0.24615152f, -0.07997947f)));
    root.addChild(directionalLight(QStringLiteral("qr-fill-light"), 600.0f,
                                   QQuaternion(0.96592581f, 0.25881901f, 0.0f, 0.0f)));
}

}  // namespace vostrel::QR3DSceneBuilder
