#pragma once

#include <initializer_list>
#include <string_view>

#include "engine/module_matrix.h"

namespace vostrel::testing {

// A matrix drawn as text, '#' for dark, one string per row.
inline ModuleMatrix matrixFromRows(std::initializer_list<std::string_view> rows) {
    ModuleMatrix matrix;
    for (std::string_view row : rows) {
        std::vector<bool>& cells = matrix.emplace_back();
        for (char cell : row) cells.push_back(cell == '#');
    }
    return matrix;
}

// A 17 × 17 matrix in the engine's row order: a light margin, finders at (1, 1), (9, 1) and
// (9, 9), and scattered data. The upper-left finder has a stray dark cell in its gap at (2, 3)
// and a light one in its pip, which the finder drawing must hide.
inline ModuleMatrix handMadeMatrix() {
    return matrixFromRows({
        ".................",
        ".#######.##.#.##.",
        ".#.#...#..#####..",
        ".#.###.#.##...#..",
        ".#.#.#.#.#.####..",
        ".#.###.###..#.##.",
        ".#.....#.#.##.##.",
        ".#######...#.....",
        ".....#...........",
        ".#######.#######.",
        ".#.....#.#.....#.",
        ".#.###.#.#.###.#.",
        ".#.###.#.#.###.#.",
        ".#.###.#.#.###.#.",
        ".#.....#.#.....#.",
        ".#######.#######.",
        ".................",
    });
}

}  // namespace vostrel::testing
