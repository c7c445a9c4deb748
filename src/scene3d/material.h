#pragma once

#include <QImage>
#include <QVector4D>
#include <memory>
#include <optional>
#include <variant>

namespace vostrel {

// A colour picture for a material, kept as straight-alpha RGBA bytes in sRGB. Renderers upload it
// once with the full mipmap chain generated.
struct Texture {
    QImage image;  // Format_RGBA8888, never null

    // Nothing for a null image.
    static std::optional<std::shared_ptr<const Texture>> fromImage(const QImage& image);
};

using TextureHandle = std::shared_ptr<const Texture>;

// Lit by the scene's lights. Colours are gamma-encoded sRGB with straight alpha.
struct SimpleMaterial {
    QVector4D color{1, 1, 1, 1};
    float roughness = 0.5f;
    bool isMetallic = false;
};

// Shown at its own colour whatever the lights: the tint times the texture, if any. Transparent
// materials blend at `opacity` and draw after the opaque ones.
struct UnlitMaterial {
    QVector4D tint{1, 1, 1, 1};
    TextureHandle texture;
    bool transparent = false;
    float opacity = 1.0f;
};

using Material = std::variant<SimpleMaterial, UnlitMaterial>;

// Materials are immutable once built and shared like meshes.
using MaterialHandle = std::shared_ptr<const Material>;

template <class M>
MaterialHandle makeMaterial(M material) {
    return std::make_shared<const Material>(std::move(material));
}

}  // namespace vostrel
