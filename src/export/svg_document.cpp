#include "export/svg_document.h"

#include <QMimeDatabase>

#include "common/number_format.h"
#include "export/svg_path_text.h"
#include "render/finder_geometry.h"
#include "render/logo_image_cache.h"
#include "render/logo_placement.h"
#include "render/module_layout.h"
#include "render/style_correction.h"

namespace vostrel {

namespace {

// Generous for the longest outline (squircle, about 200 characters), so the text is built
// without reallocating.
constexpr qsizetype reservedCharactersPerModule = 220;

QString attribute(const char* name, const QString& value) {
    return u' ' + QLatin1StringView(name) + QStringLiteral("=\"") + value + u'"';
}

QString number(const char* name, double value) {
    return attribute(name, formatShortest(value));
}

void appendGradient(QString& svg, const CodableColor& start, const GradientStyle& gradient) {
    struct Ends {
        const char *x1, *y1, *x2, *y2;
    };
    Ends ends{"0%", "50%", "100%", "50%"};
    if (gradient.direction == GradientDirection::vertical) ends = {"50%", "0%", "50%", "100%"};
    if (gradient.direction == GradientDirection::diagonal) ends = {"0%", "0%", "100%", "100%"};
    svg += QStringLiteral("\n  <defs>\n    <linearGradient id=\"fg\"");
    svg +=
        attribute("x1", QLatin1StringView(ends.x1)) + attribute("y1", QLatin1StringView(ends.y1));
    svg +=
        attribute("x2", QLatin1StringView(ends.x2)) + attribute("y2", QLatin1StringView(ends.y2));
    svg += QStringLiteral(">\n      <stop offset=\"0%\" stop-color=\"") + hexRGB(start) +
           QStringLiteral("\"/>");
    svg += QStringLiteral("\n      <stop offset=\"100%\" stop-color=\"") +
           hexRGB(gradient.endColor) + QStringLiteral("\"/>");
    svg += QStringLiteral("\n    </linearGradient>\n  </defs>");
}

void appendModules(QString& svg, const ModuleLayout& layout, const QRStyle& style,
                   const QString& paint) {
    const SvgModuleOutlines outlines(style.moduleShape, layout.size(), style.quietZoneModules);
    svg.reserve(svg.size() + qsizetype(layout.dataModules().size()) * reservedCharactersPerModule);
    svg += QStringLiteral("\n  <path d=\"");
    for (const ModuleCell& cell : layout.dataModules()) outlines.append(svg, cell);
    svg += u'"' + attribute("fill", paint) + QStringLiteral("/>");
}

void appendFinders(QString& svg, const ModuleLayout& layout, const QRStyle& style,
                   const QString& paint) {
    const ModuleFrame frame{svgModuleUnit, style.quietZoneModules};
    const FinderStyle finderStyle = FinderStyle::of(style);
    svg += QStringLiteral("\n  <path d=\"");
    for (const FinderPattern::Rect& box : layout.finderRects()) {
        const FinderShapes shapes = finderShapes(box, frame, finderStyle);
        appendRoundedSquarePath(svg, shapes.outer);
        appendRoundedSquarePath(svg, shapes.hole);
        appendRoundedSquarePath(svg, shapes.pip);
    }
    svg += u'"' + attribute("fill", paint) + QStringLiteral(" fill-rule=\"evenodd\"/>");
}

// The square, rounded square or inscribed circle of one logo square, without its closing "/>".
QString logoShapeElement(LogoShape shape, const RoundedSquare& square) {
    if (shape == LogoShape::circle) {
        const double centre = square.cornerRadius + square.x;
        return QStringLiteral("<circle") + number("cx", centre) + number("cy", centre) +
               number("r", square.cornerRadius);
    }
    QString element = QStringLiteral("<rect") + number("x", square.x) + number("y", square.x) +
                      number("width", square.edge) + number("height", square.edge);
    if (shape == LogoShape::roundedRect) {
        element += number("rx", square.cornerRadius) + number("ry", square.cornerRadius);
    }
    return element;
}

// Appended as bytes: a logo's base64 text can be tens of megabytes, which as a QString would
// take twice that, and again when converted.
void appendLogo(QByteArray& svg, const LogoOverlay& logo, int size, qint64 quietZone) {
    const LogoPlacement placement = logoPlacement(logo, size, {svgModuleUnit, quietZone});
    QString head;
    if (placement.plate) {
        head += QStringLiteral("\n  ") + logoShapeElement(placement.shape, *placement.plate) +
                attribute("fill", hexRGB(*logo.backgroundColor)) + QStringLiteral("/>");
    }
    head += QStringLiteral("\n  <defs>\n    <clipPath id=\"logoClip\">");
    head += QStringLiteral("\n      ") + logoShapeElement(placement.shape, placement.logo) +
            QStringLiteral(" fill=\"none\"/>");
    head += QStringLiteral("\n    </clipPath>\n  </defs>");
    head += QStringLiteral("\n  <image href=\"data:") +
            QMimeDatabase().mimeTypeForData(logo.imageData).name() + QStringLiteral(";base64,");
    const RoundedSquare& square = placement.logo;
    const QString tail = u'"' + number("x", square.x) + number("y", square.x) +
                         number("width", square.edge) + number("height", square.edge) +
                         QStringLiteral(" clip-path=\"url(#logoClip)\"/>");
    const QByteArray headBytes = head.toUtf8(), tailBytes = tail.toUtf8();
    const qsizetype base64Size = (logo.imageData.size() + 2) / 3 * 4;
    svg.reserve(svg.size() + headBytes.size() + base64Size + tailBytes.size() + 8);
    svg += headBytes;
    svg += logo.imageData.toBase64();
    svg += tailBytes;
}

// Only a picture that decodes is embedded, as the raster output draws only such a picture.
bool hasDrawableLogo(const QRStyle& style) {
    return style.logoOverlay && !cachedLogoImage(style.logoOverlay->imageData).isNull();
}

}  // namespace

QByteArray svgDocumentUtf8(const ModuleMatrix& matrix, const QRStyle& storedStyle) {
    if (matrix.empty()) return {};
    const QRStyle style = drawableStyle(storedStyle);
    const ModuleLayout layout(matrix, style.flipVertical);
    const QString canvasEdge = formatShortest(
        ModuleFrame{svgModuleUnit, style.quietZoneModules}.canvasEdge(layout.size()));
    const QString paint = style.gradient ? QStringLiteral("url(#fg)") : hexRGB(style.foreground);

    QString svg = QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 ") +
                  canvasEdge + u' ' + canvasEdge + QStringLiteral("\">");
    if (style.gradient) appendGradient(svg, style.foreground, *style.gradient);
    svg += QStringLiteral("\n  <rect") + attribute("width", canvasEdge) +
           attribute("height", canvasEdge) + attribute("fill", hexRGB(style.background)) +
           QStringLiteral("/>");
    appendModules(svg, layout, style, paint);
    if (!layout.finderRects().empty()) appendFinders(svg, layout, style, paint);
    QByteArray bytes = svg.toUtf8();
    svg.clear();
    if (hasDrawableLogo(style)) {
        appendLogo(bytes, *style.logoOverlay, layout.size(), style.quietZoneModules);
    }
    bytes += "\n</svg>";
    return bytes;
}

QString svgDocument(const ModuleMatrix& matrix, const QRStyle& style) {
    return QString::fromUtf8(svgDocumentUtf8(matrix, style));
}

}  // namespace vostrel
