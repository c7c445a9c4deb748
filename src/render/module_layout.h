#pragma once

#include <vector>

#include "engine/module_matrix.h"
#include "render/finder_pattern.h"

namespace vostrel {

// A cell of the oriented matrix.
struct ModuleCell {
    int row = 0;
    int col = 0;

    bool operator==(const ModuleCell&) const = default;
};

// The matrix as every output draws it: oriented by the style's flipVertical (rows reversed when it
// is false), with its finder boxes, and its dark cells split into finder cells, which the finder
// drawing replaces, and data modules, which are drawn with the module shape. All coordinates are
// of the oriented matrix.
//
// The layout is square with the matrix's row count as its size; entries beyond that in a row are
// ignored and missing entries count as light, so a ragged matrix never reads out of bounds.
class ModuleLayout {
  public:
    ModuleLayout(const ModuleMatrix& matrix, bool flipVertical);

    int size() const { return size_; }
    const std::vector<FinderPattern::Rect>& finderRects() const { return finderRects_; }

    // Every data module, row by row from row 0 and left to right within a row: the order in which
    // single-path outputs append outlines.
    const std::vector<ModuleCell>& dataModules() const { return dataModules_; }

    bool isInFinderBox(int row, int col) const;

  private:
    void collectDataModules(const ModuleMatrix& matrix, bool flipVertical);

    int size_;
    std::vector<FinderPattern::Rect> finderRects_;
    std::vector<ModuleCell> dataModules_;
};

}  // namespace vostrel
