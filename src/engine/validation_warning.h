#pragma once

#include <QString>
#include <QtGlobal>

namespace vostrel {

// Something about a style that may keep scanners from reading the symbol, with the figure that
// triggered it. Equal when of the same kind with an equal figure.
class ValidationWarning {
  public:
    // In the order the checks run and the preview lists them.
    enum class Kind {
        lowContrast,                // ratio: foreground against background
        insufficientQuietZone,      // size: the quiet zone in modules
        gradientLowContrastAtEdge,  // ratio: the paler gradient end against the background
        exportSizeTooSmall,         // size: the PNG edge in pixels
        logoTooLarge,
        logoNeedsBackground,
        // Found by reading designs back: what the six rules above let through.
        lightOnDark,         // the modules are lighter than the background
        modulesTooSmall,     // ratio: pixels per module at the PNG edge
        thinFinderRings,     // ratio: finder ring wall in modules
        logoPlateTooLarge,   // ratio: the plate's edge as a fraction of the symbol's
        translucentModules,  // ratio: the foreground's opacity
    };

    static ValidationWarning lowContrast(double ratio) { return {Kind::lowContrast, ratio, 0}; }
    static ValidationWarning insufficientQuietZone(qint64 modules) {
        return {Kind::insufficientQuietZone, 0.0, modules};
    }
    static ValidationWarning gradientLowContrastAtEdge(double ratio) {
        return {Kind::gradientLowContrastAtEdge, ratio, 0};
    }
    static ValidationWarning exportSizeTooSmall(qint64 px) {
        return {Kind::exportSizeTooSmall, 0.0, px};
    }
    static ValidationWarning logoTooLarge() { return {Kind::logoTooLarge, 0.0, 0}; }
    static ValidationWarning logoNeedsBackground() { return {Kind::logoNeedsBackground, 0.0, 0}; }
    static ValidationWarning lightOnDark() { return {Kind::lightOnDark, 0.0, 0}; }
    static ValidationWarning modulesTooSmall(double pixelsPerModule) {
        return {Kind::modulesTooSmall, pixelsPerModule, 0};
    }
    static ValidationWarning thinFinderRings(double thickness) {
        return {Kind::thinFinderRings, thickness, 0};
    }
    static ValidationWarning logoPlateTooLarge(double fraction) {
        return {Kind::logoPlateTooLarge, fraction, 0};
    }
    static ValidationWarning translucentModules(double opacity) {
        return {Kind::translucentModules, opacity, 0};
    }

    Kind kind() const { return kind_; }
    // The contrast ratio of the two contrast kinds, or the figure noted beside the kinds found by
    // reading designs back; 0 for the others.
    double ratio() const { return ratio_; }
    // Quiet zone modules or export pixels; 0 for the other kinds.
    qint64 size() const { return size_; }

    // Names the kind whatever its figure, for keeping lists apart: "lowContrast", "quietZone",
    // "gradientContrast", "exportSize", "logoTooLarge", "logoNeedsBackground", "lightOnDark",
    // "moduleSize", "finderThickness", "logoPlateSize", "moduleOpacity".
    QString id() const;
    // The short badge text; both contrast kinds read "Low contrast".
    QString badgeLabel() const;
    // The full sentence for the user and assistive technology, ratios with one decimal.
    QString message() const;

    bool operator==(const ValidationWarning&) const = default;

  private:
    ValidationWarning(Kind kind, double ratio, qint64 size)
        : kind_(kind), ratio_(ratio), size_(size) {}

    Kind kind_;
    double ratio_;
    qint64 size_;
};

size_t qHash(const ValidationWarning& warning, size_t seed = 0);

}  // namespace vostrel
