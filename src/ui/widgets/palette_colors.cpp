#include "ui/widgets/palette_colors.h"

#include <QPainter>

namespace vostrel {

QColor withAlpha(QColor color, float alpha) {
    color.setAlphaF(alpha);
    return color;
}

QColor tertiaryLabelColor(const QPalette& palette) {
    const QColor secondary = palette.color(QPalette::PlaceholderText);
    return withAlpha(secondary, secondary.alphaF() * 0.6f);
}

void paintTintedCard(QPainter& painter, const QRectF& rect, const QColor& tint, qreal radius) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(withAlpha(tint, 0.08f));
    painter.drawRoundedRect(rect, radius, radius);
    painter.restore();
}

bool isDarkPalette(const QPalette& palette) {
    return palette.color(QPalette::Window).lightnessF() < 0.5;
}

// The application's own accent: a cricket green, lighter on dark backgrounds.
QColor accentColor(const QPalette& palette) {
    return isDarkPalette(palette) ? QColor(0x5c, 0xc9, 0x7b) : QColor(0x1f, 0x8a, 0x4c);
}

QColor cyanColor(const QPalette& palette) {
    return isDarkPalette(palette) ? QColor(0x5a, 0xd8, 0xe6) : QColor(0x0b, 0x7f, 0x95);
}

QColor warningColor(const QPalette& palette) {
    return isDarkPalette(palette) ? QColor(0xff, 0xd6, 0x0a) : QColor(0xc9, 0x8a, 0x00);
}

QColor destructiveColor(const QPalette& palette) {
    return isDarkPalette(palette) ? QColor(0xff, 0x5c, 0x52) : QColor(0xc9, 0x2a, 0x2a);
}

QColor successColor(const QPalette& palette) {
    return isDarkPalette(palette) ? QColor(0x30, 0xd1, 0x58) : QColor(0x24, 0x8a, 0x3d);
}

}  // namespace vostrel
