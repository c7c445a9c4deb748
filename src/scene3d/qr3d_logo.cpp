#include <cstdio>

#include "render/logo_image_cache.h"
#include "scene3d/box_mesh.h"
#include "scene3d/qr3d_scene_builder.h"

namespace vostrel::QR3DSceneBuilder {

namespace {

// The texture of the last logo built, by its bytes: uploading a logo is the costliest part of a
// scene, and the preview rebuilds the scene on every edit. Main thread only.
struct LogoTextureCache {
    QByteArray imageData;
    TextureHandle texture;
};

LogoTextureCache& logoTextureCache() {
    static LogoTextureCache cache;
    return cache;
}

TextureHandle logoTexture(const QByteArray& imageData) {
    LogoTextureCache& cache = logoTextureCache();
    if (cache.texture && cache.imageData == imageData) return cache.texture;
    const QImage image = cachedLogoImage(imageData);
    std::optional<TextureHandle> texture = Texture::fromImage(image);
    if (!texture) return nullptr;
    cache = {imageData, *texture};
    return *texture;
}

Path2D plateOutline(LogoShape shape, double side) {
    const QRectF frame(0, 0, side, side);
    switch (shape) {
        case LogoShape::square:
            return Path2D::rectangle(frame);
        case LogoShape::roundedRect:
            return Path2D::roundedRectangle(frame, 0.15 * side);
        case LogoShape::circle:
            return Path2D::ellipse(frame);
    }
    return Path2D::rectangle(frame);
}

void addPlate(Entity& pivot, const LogoOverlay& logo, const CodableColor& color, float side,
              float zTop, const Extruder& extrude) {
    const QVector4D tint(float(color.r), float(color.g), float(color.b), float(color.a));
    const MaterialHandle material = makeMaterial(UnlitMaterial{tint, nullptr, tint.w() < 1.0f});
    auto mesh = extrude(plateOutline(logo.shape, side), 0.01);
    if (!mesh) {
        std::fputs("[QR3D] Logo background extrusion failed; using flat box.\n", stderr);
        std::fflush(stderr);
        std::unique_ptr<Entity> box =
            Entity::makeModel(generateBox({side, side, 0.01f}, 0.0f), material);
        box->transform.position = {0.0f, 0.0f, zTop};
        pivot.addChild(std::move(box));
        return;
    }
    std::unique_ptr<Entity> plate = Entity::makeModel(*mesh, material);
    plate->name = QStringLiteral("qr-logo-bg");
    plate->transform.position = {-side / 2, -side / 2, zTop};
    pivot.addChild(std::move(plate));
}

}  // namespace

void addLogo(Entity& pivot, const LogoOverlay& logo, int n, float u, const Extruder& extrude) {
    const TextureHandle texture = logoTexture(logo.imageData);
    if (!texture) return;
    const auto s = float(n * logo.sizePercent);
    const float zTop = u + 9.5f;
    if (logo.backgroundColor) {
        const auto b = float(s + 2.0 * s * logo.padding);
        addPlate(pivot, logo, *logo.backgroundColor, b, zTop, extrude);
    }
    const MaterialHandle material =
        makeMaterial(UnlitMaterial{QVector4D(1, 1, 1, 1), texture, true, 1.0f});
    std::unique_ptr<Entity> picture =
        Entity::makeModel(generateBox({s, s, 0.005f}, 0.0f), material);
    picture->name = QStringLiteral("qr-logo");
    picture->transform.position = {0.0f, 0.0f, zTop + 0.02f};
    pivot.addChild(std::move(picture));
}

}  // namespace vostrel::QR3DSceneBuilder
