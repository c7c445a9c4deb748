#include "render/raster_symbol_fill.h"

#include <QPaintEngine>
#include <cmath>
#include <cstring>
#include <optional>

#include "render/coverage_band.h"
#include "render/device_outlines.h"

namespace vostrel {

namespace {

// Rows per band: a band's area sums and paint stay in the processor's cache.
constexpr int bandRows = 32;
// Symbols reaching beyond this many device pixels from the origin (zoomed far past any screen)
// get the one-path fill: it keeps band buffers small and every vertex exact in single precision.
constexpr double deviceReach = 32768.0;

std::optional<DeviceScale> uniformDeviceScale(const QPainter& painter) {
    const QPaintEngine* engine = painter.paintEngine();
    if (!engine || engine->type() != QPaintEngine::Raster) return std::nullopt;
    if (painter.compositionMode() != QPainter::CompositionMode_SourceOver) return std::nullopt;
    const QTransform& transform = painter.deviceTransform();
    if (transform.type() > QTransform::TxScale) return std::nullopt;
    if (!(transform.m11() > 0.0) || transform.m11() != transform.m22()) return std::nullopt;
    return DeviceScale{transform.m11(), transform.dx(), transform.dy()};
}

// The device pixels the symbol can reach that are visible at all; nothing when it reaches too far.
std::optional<QRect> visibleDeviceArea(const QPainter& painter, const QRectF& symbolBounds) {
    const QTransform& transform = painter.deviceTransform();
    const QRectF bounds = transform.mapRect(symbolBounds);
    if (!QRectF(-deviceReach, -deviceReach, 2 * deviceReach, 2 * deviceReach).contains(bounds)) {
        return std::nullopt;
    }
    QRect area(QPoint(int(std::floor(bounds.left())), int(std::floor(bounds.top()))),
               QPoint(int(std::ceil(bounds.right())) - 1, int(std::ceil(bounds.bottom())) - 1));
    if (painter.hasClipping()) {
        area &= transform.mapRect(painter.clipBoundingRect()).toAlignedRect();
    }
    const QPaintDevice* device = painter.paintEngine()->paintDevice();
    if (device && device->devType() == QInternal::Image) {
        area &= static_cast<const QImage*>(device)->rect();
    }
    return area;
}

// The raster engine's multiplication of a premultiplied pixel by an 8-bit coverage.
quint32 coverageWeighted(quint32 pixel, quint32 coverage) {
    quint32 redBlue = (pixel & 0xff00ff) * coverage;
    redBlue = ((redBlue + ((redBlue >> 8) & 0xff00ff) + 0x800080) >> 8) & 0xff00ff;
    quint32 alphaGreen = ((pixel >> 8) & 0xff00ff) * coverage;
    alphaGreen = (alphaGreen + ((alphaGreen >> 8) & 0xff00ff) + 0x800080) & 0xff00ff00;
    return alphaGreen | redBlue;
}

// The brush painted into one band and weighted by its coverage: a solid colour through a table
// of its 256 weights, anything else painted by QPainter at the band's place on the device, so
// that a gradient takes exactly the colours a fill of the path would.
class BandPaint {
  public:
    BandPaint(const QBrush& brush, const QTransform& deviceTransform)
        : brush_(brush), deviceTransform_(deviceTransform) {
        isSolid_ = brush.style() == Qt::SolidPattern;
        const quint32 colour = qPremultiply(brush.color().rgba64()).toArgb32();
        for (quint32 coverage = 0; coverage < 256; ++coverage) {
            solidWeights_[coverage] = coverageWeighted(colour, coverage);
        }
    }

    // Rows whose coverage repeats the row above (most rows inside a row of modules) keep the
    // coverage they have; with a solid colour their pixels are the row above's too.
    void paint(QImage& image, const QPoint& origin, const CoverageBand& band) {
        if (!isSolid_) paintBrush(image, origin, band.height());
        coverage_.resize(std::size_t(band.width()));
        const std::size_t rowBytes = std::size_t(band.width()) * sizeof(quint32);
        for (int y = 0; y < band.height(); ++y) {
            const bool repeated = band.sameAsRowAbove(y);
            auto* pixels = reinterpret_cast<quint32*>(image.scanLine(y));
            if (repeated && isSolid_) {
                std::memcpy(pixels, image.constScanLine(y - 1), rowBytes);
                continue;
            }
            if (!repeated) band.resolveRow(y, coverage_.data());
            if (isSolid_) {
                for (int x = 0; x < band.width(); ++x) pixels[x] = solidWeights_[coverage_[x]];
            } else {
                for (int x = 0; x < band.width(); ++x) {
                    if (coverage_[x] != 255) pixels[x] = coverageWeighted(pixels[x], coverage_[x]);
                }
            }
        }
    }

  private:
    void paintBrush(QImage& image, const QPoint& origin, int height) {
        QBrush placed = brush_;
        placed.setTransform(brush_.transform() * deviceTransform_ *
                            QTransform::fromTranslate(-origin.x(), -origin.y()));
        QPainter painter(&image);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.fillRect(QRect(0, 0, image.width(), height), placed);
    }

    QBrush brush_;
    QTransform deviceTransform_;
    bool isSolid_ = true;
    quint32 solidWeights_[256] = {};
    std::vector<std::uint8_t> coverage_;
};

QRectF symbolBounds(const ModuleLayout& layout, const ModuleFrame& frame) {
    const QRectF square(frame.originX, frame.originY, frame.canvasEdge(layout.size()),
                        frame.canvasEdge(layout.size()));
    const double gridEdge = frame.unit * layout.size();
    // A negative quiet zone puts modules outside the square.
    return square.united(QRectF(frame.cellX(0), frame.cellY(0), gridEdge, gridEdge));
}

}  // namespace

bool fillSymbolOnRaster(QPainter& painter, const ModuleLayout& layout, ModuleShape shape,
                        const FinderStyle& finderStyle, const ModuleFrame& frame,
                        const QBrush& brush) {
    const std::optional<DeviceScale> device = uniformDeviceScale(painter);
    if (!device) return false;
    const std::optional<QRect> visible = visibleDeviceArea(painter, symbolBounds(layout, frame));
    if (!visible) return false;
    if (visible->isEmpty()) return true;
    const QRect area = *visible;

    const QTransform deviceTransform = painter.deviceTransform();
    const DeviceOutlines outlines(layout, shape, finderStyle, frame, *device, area);
    CoverageBand band(area.width(), bandRows);
    QImage image(area.width(), bandRows, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull()) return false;
    BandPaint paint(brush, deviceTransform);

    painter.save();
    // Bands are composited pixel for pixel in device coordinates: the world transform now
    // undoes whatever lies between it and the device.
    const QTransform world = painter.worldMatrixEnabled() ? painter.worldTransform() : QTransform();
    painter.setWorldTransform(deviceTransform.inverted() * world);
    for (int top = area.top(); top <= area.bottom(); top += bandRows) {
        band.clear(std::min(bandRows, area.bottom() + 1 - top));
        outlines.addToBand(band, top - area.top());
        paint.paint(image, {area.left(), top}, band);
        painter.drawImage(QPoint(area.left(), top), image,
                          QRect(0, 0, area.width(), band.height()));
    }
    painter.restore();
    return true;
}

}  // namespace vostrel
