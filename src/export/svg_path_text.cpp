#include "export/svg_path_text.h"

#include "common/number_format.h"
#include "render/module_frame.h"
#include "render/module_outline.h"

namespace vostrel {

namespace {

// Text slots of one coordinate v, by shape. Squircle: v, v + r, v + r − k, v + 10 − r,
// v + 10 − r + k, v + 10; dot: the circle's start (5 + x − r across, 5 + y down); square: v.
enum Slot { at, plusR, plusRMinusK, farMinusR, farMinusRPlusK, far };

}  // namespace

SvgModuleOutlines::SvgModuleOutlines(ModuleShape shape, int size, qint64 quietZone)
    : shape_(shape),
      columns_(axisTexts(size, quietZone, Axis::horizontal)),
      rows_(axisTexts(size, quietZone, Axis::vertical)) {}

std::vector<SvgModuleOutlines::AxisTexts> SvgModuleOutlines::axisTexts(int size, qint64 quietZone,
                                                                       Axis axis) const {
    const ModuleFrame frame{svgModuleUnit, quietZone};
    std::vector<AxisTexts> texts;
    texts.reserve(size_t(size));
    for (int index = 0; index < size; ++index) {
        texts.push_back(coordinateTexts(frame.cellX(index), axis));
    }
    return texts;
}

// Each expression is evaluated left to right exactly as the outline is defined; the last digits
// of the text depend on it.
SvgModuleOutlines::AxisTexts SvgModuleOutlines::coordinateTexts(double v, Axis axis) const {
    const double u = svgModuleUnit;
    AxisTexts texts;
    switch (shape_) {
        case ModuleShape::square:
            texts[at] = formatShortest(v);
            break;
        case ModuleShape::dot: {
            const double r = u * dotDiameterFraction * 0.5;
            texts[at] = formatShortest(axis == Axis::horizontal ? (5.0 + v) - r : 5.0 + v);
            break;
        }
        case ModuleShape::squircle: {
            const double r = u * squircleCornerFraction;
            const double k = r * squircleHandleFraction;
            texts = {formatShortest(v),
                     formatShortest(v + r),
                     formatShortest((v + r) - k),
                     formatShortest((v + u) - r),
                     formatShortest(((v + u) - r) + k),
                     formatShortest(v + u)};
            break;
        }
    }
    return texts;
}

namespace {

void appendMove(QString& path, const QString& x, const QString& y) {
    path += u'M';
    path += x;
    path += u' ';
    path += y;
}

void appendSquircle(QString& path, const std::array<QString, 6>& x,
                    const std::array<QString, 6>& y) {
    const auto point = [&](QChar command, int xs, int ys) {
        path += command;
        path += x[xs];
        path += u' ';
        path += y[ys];
    };
    const auto curve = [&](int x1, int y1, int x2, int y2, int x3, int y3) {
        point(u'C', x1, y1);
        point(u' ', x2, y2);
        point(u' ', x3, y3);
    };
    point(u'M', plusR, at);
    curve(plusRMinusK, at, at, plusRMinusK, at, plusR);
    point(u'L', at, farMinusR);
    curve(at, farMinusRPlusK, plusRMinusK, far, plusR, far);
    point(u'L', farMinusR, far);
    curve(farMinusRPlusK, far, far, farMinusRPlusK, far, farMinusR);
    point(u'L', far, plusR);
    curve(far, plusRMinusK, farMinusRPlusK, at, farMinusR, at);
    path += u'Z';
}

}  // namespace

void SvgModuleOutlines::append(QString& path, const ModuleCell& cell) const {
    const AxisTexts& x = columns_[size_t(cell.col)];
    const AxisTexts& y = rows_[size_t(cell.row)];
    switch (shape_) {
        case ModuleShape::square:
            appendMove(path, x[at], y[at]);
            path += QStringLiteral("h10.0v10.0h-10.0Z");
            return;
        case ModuleShape::dot:
            appendMove(path, x[at], y[at]);
            path += QStringLiteral("a4.25 4.25 0 1 0 8.5 0a4.25 4.25 0 1 0 -8.5 0Z");
            return;
        case ModuleShape::squircle:
            appendSquircle(path, x, y);
            return;
    }
}

void appendRoundedSquarePath(QString& path, const RoundedSquare& square) {
    const double w = square.edge;
    const double r = square.cornerRadius;
    const QString y = formatShortest(square.y);
    if (!(r > 0.0)) {
        const QString edge = formatShortest(w);
        appendMove(path, formatShortest(square.x), y);
        path += u'h' + edge + u'v' + edge + u'h' + formatShortest(-w) + u'Z';
        return;
    }
    const QString d = formatShortest(w - (r + r));
    const QString minusD = formatShortest(-(w - (r + r)));
    const QString rr = formatShortest(r);
    const QString minusR = formatShortest(-r);
    const QString arc = u'a' + rr + u' ' + rr + QStringLiteral(" 0 0 1 ");
    appendMove(path, formatShortest(r + square.x), y);
    path += u'h' + d + arc + rr + u' ' + rr;
    path += u'v' + d + arc + minusR + u' ' + rr;
    path += u'h' + minusD + arc + minusR + u' ' + minusR;
    path += u'v' + minusD + arc + rr + u' ' + minusR + u'Z';
}

}  // namespace vostrel
