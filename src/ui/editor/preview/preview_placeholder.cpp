#include "ui/editor/preview/preview_placeholder.h"

#include <QPainter>

#include "ui/editor/preview/symbol_canvas.h"

namespace vostrel {

PreviewPlaceholder::PreviewPlaceholder(const QString& text, QWidget* parent)
    : QWidget(parent), text_(text) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setMinimumSize(160, 160);
}

void PreviewPlaceholder::setText(const QString& text) {
    if (text == text_) return;
    text_ = text;
    update();
}

void PreviewPlaceholder::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF card = SymbolCanvas::cardRectIn(size());
    QColor fill = palette().color(QPalette::Mid);
    fill.setAlphaF(0.18f);
    QColor outline = palette().color(QPalette::Mid);
    outline.setAlphaF(0.7f);
    painter.setBrush(fill);
    painter.setPen(QPen(outline, 1.5, Qt::DashLine));
    painter.drawRoundedRect(card.adjusted(1, 1, -1, -1), SymbolCanvas::cardRadius,
                            SymbolCanvas::cardRadius);
    painter.setPen(palette().color(QPalette::PlaceholderText));
    painter.drawText(card.adjusted(24, 24, -24, -24), Qt::AlignCenter | Qt::TextWordWrap, text_);
}

}  // namespace vostrel
