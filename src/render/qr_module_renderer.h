#pragma once

#include <QImage>
#include <QPainter>
#include <QSizeF>
#include <optional>

#include "engine/module_matrix.h"
#include "render/module_frame.h"
#include "render/qr_style.h"

namespace vostrel {

// Draws a styled symbol into a canvas: the background square, all modules and finders as one
// seamless fill (the foreground, or a linear gradient across the whole square interpolated in
// gamma-encoded sRGB), then the logo plate and the logo clipped to its shape. The picture is the
// same on every target, so the preview shows what PNG export writes. Stateless apart from the
// process-wide logo cache; safe to use on any thread, one painter per thread. Numbers that make
// no picture are brought into range first (drawableStyle), as every output does.
struct QRModuleRenderer {
    ModuleMatrix matrix;  // square; entries beyond the row count are ignored, missing ones light
    QRStyle style;

    // Paints into the rectangle (0, 0, canvas) of the painter's coordinates: the symbol square
    // is as large as the shorter side allows and centred, modules are generally a fractional
    // number of pixels wide, and the rest of the canvas is left untouched. An empty matrix draws
    // nothing at all. On raster painters that only translate and scale, the modules are scan
    // converted by fillSymbolOnRaster; elsewhere they are filled as one path.
    void draw(QPainter& painter, const QSizeF& canvas) const;

    // The same picture with the modules filled as one QPainterPath on every painter: the
    // straightforward rendering, much slower on raster targets.
    void drawAsOnePath(QPainter& painter, const QSizeF& canvas) const;

    bool operator==(const QRModuleRenderer&) const = default;

  private:
    void paint(QPainter& painter, const QSizeF& canvas, bool allowRasterFill) const;
};

// Where a symbol of `size` rows with `quietZone` blank modules on each side lands in a canvas:
// unit = shorter side ÷ (size + 2 · quietZone), the square centred. Nothing when the canvas or
// the total module count is empty, or the numbers are not finite.
std::optional<ModuleFrame> fittedFrame(int size, qint64 quietZone, const QSizeF& canvas);

// The largest PNG edge made: 8192 px is a 256 MB picture, already more than print needs (69 cm at
// 300 dpi). A mistyped size such as 200000 would otherwise ask for 160 GB; larger work is what
// SVG is for.
inline constexpr qint64 maximumPngSize = 8192;

// The picture a PNG export holds: the symbol drawn on an edge × edge canvas, one point per
// pixel, premultiplied ARGB and transparent wherever nothing is painted. A null image when edge
// is not from 1 to maximumPngSize or the picture cannot be allocated.
QImage symbolPicture(const ModuleMatrix& matrix, const QRStyle& style, int edge);

}  // namespace vostrel
