#include "ui/widgets/button_styles.h"

#include <QPushButton>

#include "ui/widgets/icons.h"
#include "ui/widgets/palette_colors.h"

namespace vostrel {

QString cssRgba(const QColor& color, qreal alpha) {
    return QStringLiteral("rgba(%1, %2, %3, %4)")
        .arg(color.red())
        .arg(color.green())
        .arg(color.blue())
        .arg(int(alpha * 255));
}

void makeProminent(QPushButton* button, const QString& symbolName) {
    const QPalette palette = button->palette();
    const QColor accent = accentColor(palette);
    const bool dark = isDarkPalette(palette);
    const QColor ink = dark ? QColor(0x08, 0x21, 0x0f) : QColor(Qt::white);
    button->setIcon(symbolIcon(symbolName, ink));
    button->setStyleSheet(
        QStringLiteral("QPushButton { background: %1; color: %2; border: none; "
                       "border-radius: 10px; padding: 10px 18px; font-weight: 600; }"
                       "QPushButton:hover { background: %3; }"
                       "QPushButton:pressed { background: %4; }"
                       "QPushButton:focus { border: 2px solid %5; }")
            .arg(accent.name(), ink.name(), accent.lighter(dark ? 112 : 118).name(),
                 accent.darker(115).name(), cssRgba(palette.color(QPalette::WindowText), 0.35)));
}

}  // namespace vostrel
