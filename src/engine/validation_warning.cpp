#include "engine/validation_warning.h"

#include <QHashFunctions>

#include "common/number_format.h"

namespace vostrel {

namespace {

// A fraction as the inspector shows it: 0.555 is "55%".
QString percentText(double fraction) {
    return QString::number(wholePercent(fraction)) + u'%';
}

}  // namespace

QString ValidationWarning::id() const {
    switch (kind_) {
        case Kind::lowContrast:
            return QStringLiteral("lowContrast");
        case Kind::insufficientQuietZone:
            return QStringLiteral("quietZone");
        case Kind::gradientLowContrastAtEdge:
            return QStringLiteral("gradientContrast");
        case Kind::exportSizeTooSmall:
            return QStringLiteral("exportSize");
        case Kind::logoTooLarge:
            return QStringLiteral("logoTooLarge");
        case Kind::logoNeedsBackground:
            return QStringLiteral("logoNeedsBackground");
        case Kind::lightOnDark:
            return QStringLiteral("lightOnDark");
        case Kind::modulesTooSmall:
            return QStringLiteral("moduleSize");
        case Kind::thinFinderRings:
            return QStringLiteral("finderThickness");
        case Kind::logoPlateTooLarge:
            return QStringLiteral("logoPlateSize");
        case Kind::translucentModules:
            return QStringLiteral("moduleOpacity");
    }
    return {};
}

QString ValidationWarning::badgeLabel() const {
    switch (kind_) {
        case Kind::lowContrast:
        case Kind::gradientLowContrastAtEdge:
            return QStringLiteral("Low contrast");
        case Kind::insufficientQuietZone:
            return QStringLiteral("Tight quiet zone");
        case Kind::exportSizeTooSmall:
            return QStringLiteral("Low resolution");
        case Kind::logoTooLarge:
            return QStringLiteral("Logo too large");
        case Kind::logoNeedsBackground:
            return QStringLiteral("Logo needs background");
        case Kind::lightOnDark:
            return QStringLiteral("Light on dark");
        case Kind::modulesTooSmall:
            return QStringLiteral("Tiny modules");
        case Kind::thinFinderRings:
            return QStringLiteral("Thin finder rings");
        case Kind::logoPlateTooLarge:
            return QStringLiteral("Logo plate too large");
        case Kind::translucentModules:
            return QStringLiteral("Faint modules");
    }
    return {};
}

QString ValidationWarning::message() const {
    switch (kind_) {
        case Kind::lowContrast:
            return QStringLiteral("Low contrast: ratio is ") + formatFixed(ratio_, 1) +
                   QStringLiteral(":1. Minimum for reliable scanning is 4.5:1.");
        case Kind::insufficientQuietZone:
            return QStringLiteral("Quiet zone is ") + QString::number(size_) +
                   QStringLiteral(" modules. Minimum recommended is 4.");
        case Kind::gradientLowContrastAtEdge:
            return QStringLiteral("Gradient contrast at edge: ") + formatFixed(ratio_, 1) +
                   QStringLiteral(":1. May be hard to scan.");
        case Kind::exportSizeTooSmall:
            return QStringLiteral("Export size is ") + QString::number(size_) +
                   QStringLiteral("px. Minimum recommended is 200px.");
        case Kind::logoTooLarge:
            return QStringLiteral(
                "Logo covers more than 25% of the QR code. This may prevent reliable scanning.");
        case Kind::logoNeedsBackground:
            return QStringLiteral(
                "Logo has no background. It may be hard to see against the QR modules.");
        case Kind::lightOnDark:
            return QStringLiteral(
                "Modules are lighter than the background. Most scanners only read dark modules "
                "on a light background.");
        case Kind::modulesTooSmall:
            return QStringLiteral("Modules are ") + formatFixed(ratio_, 1) +
                   QStringLiteral("px at the export size. Minimum recommended is 3px.");
        case Kind::thinFinderRings:
            return QStringLiteral("Finder rings are ") + percentText(ratio_) +
                   QStringLiteral(" thick. Minimum recommended is 70%.");
        case Kind::logoPlateTooLarge:
            return QStringLiteral("Logo with its padding covers ") + percentText(ratio_) +
                   QStringLiteral(" of the QR code's width. This may prevent reliable scanning.");
        case Kind::translucentModules:
            return QStringLiteral("Foreground opacity is ") + percentText(ratio_) +
                   QStringLiteral(". Modules scan best fully opaque.");
    }
    return {};
}

size_t qHash(const ValidationWarning& warning, size_t seed) {
    return qHashMulti(seed, static_cast<int>(warning.kind()), warning.ratio(), warning.size());
}

}  // namespace vostrel
