#pragma once

#include <QByteArray>
#include <QImage>
#include <optional>

namespace vostrel {

// How the rows of a PNG file are compressed. Either way a row that repeats the row above is
// written with the Up filter (all zeros) and any other row unfiltered.
enum class PngCompression {
    // repeatAware when at least half of the rows repeat the row above, zlibSearch otherwise.
    byPicture,
    // Our own deflate writer, which looks only for the repeats that pictures of square modules
    // have: runs of one colour, the row above, the same bytes a little earlier. Many times faster
    // than zlib on such pictures, with files about a tenth larger.
    repeatAware,
    // zlib at its fastest level, large pictures in two halves at once: smaller files where most
    // rows are new (dots, rounded modules, modules of a pixel or two).
    zlibSearch,
};

// Encodes an image as a PNG file of 8-bit RGBA (colour type 6, not interlaced, no colour
// profile). Tuned for QR pictures, large areas of few colours whose rows often repeat the row
// above; any image encodes correctly. Several times faster than Qt's writer (libpng trying every
// filter on every row at level 6), with files of comparable size. Nothing for a null image or
// when compression fails.
std::optional<QByteArray> encodePng(const QImage& image,
                                    PngCompression compression = PngCompression::byPicture);

}  // namespace vostrel
