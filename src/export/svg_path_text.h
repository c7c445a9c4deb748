#pragma once

#include <QString>
#include <array>
#include <vector>

#include "render/finder_geometry.h"
#include "render/module_layout.h"
#include "render/module_shape.h"

namespace vostrel {

// The grid unit of SVG output, in user units per module.
inline constexpr double svgModuleUnit = 10.0;

// Path data of data-module outlines on the 10-unit SVG grid. Every number in an outline depends
// on its column or on its row alone, so the texts are formatted once per column and row and an
// outline is only put together from them.
class SvgModuleOutlines {
  public:
    SvgModuleOutlines(ModuleShape shape, int size, qint64 quietZone);

    // Appends the outline of one cell, with no separator before it.
    void append(QString& path, const ModuleCell& cell) const;

  private:
    using AxisTexts = std::array<QString, 6>;
    enum class Axis { horizontal, vertical };
    std::vector<AxisTexts> axisTexts(int size, qint64 quietZone, Axis axis) const;
    AxisTexts coordinateTexts(double v, Axis axis) const;

    ModuleShape shape_;
    std::vector<AxisTexts> columns_;
    std::vector<AxisTexts> rows_;
};

// Appends the path data of a rounded square: four sides with a quarter-circle arc at each corner,
// or a plain square when the corner radius is zero.
void appendRoundedSquarePath(QString& path, const RoundedSquare& square);

}  // namespace vostrel
