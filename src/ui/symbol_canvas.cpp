#include "ui/symbol_canvas.h"

#include <QPainter>

#include "render/qr_module_renderer.h"

namespace vostrel {

SymbolCanvas::SymbolCanvas(QWidget* parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setMinimumSize(120, 120);
}

void SymbolCanvas::setSymbol(const ModuleMatrix& matrix, const QRStyle& style) {
    if (matrix == matrix_ && style == style_) return;
    matrix_ = matrix;
    style_ = style;
    pictureStale_ = true;
    update();
}

QRectF SymbolCanvas::symbolRect() const {
    const qreal side = std::min(width(), height());
    return QRectF((width() - side) / 2.0, (height() - side) / 2.0, side, side);
}

const QImage& SymbolCanvas::picture() {
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = (symbolRect().size() * ratio).toSize();
    if (pictureStale_ || picture_.size() != pixels) {
        picture_ = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
        picture_.fill(Qt::transparent);
        QPainter painter(&picture_);
        QRModuleRenderer{matrix_, style_}.draw(painter, QSizeF(pixels));
        picture_.setDevicePixelRatio(ratio);
        pictureStale_ = false;
    }
    return picture_;
}

void SymbolCanvas::paintEvent(QPaintEvent*) {
    if (matrix_.empty()) return;
    QPainter painter(this);
    painter.drawImage(symbolRect().topLeft(), picture());
}

}  // namespace vostrel
