#include "ui/editor/preview/flat_symbol_layer.h"

#include <QPainter>
#include <QPainterPath>

#include "render/logo_placement.h"
#include "render/qr_module_renderer.h"

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

// Softens the picture's corners, but only within the quiet zone: the modules stay exactly as
// exported, and without a quiet zone the corners stay square.
void FlatSymbolLayer::roundCorners(QPainter& painter, const QSizeF& pixels) const {
    const auto frame = fittedFrame(int(matrix_.size()), style_.quietZoneModules, pixels);
    if (!frame || frame->quietZone <= 0) return;
    const qreal radius = std::min(10.0 * devicePixelRatioF(), frame->quietZone * frame->unit * 0.5);
    const qreal edge = frame->canvasEdge(int(matrix_.size()));
    const QRectF square(frame->originX, frame->originY, edge, edge);
    QPainterPath rounded, outside;
    rounded.addRoundedRect(square, radius, radius);
    outside.addRect(square);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setCompositionMode(QPainter::CompositionMode_DestinationOut);
    painter.fillPath(outside.subtracted(rounded), Qt::black);
}

const QImage& FlatSymbolLayer::picture(const QSize& pixels) {
    if (pictureStale_ || picture_.size() != pixels) {
        picture_ = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
        picture_.fill(Qt::transparent);
        QPainter painter(&picture_);
        QRModuleRenderer{matrix_, style_}.draw(painter, QSizeF(pixels));
        roundCorners(painter, QSizeF(pixels));
        painter.end();
        picture_.setDevicePixelRatio(devicePixelRatioF());
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
