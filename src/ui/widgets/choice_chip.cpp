#include "ui/widgets/choice_chip.h"

#include <QPainter>

#include "ui/widgets/focus_frame.h"
#include "ui/widgets/fonts.h"
#include "ui/widgets/palette_colors.h"

namespace vostrel {

namespace {

constexpr QMargins chipPadding(9, 4, 9, 4);
constexpr qreal chipRadius = 7;

}  // namespace

ChoiceChip::ChoiceChip(const QString& text, QWidget* parent) : QAbstractButton(parent) {
    setText(text);
    setCheckable(true);
    setFont(scaledFont(font(), captionScale, QFont::Medium));
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
    setAttribute(Qt::WA_Hover);
}

QSize ChoiceChip::sizeHint() const {
    const QFontMetrics metrics(font());
    return QSize(metrics.horizontalAdvance(text()), metrics.height()).grownBy(chipPadding);
}

void ChoiceChip::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor accent = accentColor(palette());
    const QColor secondary = palette().color(QPalette::PlaceholderText);
    const QColor textColor = isChecked() ? accent : secondary;
    QColor fill = isChecked()
                      ? withAlpha(accent, 0.10f)
                      : withAlpha(palette().color(QPalette::Mid), underMouse() ? 0.4f : 0.2f);
    const QColor outline = isChecked() ? withAlpha(accent, 0.45f) : withAlpha(secondary, 0.25f);
    painter.setPen(QPen(outline, 1));
    painter.setBrush(fill);
    const QRectF frame = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    painter.drawRoundedRect(frame, chipRadius, chipRadius);
    paintFocusFrame(painter, this, rect().adjusted(1, 1, -1, -1));
    painter.setPen(isEnabled() ? textColor : withAlpha(secondary, 0.5f));
    painter.drawText(rect(), Qt::AlignCenter, text());
}

}  // namespace vostrel
