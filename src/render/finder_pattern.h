#pragma once

#include <vector>

namespace vostrel::FinderPattern {

// The matrix indices of the top-left module of a 7×7 finder box.
struct Rect {
    int row = 0;
    int col = 0;

    bool operator==(const Rect&) const = default;
};

inline constexpr int boxEdge = 7;

// The three finder boxes of a matrix of `size` rows, which carries a one-module margin: (1, 1)
// first, then lower-left and lower-right when `flip` is set, upper-right and lower-left when not.
// Empty below size 9, where no finder fits.
std::vector<Rect> rects(int size, bool flip);

// Whether the cell lies inside the 7×7 box.
constexpr bool contains(const Rect& box, int row, int col) {
    return row >= box.row && row < box.row + boxEdge && col >= box.col && col < box.col + boxEdge;
}

}  // namespace vostrel::FinderPattern
