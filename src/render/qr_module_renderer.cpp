#include "render/qr_module_renderer.h"

#include <QLinearGradient>
#include <cmath>

#include "render/finder_geometry.h"
#include "render/logo_image_cache.h"
#include "render/logo_placement.h"
#include "render/module_layout.h"
#include "render/raster_symbol_fill.h"
#include "render/style_correction.h"
#include "render/symbol_path.h"

namespace vostrel {

namespace {

// The module paint: the foreground, or a two-stop gradient between two points of the whole
// square (quiet zone included), so the outermost modules never reach the end colours.
QBrush symbolBrush(const QRStyle& style, const QRectF& square) {
    if (!style.gradient) return QBrush(style.foreground.toQColor());
    QPointF start(square.left(), square.center().y());
    QPointF end(square.right(), square.center().y());
    if (style.gradient->direction == GradientDirection::vertical) {
        start = {square.center().x(), square.top()};
        end = {square.center().x(), square.bottom()};
    } else if (style.gradient->direction == GradientDirection::diagonal) {
        start = square.topLeft();
        end = square.bottomRight();
    }
    QLinearGradient gradient(start, end);
    gradient.setColorAt(0.0, style.foreground.toQColor());
    gradient.setColorAt(1.0, style.gradient->endColor.toQColor());
    return QBrush(gradient);
}

QPainterPath shapePath(const RoundedSquare& square) {
    QPainterPath path;
    appendRoundedSquare(path, square);
    return path;
}

// The plate, then the picture stretched over the logo square and clipped to the logo's shape.
// Bytes that are no picture leave out both.
void drawLogo(QPainter& painter, const LogoOverlay& logo, int size, const ModuleFrame& frame) {
    const LogoPlacement placement = logoPlacement(logo, size, frame);
    if (!(placement.logo.edge > 0.0) || !std::isfinite(placement.logo.edge)) return;
    const QImage picture = cachedLogoImage(logo.imageData);
    if (picture.isNull()) return;
    if (placement.plate && placement.plate->edge > 0.0) {
        painter.fillPath(shapePath(*placement.plate), logo.backgroundColor->toQColor());
    }
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setClipPath(shapePath(placement.logo), Qt::IntersectClip);
    painter.drawImage(placement.logo.rect(), picture);
    painter.restore();
}

}  // namespace

std::optional<ModuleFrame> fittedFrame(int size, qint64 quietZone, const QSizeF& canvas) {
    const double total = double(size) + 2.0 * double(quietZone);
    const double side = std::min(canvas.width(), canvas.height());
    const double unit = side / total;
    if (!(total > 0.0) || !(side > 0.0) || !std::isfinite(unit)) return std::nullopt;
    const double edge = unit * total;
    return ModuleFrame{unit, quietZone, (canvas.width() - edge) / 2.0,
                       (canvas.height() - edge) / 2.0};
}

void QRModuleRenderer::draw(QPainter& painter, const QSizeF& canvas) const {
    paint(painter, canvas, true);
}

void QRModuleRenderer::drawAsOnePath(QPainter& painter, const QSizeF& canvas) const {
    paint(painter, canvas, false);
}

void QRModuleRenderer::paint(QPainter& painter, const QSizeF& canvas, bool allowRasterFill) const {
    const int size = int(matrix.size());
    if (size == 0) return;
    const QRStyle drawn = drawableStyle(style);
    const std::optional<ModuleFrame> frame = fittedFrame(size, drawn.quietZoneModules, canvas);
    if (!frame) return;
    const double edge = frame->canvasEdge(size);
    const QRectF square(frame->originX, frame->originY, edge, edge);

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(square, drawn.background.toQColor());
    const ModuleLayout layout(matrix, drawn.flipVertical);
    const FinderStyle finderStyle = FinderStyle::of(drawn);
    const QBrush brush = symbolBrush(drawn, square);
    if (!allowRasterFill ||
        !fillSymbolOnRaster(painter, layout, drawn.moduleShape, finderStyle, *frame, brush)) {
        painter.fillPath(symbolPath(layout, drawn.moduleShape, finderStyle, *frame), brush);
    }
    if (drawn.logoOverlay) drawLogo(painter, *drawn.logoOverlay, size, *frame);
    painter.restore();
}

QImage symbolPicture(const ModuleMatrix& matrix, const QRStyle& style, int edge) {
    if (edge < 1 || edge > maximumPngSize) return {};
    QImage image(edge, edge, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull()) return {};
    image.fill(Qt::transparent);
    QPainter painter(&image);
    QRModuleRenderer{matrix, style}.draw(painter, QSizeF(edge, edge));
    return image;
}

}  // namespace vostrel
