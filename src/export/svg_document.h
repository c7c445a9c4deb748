#pragma once

#include <QString>

#include "engine/module_matrix.h"
#include "render/qr_style.h"

namespace vostrel {

// The self-contained SVG text of a styled symbol: 10 user units per module, a background rect,
// the data modules as one path and the finders as a second (even-odd) path, both painted with the
// foreground or a "fg" gradient, and the logo embedded as a base64 PNG clipped to its shape.
// Opacity is not expressed. The same matrix and style always give the same bytes; an empty matrix
// gives the empty text.
QString svgDocument(const ModuleMatrix& matrix, const QRStyle& style);

}  // namespace vostrel
