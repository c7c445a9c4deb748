#include "render/finder_pattern.h"

namespace vostrel::FinderPattern {

std::vector<Rect> rects(int size, bool flip) {
    if (size < 9) return {};
    const int far = size - 8;  // the last box start that leaves the one-module margin
    return {
        Rect{1, 1},
        flip ? Rect{far, 1} : Rect{1, far},
        Rect{far, flip ? far : 1},
    };
}

}  // namespace vostrel::FinderPattern
