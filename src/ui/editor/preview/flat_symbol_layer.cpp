#include "ui/editor/preview/flat_symbol_layer.h"

#include <QPainter>
#include <algorithm>

#include "render/qr_module_renderer.h"
#include "render/rounded_corners.h"
#include "render/style_correction.h"

namespace vostrel {

FlatSymbolLayer::FlatSymbolLayer(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void FlatSymbolLayer::setSymbol(const ModuleMatrix& matrix, const QRStyle& style) {
    if (matrix == matrix_ && style == style_) return;
    matrix_ = matrix;
    style_ = style;
    pictureStale_ = true;
    update();
}

void FlatSymbolLayer::setSymbolArea(const QRectF& area) {
    if (area == area_) return;
    area_ = area;
    update();
}

void FlatSymbolLayer::setOpacity(qreal opacity) {
    if (opacity == opacity_) return;
    opacity_ = opacity;
    update(area_.toAlignedRect());
}

qreal symbolCornerRadius(const ModuleMatrix& matrix, const QRStyle& style, qreal edge) {
    const qint64 quietZone = drawableStyle(style).quietZoneModules;
    const auto frame = fittedFrame(int(matrix.size()), quietZone, QSizeF(edge, edge));
    if (!frame || quietZone <= 0) return 0;
    return std::min(10.0, qreal(quietZone) * frame->unit * 0.5);
}

const QImage& FlatSymbolLayer::picture(const QSize& pixels) {
    if (pictureStale_ || picture_.size() != pixels) {
        picture_ = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
        picture_.fill(Qt::transparent);
        QPainter painter(&picture_);
        QRModuleRenderer{matrix_, style_}.draw(painter, QSizeF(pixels));
        painter.end();
        // Softened within the quiet zone only: the modules stay exactly as exported.
        const qreal ratio = devicePixelRatioF();
        cutRoundedCorners(picture_,
                          symbolCornerRadius(matrix_, style_, pixels.width() / ratio) * ratio);
        picture_.setDevicePixelRatio(ratio);
        pictureStale_ = false;
        ++renderCount_;
    }
    return picture_;
}

// A hidden picture is not rendered either: edits while it is faded out cost nothing until it
// shows again.
void FlatSymbolLayer::paintEvent(QPaintEvent*) {
    if (matrix_.empty() || opacity_ <= 0) return;
    const QSize pixels = (area_.size() * devicePixelRatioF()).toSize();
    if (pixels.isEmpty()) return;
    QPainter painter(this);
    painter.setOpacity(opacity_);
    painter.drawImage(area_.topLeft(), picture(pixels));
}

}  // namespace vostrel
