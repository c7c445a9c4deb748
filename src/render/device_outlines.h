#pragma once

#include <QPainterPath>
#include <QRect>
#include <vector>

#include "render/coverage_band.h"
#include "render/finder_geometry.h"
#include "render/module_frame.h"
#include "render/module_layout.h"
#include "render/module_shape.h"
#include "render/outline_flattening.h"

namespace vostrel {

// The device transform of a painter that only scales (uniformly) and translates.
struct DeviceScale {
    double scale = 1.0;
    double dx = 0.0;
    double dy = 0.0;
};

// A symbol's modules and finders as polygons in device pixels, placed exactly where QPainter's
// raster engine puts the vertices of symbolPath(): curves flattened as it does, every vertex
// snapped to its 1/64-pixel grid. Feeds a CoverageBand one band of rows at a time.
//
// Every data module is the same outline moved to its cell, and a vertex's x depends only on the
// column and its y only on the row, so snapped coordinates are computed once per column and row,
// not once per module.
class DeviceOutlines {
  public:
    // `area` is the device pixel rectangle the bands cover; coordinates are kept relative to it.
    DeviceOutlines(const ModuleLayout& layout, ModuleShape shape, const FinderStyle& finderStyle,
                   const ModuleFrame& frame, const DeviceScale& device, const QRect& area);

    // Adds the edges of every outline reaching into rows [top, top + band.height()) of the area.
    void addToBand(CoverageBand& band, int top) const;

  private:
    void placeModuleGrid(const Outline& outline, const ModuleFrame& frame,
                         const DeviceScale& device, const QRect& area);
    void placeFinders(const FinderStyle& finderStyle, const ModuleFrame& frame,
                      const DeviceScale& device, const QRect& area);
    void addModulesToBand(CoverageBand& band, float top) const;
    void addFindersToBand(CoverageBand& band, float top) const;

    const ModuleLayout& layout_;          // outlives this object: both live for one fill
    std::vector<std::size_t> rowStarts_;  // index of each row's first data module, and the end
    int vertexCount_ = 0;                 // per module outline
    std::vector<float> columnXs_;         // vertexCount_ snapped x per column
    std::vector<float> rowYs_;            // vertexCount_ snapped y per row
    std::vector<float> rowTops_;          // per row: the outline's top and bottom
    std::vector<float> rowBottoms_;
    struct SnappedOutline {
        std::vector<float> xs;
        std::vector<float> ys;
    };
    std::vector<SnappedOutline> finderOutlines_;
};

}  // namespace vostrel
