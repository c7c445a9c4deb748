#pragma once

#include <QtGlobal>

namespace vostrel {

// Where the module grid lands on a canvas: each module is `unit` wide, the grid is surrounded by
// `quietZone` blank modules, and the canvas starts at (originX, originY). The SVG writer uses a
// unit of 10 at the origin, the raster renderer fits the unit to its canvas, the 3D scene uses 1.
//
// Every position is computed as origin + unit · (index + quietZone), in that order, so all outputs
// agree on the same numbers for the same unit.
struct ModuleFrame {
    double unit = 1.0;
    qint64 quietZone = 0;
    double originX = 0.0;
    double originY = 0.0;

    // Left edge of column `col`, top edge of row `row`.
    double cellX(int col) const { return originX + unit * (double(col) + double(quietZone)); }
    double cellY(int row) const { return originY + unit * (double(row) + double(quietZone)); }

    // Edge of the whole canvas, quiet zone included, for a matrix of `size` rows.
    double canvasEdge(int size) const { return (double(size) + 2.0 * double(quietZone)) * unit; }
};

}  // namespace vostrel
