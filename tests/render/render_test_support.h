#pragma once

#include <QImage>
#include <QPainter>
#include <functional>

#include "engine/qr_engine.h"
#include "render/qr_module_renderer.h"

namespace vostrel::testing {

inline ModuleMatrix engineMatrix(const QString& payload, CorrectionLevel level) {
    const MatrixResult result = QREngine::makeMatrix(payload, level);
    return result.hasValue() ? result.value() : ModuleMatrix{};
}

enum class Fill { raster, onePath };

// The renderer's picture on a transparent image of `pixels`, drawn into a canvas of `canvas`
// points after `prepare` has set up the painter (transform, clip).
inline QImage renderedImage(
    const QRModuleRenderer& renderer, QSize pixels, QSizeF canvas, Fill fill,
    const std::function<void(QPainter&)>& prepare = [](QPainter&) {}, qreal pixelRatio = 1.0) {
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(pixelRatio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    prepare(painter);
    if (fill == Fill::raster) {
        renderer.draw(painter, canvas);
    } else {
        renderer.drawAsOnePath(painter, canvas);
    }
    painter.end();
    return image;
}

inline QImage renderedImage(const QRModuleRenderer& renderer, int pixels, Fill fill) {
    return renderedImage(renderer, {pixels, pixels}, QSizeF(pixels, pixels), fill);
}

// A picture of one colour, stored as a logo would be.
inline LogoOverlay solidLogo(QColor colour, LogoShape shape) {
    QImage picture(64, 64, QImage::Format_RGB32);
    picture.fill(colour);
    LogoOverlay logo = makeLogoOverlay(picture).value();
    logo.shape = shape;
    return logo;
}

}  // namespace vostrel::testing
