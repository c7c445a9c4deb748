#include "ui/widgets/fonts.h"

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

}  // namespace vostrel
