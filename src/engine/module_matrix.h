#pragma once

#include <vector>

namespace vostrel {

// The QR engine's whole output: rows of modules, true for dark, indexed [row][col]. It includes
// the generator's one-module light border on every side (side = symbol size + 2) and its rows
// are in reverse order, the symbol mirrored top to bottom: the finder patterns start at (1, 1),
// (side - 8, 1) and (side - 8, side - 8). Renderers draw it as it is or reversed by the style's
// flipVertical. Matrices from the engine are square; callers that accept matrices from elsewhere
// check that themselves.
using ModuleMatrix = std::vector<std::vector<bool>>;

}  // namespace vostrel
