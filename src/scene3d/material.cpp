#include "scene3d/material.h"

namespace vostrel {

std::optional<std::shared_ptr<const Texture>> Texture::fromImage(const QImage& image) {
    if (image.isNull()) return std::nullopt;
    auto texture = std::make_shared<Texture>();
    texture->image = image.convertToFormat(QImage::Format_RGBA8888);
    if (texture->image.isNull()) return std::nullopt;
    return texture;
}

}  // namespace vostrel
