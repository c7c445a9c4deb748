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

    Kind kind() const { return kind_; }
    // The contrast ratio of the two contrast kinds; 0 for the others.
    double ratio() const { return ratio_; }
    // Quiet zone modules or export pixels; 0 for the other kinds.
    qint64 size() const { return size_; }

    // Names the kind whatever its figure, for keeping lists apart: "lowContrast", "quietZone",
    // "gradientContrast", "exportSize", "logoTooLarge", "logoNeedsBackground".
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
