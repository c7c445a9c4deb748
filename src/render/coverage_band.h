#pragma once

#include <cstdint>
#include <vector>

namespace vostrel {

// Anti-aliased scan conversion of polygon outlines into 8-bit coverage, one horizontal band of
// pixels at a time. Every edge adds its signed area to the pixels it crosses and to the running
// sum along its row, so a row's coverage is a prefix sum: shapes that only touch add up to exactly
// full coverage along their shared edges (no seams), and an outline running the other way
// subtracts. Coverage follows QPainter's raster engine: the area covered, in 1/256 steps,
// truncated and limited to 255, with the non-zero rule for shapes that do not overlap.
//
// Coordinates are band-relative pixels; edges may reach beyond the band on every side. Areas are
// summed in fixed point, and since every vertex lies on QPainter's 1/64-pixel grid, the heights
// an outline adds to a row cancel exactly: no rounding residue leaks along the row.
class CoverageBand {
  public:
    CoverageBand(int width, int maximumHeight);

    int width() const { return width_; }
    int height() const { return height_; }

    // Starts a band of `height` rows (at most the maximum) with nothing covered.
    void clear(int height);

    // Adds the directed edge from (x0, y0) to (x1, y1); outlines are closed chains of edges.
    void addEdge(float x0, float y0, float x1, float y1);

    // Adds the closed outline through the `count` points (xs[k], ys[k] - rowOffset).
    void addOutline(const float* xs, const float* ys, std::size_t count, float rowOffset);

    // The coverage of row `y`, one byte per pixel.
    void resolveRow(int y, std::uint8_t* coverage) const;

    // Whether rows `y` and `y - 1` have the same coverage because the same edges crossed them
    // the same way, as the rows inside a row of square modules do. Cheaper than resolving.
    bool sameAsRowAbove(int y) const;

  private:
    void addRowSegment(int row, float xStart, float xEnd, std::int32_t height);
    std::int32_t* row(int y) { return &area_[std::size_t(y) * std::size_t(stride_)]; }

    int width_;
    int stride_;
    int height_ = 0;
    std::vector<std::int32_t> area_;  // in 1/65536 of a pixel
};

}  // namespace vostrel
