#include "engine/validation_warning.h"

#include <QHashFunctions>

#include "common/number_format.h"

namespace vostrel {

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
    }
    return {};
}

size_t qHash(const ValidationWarning& warning, size_t seed) {
    return qHashMulti(seed, static_cast<int>(warning.kind()), warning.ratio(), warning.size());
}

}  // namespace vostrel
