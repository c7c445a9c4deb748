#include "scene3d/qr3d_module_color.h"

#include <algorithm>

namespace vostrel::QR3DSceneBuilder {

namespace {

double gradientPosition(GradientDirection direction, int n, int row, int col) {
    const double last = n - 1;
    switch (direction) {
        case GradientDirection::horizontal:
            return col / last;
        case GradientDirection::vertical:
            return row / last;
        case GradientDirection::diagonal:
            return (row + col) / (2.0 * last);
    }
    return 0.0;
}

}  // namespace

CodableColor moduleColor(const QRStyle& style, int n, int row, int col) {
    if (!style.gradient || n < 2) return style.foreground;
    const double t = std::clamp(gradientPosition(style.gradient->direction, n, row, col), 0.0, 1.0);
    const CodableColor& from = style.foreground;
    const CodableColor& to = style.gradient->endColor;
    return {from.r + (to.r - from.r) * t, from.g + (to.g - from.g) * t,
            from.b + (to.b - from.b) * t, from.a + (to.a - from.a) * t};
}

MaterialHandle moduleMaterial(const CodableColor& color) {
    return makeMaterial(SimpleMaterial{
        QVector4D(float(color.r), float(color.g), float(color.b), float(color.a)), 0.6f, false});
}

}  // namespace vostrel::QR3DSceneBuilder
