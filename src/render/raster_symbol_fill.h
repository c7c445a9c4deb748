#pragma once

#include <QBrush>
#include <QPainter>

#include "render/finder_geometry.h"
#include "render/module_frame.h"
#include "render/module_layout.h"
#include "render/module_shape.h"

namespace vostrel {

// Fills the data modules and finders of `layout` with `brush`, giving the picture of
// painter.fillPath(symbolPath(...), brush) on an anti-aliasing raster painter, many times faster:
// the outlines are scan-converted into 8-bit coverage in bands of rows, the brush is painted once
// per band and weighted by that coverage, and the band is composited onto the target once. One
// coverage mask for all shapes keeps touching modules seamless and a gradient continuous.
//
// Works on raster painters whose device transform only translates and scales uniformly, with
// SourceOver composition. Returns false, having drawn nothing, on any other painter.
bool fillSymbolOnRaster(QPainter& painter, const ModuleLayout& layout, ModuleShape shape,
                        const FinderStyle& finderStyle, const ModuleFrame& frame,
                        const QBrush& brush);

}  // namespace vostrel
