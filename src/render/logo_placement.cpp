#include "render/logo_placement.h"

namespace vostrel {

namespace {

RoundedSquare centredSquare(double centreX, double centreY, double edge, LogoShape shape) {
    const double half = edge * 0.5;
    double radius = 0.0;
    if (shape == LogoShape::roundedRect) radius = edge * 0.15;
    if (shape == LogoShape::circle) radius = half;
    return {centreX - half, centreY - half, edge, radius};
}

}  // namespace

LogoPlacement logoPlacement(const LogoOverlay& logo, int size, const ModuleFrame& frame) {
    const double symbolEdge = double(size) * frame.unit;
    const double centreX = frame.cellX(0) + symbolEdge * 0.5;
    const double centreY = frame.cellY(0) + symbolEdge * 0.5;
    const double logoEdge = symbolEdge * logo.sizePercent;
    LogoPlacement placement{logo.shape, centredSquare(centreX, centreY, logoEdge, logo.shape), {}};
    if (logo.backgroundColor) {
        const double margin = logoEdge * logo.padding;
        const double plateEdge = logoEdge + (margin + margin);
        placement.plate = centredSquare(centreX, centreY, plateEdge, logo.shape);
    }
    return placement;
}

}  // namespace vostrel
