#include "engine/scannability_checks.h"

#include <algorithm>
#include <cmath>

namespace vostrel {
namespace {

constexpr double minimumContrast = 4.5;
constexpr double minimumGradientEdgeContrast = 3.0;
constexpr qint64 minimumQuietZoneModules = 4;
constexpr qint64 minimumExportSize = 200;
constexpr double largestLogoFraction = 0.25;
constexpr qsizetype badgesShown = 2;

double linearChannel(double c) {
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double luminanceOf(const CodableColor& color) {
    return relativeLuminance(color.r, color.g, color.b);
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

QStringList badgeLabels(const QList<ValidationWarning>& warnings) {
    QStringList labels;
    for (const ValidationWarning& warning : warnings.first(std::min(warnings.size(), badgesShown)))
        labels.append(warning.badgeLabel());
    if (warnings.size() > badgesShown)
        labels.append(QStringLiteral("+%1 more").arg(warnings.size() - badgesShown));
    return labels;
}

}  // namespace vostrel
