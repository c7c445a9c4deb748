#include "render/coverage_band.h"

#include <algorithm>
#include <cmath>

namespace vostrel {

namespace {

constexpr float fixedOne = 65536.0f;

// Rounds half away from zero, so that opposite edges round to exactly opposite numbers.
std::int32_t rounded(float value) {
    return value >= 0.0f ? std::int32_t(value + 0.5f) : -std::int32_t(0.5f - value);
}

int floorToInt(float value) {
    const int truncated = int(value);
    return truncated - int(value < float(truncated));
}

int ceilToInt(float value) {
    const int truncated = int(value);
    return truncated + int(value > float(truncated));
}

// The integral over [0, t] of the share of a segment of width w lying left of each point.
float integratedShare(float t, float w) {
    if (t <= 0.0f) return 0.0f;
    if (t <= w) return 0.5f * t * t;
    return w * (t - 0.5f * w);
}

}  // namespace

CoverageBand::CoverageBand(int width, int maximumHeight)
    : width_(std::max(0, width)),
      stride_(width_ + 2),  // an edge on the right border still writes two cells
      area_(std::size_t(stride_) * std::size_t(std::max(0, maximumHeight))) {}

void CoverageBand::clear(int height) {
    height_ = std::clamp(height, 0, int(area_.size() / std::size_t(stride_)));
    std::fill_n(area_.begin(), std::size_t(height_) * std::size_t(stride_), 0);
}

void CoverageBand::addEdge(float x0, float y0, float x1, float y1) {
    std::int32_t direction = 1;
    if (y0 > y1) {
        std::swap(x0, x1);
        std::swap(y0, y1);
        direction = -1;
    }
    const float bandHeight = float(height_);
    if (y0 == y1 || !(y1 > 0.0f && y0 < bandHeight)) return;
    const float slope = (x1 - x0) / (y1 - y0);
    const float endY = std::min(y1, bandHeight);
    // Each row's crossing is computed from the start point, so long edges do not drift.
    float top = std::max(y0, 0.0f);
    float x = x0 + (top - y0) * slope;
    for (int r = floorToInt(top); float(r) < endY; ++r) {
        const float bottom = std::min(float(r + 1), endY);
        const float xNext = x0 + (bottom - y0) * slope;
        addRowSegment(r, x, xNext, rounded((bottom - top) * fixedOne) * direction);
        top = bottom;
        x = xNext;
    }
}

void CoverageBand::addOutline(const float* xs, const float* ys, std::size_t count,
                              float rowOffset) {
    if (count < 2) return;
    for (std::size_t k = 0, previous = count - 1; k < count; previous = k++) {
        addEdge(xs[previous], ys[previous] - rowOffset, xs[k], ys[k] - rowOffset);
    }
}

// Adds a segment crossing one row: every pixel gets the part of the row's height that lies left
// of it, as a difference to the pixel before. Pixels left of the band add up in its first cell,
// those right of it are never read.
void CoverageBand::addRowSegment(int r, float xStart, float xEnd, std::int32_t height) {
    std::int32_t* cells = row(r);
    const float lo = std::min(xStart, xEnd);
    const float hi = std::max(xStart, xEnd);
    const int first = floorToInt(lo);
    // An edge ending exactly on a pixel border does not enter the pixel beyond it.
    const int last = std::max(first, ceilToInt(hi) - 1);
    if (last < 0) {
        cells[0] += height;
        return;
    }
    if (first > width_) return;
    if (first == last) {  // the usual case: a steep edge within one pixel
        const std::int32_t right = rounded((0.5f * (lo + hi) - float(first)) * float(height));
        cells[first] += height - right;
        cells[first + 1] += right;
        return;
    }
    const float w = hi - lo;
    const float perWidth = float(height) / w;
    const int end = std::min(last, width_);
    int i = std::max(first, 0);
    float integral = integratedShare(float(i) - lo, w);
    std::int32_t previous = 0;
    for (; i <= end; ++i) {
        const float next = integratedShare(float(i + 1) - lo, w);
        const std::int32_t covered = rounded((next - integral) * perWidth);
        cells[i] += covered - previous;
        previous = covered;
        integral = next;
    }
    if (end == last) cells[last + 1] += height - previous;
}

bool CoverageBand::sameAsRowAbove(int y) const {
    if (y < 1 || y >= height_) return false;
    const std::size_t stride = std::size_t(stride_);
    const std::int32_t* cells = &area_[std::size_t(y) * stride];
    return std::equal(cells, cells + width_, cells - stride);
}

void CoverageBand::resolveRow(int y, std::uint8_t* coverage) const {
    const std::int32_t* cells = &area_[std::size_t(y) * std::size_t(stride_)];
    std::int32_t sum = 0;
    for (int x = 0; x < width_; ++x) {
        sum += cells[x];
        // In 1/256 steps, rounded towards minus infinity before the sign is dropped, as the
        // raster engine does.
        const std::int32_t level = std::abs(sum >> 8);
        coverage[x] = std::uint8_t(std::min(level, 255));
    }
}

}  // namespace vostrel
