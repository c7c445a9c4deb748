#include "render/symbol_path.h"

#include <algorithm>
#include <iterator>

#include "render/module_outline.h"

namespace vostrel {

namespace {

// Control-point distance of a cubic quarter circle, as a fraction of the radius.
constexpr double quarterArcHandle = 0.5522847498;

struct Corner {
    QPointF from;
    QPointF corner;
    QPointF to;
};

// A quarter arc from `from` to `to` around the square's `corner` point.
void appendArc(QPainterPath& path, const Corner& arc) {
    const QPointF handleFrom = arc.from + (arc.corner - arc.from) * quarterArcHandle;
    const QPointF handleTo = arc.to + (arc.corner - arc.to) * quarterArcHandle;
    path.cubicTo(handleFrom, handleTo, arc.to);
}

void appendSharpSquare(QPainterPath& path, const RoundedSquare& square, Winding winding) {
    const QRectF rect = square.rect();
    path.moveTo(rect.topLeft());
    if (winding == Winding::clockwise) {
        path.lineTo(rect.topRight());
        path.lineTo(rect.bottomRight());
        path.lineTo(rect.bottomLeft());
    } else {
        path.lineTo(rect.bottomLeft());
        path.lineTo(rect.bottomRight());
        path.lineTo(rect.topRight());
    }
    path.closeSubpath();
}

}  // namespace

void appendRoundedSquare(QPainterPath& path, const RoundedSquare& square, Winding winding) {
    const double r = square.cornerRadius;
    if (!(r > 0.0)) return appendSharpSquare(path, square, winding);
    const double left = square.x;
    const double top = square.y;
    const double right = square.x + square.edge;
    const double bottom = square.y + square.edge;
    // The four corners clockwise from the top-right one, each from its start to its end point.
    Corner corners[] = {
        {{right - r, top}, {right, top}, {right, top + r}},
        {{right, bottom - r}, {right, bottom}, {right - r, bottom}},
        {{left + r, bottom}, {left, bottom}, {left, bottom - r}},
        {{left, top + r}, {left, top}, {left + r, top}},
    };
    if (winding == Winding::counterClockwise) {
        std::reverse(std::begin(corners), std::end(corners));
        for (Corner& corner : corners) std::swap(corner.from, corner.to);
    }
    path.moveTo(corners[3].to);
    for (const Corner& corner : corners) {
        path.lineTo(corner.from);
        appendArc(path, corner);
    }
    path.closeSubpath();
}

void appendFinder(QPainterPath& path, const FinderShapes& finder) {
    appendRoundedSquare(path, finder.outer, Winding::clockwise);
    appendRoundedSquare(path, finder.hole, Winding::counterClockwise);
    appendRoundedSquare(path, finder.pip, Winding::clockwise);
}

QPainterPath symbolPath(const ModuleLayout& layout, ModuleShape shape,
                        const FinderStyle& finderStyle, const ModuleFrame& frame) {
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    for (const ModuleCell& cell : layout.dataModules()) {
        appendModuleOutline(path, shape, frame.cellX(cell.col), frame.cellY(cell.row), frame.unit);
    }
    for (const FinderPattern::Rect& box : layout.finderRects()) {
        appendFinder(path, finderShapes(box, frame, finderStyle));
    }
    return path;
}

}  // namespace vostrel
