#include "render/module_layout.h"

#include <algorithm>

namespace vostrel {

ModuleLayout::ModuleLayout(const ModuleMatrix& matrix, bool flipVertical)
    : size_(int(matrix.size())), finderRects_(FinderPattern::rects(size_, flipVertical)) {
    collectDataModules(matrix, flipVertical);
}

void ModuleLayout::collectDataModules(const ModuleMatrix& matrix, bool flipVertical) {
    for (int row = 0; row < size_; ++row) {
        // Reversing the rows is the whole orientation step; columns stay as they are.
        const std::vector<bool>& source = matrix[flipVertical ? row : size_ - 1 - row];
        const int columns = std::min(size_, int(source.size()));
        for (int col = 0; col < columns; ++col) {
            if (source[col] && !isInFinderBox(row, col)) dataModules_.push_back({row, col});
        }
    }
}

bool ModuleLayout::isInFinderBox(int row, int col) const {
    return std::any_of(finderRects_.begin(), finderRects_.end(),
                       [&](const auto& box) { return FinderPattern::contains(box, row, col); });
}

}  // namespace vostrel
