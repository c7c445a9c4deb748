#pragma once

#include <QImage>
#include <QString>

namespace vostrel::testing {

// Renders SVG text with Qt SVG into a square white-backed image of `size` pixels.
QImage renderSvgWithQt(const QString& svg, int size);

// Renders SVG text with rsvg-convert (librsvg), a renderer independent of Qt, into a PNG image of
// `size` pixels. Returns a null image when rsvg-convert is missing or fails.
QImage renderSvgWithRsvg(const QString& svg, int size);

}  // namespace vostrel::testing
