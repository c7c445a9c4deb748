#pragma once

#include "render/qr_style.h"
#include "scene3d/material.h"

namespace vostrel::QR3DSceneBuilder {

// The colour of the cell at (row, col) of the display order: the foreground, or the gradient
// evaluated at the cell's position across the n × n matrix.
CodableColor moduleColor(const QRStyle& style, int n, int row, int col);

// The lit material of modules and finders in that colour.
MaterialHandle moduleMaterial(const CodableColor& color);

}  // namespace vostrel::QR3DSceneBuilder
