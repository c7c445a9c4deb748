#include "engine/scannability_checks.h"

#include <algorithm>
#include <cmath>

#include "render/finder_geometry.h"

namespace vostrel {
namespace {

constexpr double minimumContrast = 4.5;
constexpr double minimumGradientEdgeContrast = 3.0;
constexpr qint64 minimumQuietZoneModules = 4;
constexpr qint64 minimumExportSize = 200;
constexpr double largestLogoFraction = 0.25;
constexpr qsizetype badgesShown = 2;
constexpr double minimumPixelsPerModule = 3.0;
constexpr double minimumFinderThickness = 0.7;
// The plate a logo at the size limit gets with the default padding (0.25 + 2 · 0.15 · 0.25).
constexpr double largestLogoPlateFraction = largestLogoFraction * (1.0 + 2.0 * 0.15);

double linearChannel(double c) {
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double luminanceOf(const CodableColor& color) {
    return relativeLuminance(color.r, color.g, color.b);
}

std::optional<double> pixelsPerModule(const QRStyle& style, qint64 exportSize, int symbolSize) {
    if (symbolSize <= 0) return std::nullopt;
    const qint64 quietZone = std::max<qint64>(style.quietZoneModules, 0);
    return double(exportSize) / (double(symbolSize) + 2.0 * double(quietZone));
}

// The plate's edge as a fraction of the symbol's, when the logo has a plate and is itself within
// the size limit (beyond it, logoTooLarge already says so).
std::optional<double> logoPlateFraction(const QRStyle& style) {
    const auto& logo = style.logoOverlay;
    if (!logo || !logo->backgroundColor || logo->sizePercent > largestLogoFraction)
        return std::nullopt;
    return logo->sizePercent * (1.0 + 2.0 * logo->padding);
}

QList<ValidationWarning> readBackWarnings(const QRStyle& style, qint64 exportSize, int symbolSize) {
    QList<ValidationWarning> warnings;
    if (luminanceOf(style.foreground) > luminanceOf(style.background))
        warnings.append(ValidationWarning::lightOnDark());
    const auto pixels = pixelsPerModule(style, exportSize, symbolSize);
    if (pixels && *pixels < minimumPixelsPerModule)
        warnings.append(ValidationWarning::modulesTooSmall(*pixels));
    if (const double thickness = FinderStyle::of(style).thickness;
        thickness < minimumFinderThickness)
        warnings.append(ValidationWarning::thinFinderRings(thickness));
    const auto plate = logoPlateFraction(style);
    if (plate && *plate > largestLogoPlateFraction)
        warnings.append(ValidationWarning::logoPlateTooLarge(*plate));
    if (style.foreground.a < 1.0)
        warnings.append(ValidationWarning::translucentModules(std::max(style.foreground.a, 0.0)));
    return warnings;
}

}  // namespace

double relativeLuminance(double r, double g, double b) {
    return 0.2126 * linearChannel(r) + 0.7152 * linearChannel(g) + 0.0722 * linearChannel(b);
}

double contrastRatio(double luminanceA, double luminanceB) {
    const auto [darker, lighter] = std::minmax(luminanceA, luminanceB);
    return (lighter + 0.05) / (darker + 0.05);
}

QList<ValidationWarning> evaluateWarnings(const QRStyle& style, qint64 exportSize) {
    QList<ValidationWarning> warnings;
    const double foreground = luminanceOf(style.foreground);
    const double background = luminanceOf(style.background);
    if (const double ratio = contrastRatio(foreground, background); ratio < minimumContrast)
        warnings.append(ValidationWarning::lowContrast(ratio));
    if (style.quietZoneModules < minimumQuietZoneModules)
        warnings.append(ValidationWarning::insufficientQuietZone(style.quietZoneModules));
    if (style.gradient) {
        // Judged at the lighter end of the gradient, the one that fades into the usual light
        // background.
        const double paler = std::max(foreground, luminanceOf(style.gradient->endColor));
        const double ratio = contrastRatio(paler, background);
        if (ratio < minimumGradientEdgeContrast)
            warnings.append(ValidationWarning::gradientLowContrastAtEdge(ratio));
    }
    if (exportSize < minimumExportSize)
        warnings.append(ValidationWarning::exportSizeTooSmall(exportSize));
    if (const auto& logo = style.logoOverlay) {
        if (logo->sizePercent > largestLogoFraction)
            warnings.append(ValidationWarning::logoTooLarge());
        if (!logo->backgroundColor) warnings.append(ValidationWarning::logoNeedsBackground());
    }
    return warnings;
}

QList<ValidationWarning> evaluateDesignWarnings(const QRStyle& style, qint64 exportSize,
                                                int symbolSize) {
    return evaluateWarnings(style, exportSize) + readBackWarnings(style, exportSize, symbolSize);
}

QStringList badgeLabels(const QList<ValidationWarning>& warnings) {
    QStringList labels;
    for (const ValidationWarning& warning : warnings.first(std::min(warnings.size(), badgesShown)))
        labels.append(warning.badgeLabel());
    if (warnings.size() > badgesShown)
        labels.append(QStringLiteral("+%1 more").arg(warnings.size() - badgesShown));
    return labels;
}

}  // namespace vostrel
