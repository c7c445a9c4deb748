#include "render/module_outline.h"

namespace vostrel {

namespace {

void appendSquircle(QPainterPath& path, double x, double y, double u) {
    const double r = u * squircleCornerFraction;
    const double k = r * squircleHandleFraction;
    path.moveTo(x + r, y);
    path.cubicTo(x + r - k, y, x, y + r - k, x, y + r);
    path.lineTo(x, y + u - r);
    path.cubicTo(x, y + u - r + k, x + r - k, y + u, x + r, y + u);
    path.lineTo(x + u - r, y + u);
    path.cubicTo(x + u - r + k, y + u, x + u, y + u - r + k, x + u, y + u - r);
    path.lineTo(x + u, y + r);
    path.cubicTo(x + u, y + r - k, x + u - r + k, y, x + u - r, y);
    path.closeSubpath();
}

}  // namespace

void appendModuleOutline(QPainterPath& path, ModuleShape shape, double x, double y, double u) {
    switch (shape) {
        case ModuleShape::square:
            path.addRect(x, y, u, u);
            return;
        case ModuleShape::dot: {
            const double radius = u * dotDiameterFraction * 0.5;
            path.addEllipse(QPointF(x + u * 0.5, y + u * 0.5), radius, radius);
            return;
        }
        case ModuleShape::squircle:
            appendSquircle(path, x, y, u);
            return;
    }
}

}  // namespace vostrel
