#pragma once

#include <QByteArray>
#include <QImage>
#include <optional>

namespace vostrel {

// Encodes an image as a PNG file of 8-bit RGBA (colour type 6, not interlaced, no colour
// profile). Tuned for QR pictures, large areas of few colours whose rows often repeat the row
// above: such rows are written with the Up filter (all zeros), every other row unfiltered, and
// compressed by a deflate writer of our own that looks for the repeats such pictures have (runs
// of one colour, the row above) instead of searching like zlib. Many times faster than Qt's
// writer (libpng trying every filter on every row at level 6), with files of comparable size.
// Any image compresses correctly, just less well when it is not like a QR picture. Nothing for
// a null image.
std::optional<QByteArray> encodePng(const QImage& image);

}  // namespace vostrel
