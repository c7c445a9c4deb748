#include "ui/widgets/fonts.h"

#include <QFontDatabase>

namespace vostrel {

QFont scaledFont(const QFont& base, qreal factor) {
    QFont font = base;
    font.setPointSizeF(base.pointSizeF() * factor);
    return font;
}

QFont scaledFont(const QFont& base, qreal factor, QFont::Weight weight) {
    QFont font = scaledFont(base, factor);
    font.setWeight(weight);
    return font;
}

QFont headlineFont(const QFont& base) {
    return scaledFont(base, 1.25, QFont::DemiBold);
}

QFont monospacedFont(const QFont& base, qreal factor) {
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSizeF(base.pointSizeF() * factor);
    return font;
}

}  // namespace vostrel
