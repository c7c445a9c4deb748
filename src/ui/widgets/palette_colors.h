#pragma once

#include <QColor>
#include <QPalette>

class QPainter;
class QRectF;

namespace vostrel {

// The few named colours the windows use beyond the palette's roles, each readable on both light
// and dark window backgrounds.
QColor accentColor(const QPalette& palette);
QColor cyanColor(const QPalette& palette);
QColor warningColor(const QPalette& palette);
QColor successColor(const QPalette& palette);
// For commands that destroy something, such as Delete.
QColor destructiveColor(const QPalette& palette);

// A step quieter than the placeholder colour, which secondary labels use: for large decorative
// symbols and small print.
QColor tertiaryLabelColor(const QPalette& palette);

// The colour at another opacity (0 transparent, 1 opaque).
QColor withAlpha(QColor color, float alpha);

// A rounded card of `tint` at 8 % opacity filling `rect`, as behind the form remarks.
void paintTintedCard(QPainter& painter, const QRectF& rect, const QColor& tint, qreal radius);

// True when the window background is dark, so colours can pick their dark-mode variant.
bool isDarkPalette(const QPalette& palette);

}  // namespace vostrel
