#pragma once

#include <QPointF>
#include <QRectF>
#include <vector>

namespace vostrel {

// A flat shape as closed polygons in the x-y plane (y up). A point belongs to the shape when the
// contours wind around it a positive number of times: outlines run counter-clockwise, and a
// subtracted shape is added clockwise, so a region of both winds zero times.
class Path2D {
  public:
    using Contour = std::vector<QPointF>;

    static Path2D rectangle(const QRectF& rect);
    // Continuous corners: superellipse quadrants that join the straight sides without the visible
    // kink of a circular arc, turning into circular ones as the radius reaches half the shorter
    // side (to which it is limited).
    static Path2D roundedRectangle(const QRectF& rect, double cornerRadius);
    static Path2D ellipse(const QRectF& rect);

    // This shape with `other` cut out (winding, not even-odd: `other` may reach outside).
    Path2D subtracting(const Path2D& other) const;

    const std::vector<Contour>& contours() const { return contours_; }
    bool isEmpty() const { return contours_.empty(); }

  private:
    std::vector<Contour> contours_;
};

}  // namespace vostrel
