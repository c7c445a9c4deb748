#include "scene3d/path2d.h"

#include <algorithm>
#include <cmath>

namespace vostrel {

namespace {

constexpr int cornerSteps = 12;   // per quarter turn of a rounded corner
constexpr int ellipseSteps = 64;  // per full turn

// A point of a continuous corner: a superellipse quadrant between the corner's two tangent points,
// centred on the corner's inner point and turning counter-clockwise from `startAngle`.
QPointF cornerPoint(const QPointF& center, double radius, double power, double startAngle,
                    int step) {
    const double exponent = 2.0 / power;
    const double angle = startAngle + M_PI / 2.0 * step / cornerSteps;
    const double c = std::cos(angle);
    const double s = std::sin(angle);
    return center + QPointF(radius * std::copysign(std::pow(std::abs(c), exponent), c),
                            radius * std::copysign(std::pow(std::abs(s), exponent), s));
}

}  // namespace

Path2D Path2D::rectangle(const QRectF& rect) {
    const QRectF r = rect.normalized();
    Path2D path;
    path.contours_.push_back({{r.left(), r.top()},
                              {r.right(), r.top()},
                              {r.right(), r.bottom()},
                              {r.left(), r.bottom()}});
    return path;
}

// QRectF's top is its smallest y, which in this y-up plane is the bottom edge.
Path2D Path2D::roundedRectangle(const QRectF& rect, double cornerRadius) {
    const QRectF r = rect.normalized();
    const double largest = std::min(r.width(), r.height()) / 2.0;
    const double radius = std::min(cornerRadius, largest);
    if (!(radius > 0.0)) return rectangle(r);
    // Superellipse corners (power 2.5) ease into the sides; towards the largest radius they turn
    // circular, so a fully rounded square is a circle, as in the flat pictures.
    const double power = 2.5 - 0.5 * radius / largest;
    const QPointF centers[] = {{r.right() - radius, r.top() + radius},
                               {r.right() - radius, r.bottom() - radius},
                               {r.left() + radius, r.bottom() - radius},
                               {r.left() + radius, r.top() + radius}};
    Contour contour;
    for (int corner = 0; corner < 4; ++corner) {
        const double startAngle = -M_PI / 2.0 + corner * M_PI / 2.0;
        for (int step = 0; step <= cornerSteps; ++step) {
            contour.push_back(cornerPoint(centers[corner], radius, power, startAngle, step));
        }
    }
    Path2D path;
    path.contours_.push_back(std::move(contour));
    return path;
}

Path2D Path2D::ellipse(const QRectF& rect) {
    const QRectF r = rect.normalized();
    Contour contour;
    for (int step = 0; step < ellipseSteps; ++step) {
        const double angle = 2.0 * M_PI * step / ellipseSteps;
        contour.push_back(r.center() + QPointF(r.width() / 2.0 * std::cos(angle),
                                               r.height() / 2.0 * std::sin(angle)));
    }
    Path2D path;
    path.contours_.push_back(std::move(contour));
    return path;
}

Path2D Path2D::subtracting(const Path2D& other) const {
    Path2D result = *this;
    for (Contour contour : other.contours_) {
        std::reverse(contour.begin(), contour.end());
        result.contours_.push_back(std::move(contour));
    }
    return result;
}

}  // namespace vostrel
