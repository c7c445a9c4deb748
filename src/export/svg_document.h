#pragma once

#include <QString>

#include "engine/module_matrix.h"
#include "render/qr_style.h"

namespace vostrel {

// The self-contained SVG text of a styled symbol: 10 user units per module, a background rect,
// the data modules as one path and the finders as a second (even-odd) path, both painted with the
// foreground or a "fg" gradient, and the logo embedded as base64 data clipped to its shape.
// The style is drawn as drawableStyle brings it into range, and a logo whose data does not decode
// is left out, as in the raster picture. Opacity is not expressed. The same matrix and style
// always give the same bytes; an empty matrix gives the empty text.
QString svgDocument(const ModuleMatrix& matrix, const QRStyle& style);

// The same document as UTF-8, the form files take: made without the UTF-16 copies, which matters
// for a logo of many megabytes.
QByteArray svgDocumentUtf8(const ModuleMatrix& matrix, const QRStyle& style);

}  // namespace vostrel
