#pragma once

#include <QByteArray>
#include <QImage>
#include <optional>

namespace vostrel {

// The zlib stream of a premultiplied ARGB32 picture's rows as an 8-bit RGBA PNG stores them,
// compressed by zlib at its fastest level: a row that repeats the row above with the Up filter
// (all zeros), any other row unfiltered. zlib's search and its Huffman codes made for each block
// suit pictures whose rows rarely repeat (dots and rounded modules, small module sizes). Large
// pictures are compressed in two halves at once. Nothing when zlib fails.
std::optional<QByteArray> zlibCompressedRows(const QImage& image);

}  // namespace vostrel
