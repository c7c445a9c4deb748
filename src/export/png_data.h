#pragma once

#include <QByteArray>
#include <optional>

#include "engine/module_matrix.h"
#include "render/qr_module_renderer.h"
#include "render/qr_style.h"

namespace vostrel {

// The picture pngData encodes; a null picture where pngData gives nothing.
QImage pngPicture(const ModuleMatrix& matrix, const QRStyle& style, qint64 size);

// The styled symbol as a PNG file of size × size pixels, 8-bit RGBA: the renderer's picture in a
// square canvas of that many pixels, one point per pixel, on a transparent image. Nothing when
// size is not from 1 to maximumPngSize, the matrix has no rows, a row's length differs from the row
// count, or the image cannot be made or encoded. Safe on any thread.
std::optional<QByteArray> pngData(const ModuleMatrix& matrix, const QRStyle& style, qint64 size);

}  // namespace vostrel
