#include "render/device_outlines.h"

#include <algorithm>
#include <cmath>
#include <numeric>

#include "render/module_outline.h"
#include "render/outline_flattening.h"
#include "render/symbol_path.h"

namespace vostrel {

namespace {

// QPainter's raster engine hands vertices to its scan converter in 26.6 fixed point.
double snapped(double devicePixels) {
    return std::floor(devicePixels * 64.0 + 0.5) / 64.0;
}

// The module outline of the cell at the origin, flattened for the device.
Outline moduleTemplate(ModuleShape shape, const ModuleFrame& frame, const DeviceScale& device) {
    QPainterPath path;
    appendModuleOutline(path, shape, 0.0, 0.0, frame.unit);
    std::vector<Outline> outlines = flattenedOutlines(path, device.scale);
    return outlines.empty() ? Outline{} : outlines.front();
}

}  // namespace

DeviceOutlines::DeviceOutlines(const ModuleLayout& layout, ModuleShape shape,
                               const FinderStyle& finderStyle, const ModuleFrame& frame,
                               const DeviceScale& device, const QRect& area)
    : layout_(layout) {
    placeModuleGrid(moduleTemplate(shape, frame, device), frame, device, area);
    // Data modules come row by row, so counting them per row gives each row's range.
    rowStarts_.assign(std::size_t(layout.size()) + 1, 0);
    for (const ModuleCell& cell : layout.dataModules()) ++rowStarts_[std::size_t(cell.row) + 1];
    std::partial_sum(rowStarts_.begin(), rowStarts_.end(), rowStarts_.begin());
    placeFinders(finderStyle, frame, device, area);
}

void DeviceOutlines::placeModuleGrid(const Outline& outline, const ModuleFrame& frame,
                                     const DeviceScale& device, const QRect& area) {
    const double s = device.scale;
    vertexCount_ = int(outline.size());
    for (int i = 0; i < layout_.size(); ++i) {
        float top = INFINITY;
        float bottom = -INFINITY;
        for (const QPointF& vertex : outline) {
            columnXs_.push_back(
                float(snapped(s * (frame.cellX(i) + vertex.x()) + device.dx) - area.left()));
            const float y =
                float(snapped(s * (frame.cellY(i) + vertex.y()) + device.dy) - area.top());
            rowYs_.push_back(y);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
        rowTops_.push_back(top);
        rowBottoms_.push_back(bottom);
    }
}

void DeviceOutlines::placeFinders(const FinderStyle& finderStyle, const ModuleFrame& frame,
                                  const DeviceScale& device, const QRect& area) {
    for (const FinderPattern::Rect& box : layout_.finderRects()) {
        QPainterPath path;
        appendFinder(path, finderShapes(box, frame, finderStyle));
        for (const Outline& outline : flattenedOutlines(path, device.scale)) {
            SnappedOutline& placed = finderOutlines_.emplace_back();
            for (const QPointF& point : outline) {
                placed.xs.push_back(
                    float(snapped(device.scale * point.x() + device.dx) - area.left()));
                placed.ys.push_back(
                    float(snapped(device.scale * point.y() + device.dy) - area.top()));
            }
        }
    }
}

void DeviceOutlines::addToBand(CoverageBand& band, int top) const {
    addModulesToBand(band, float(top));
    addFindersToBand(band, float(top));
}

void DeviceOutlines::addModulesToBand(CoverageBand& band, float top) const {
    const float bottom = top + float(band.height());
    const auto& modules = layout_.dataModules();
    const std::size_t n = std::size_t(vertexCount_);
    for (int row = 0; row < layout_.size(); ++row) {
        const std::size_t r = std::size_t(row);
        if (rowBottoms_[r] <= top || rowTops_[r] >= bottom) continue;
        const float* ys = &rowYs_[r * n];
        for (std::size_t i = rowStarts_[r]; i < rowStarts_[r + 1]; ++i) {
            band.addOutline(&columnXs_[std::size_t(modules[i].col) * n], ys, n, top);
        }
    }
}

void DeviceOutlines::addFindersToBand(CoverageBand& band, float top) const {
    for (const SnappedOutline& outline : finderOutlines_) {
        band.addOutline(outline.xs.data(), outline.ys.data(), outline.xs.size(), top);
    }
}

}  // namespace vostrel
