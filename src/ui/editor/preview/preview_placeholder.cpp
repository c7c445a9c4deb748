#include "ui/editor/preview/preview_placeholder.h"

#include <QPainter>

#include "ui/editor/preview/symbol_canvas.h"
#include "ui/widgets/fonts.h"

namespace vostrel {

PreviewPlaceholder::PreviewPlaceholder(const QString& text, QWidget* parent)
    : QWidget(parent), text_(text) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setMinimumSize(160, 160);
}

void PreviewPlaceholder::setText(const QString& text, const QString& detail) {
    if (text == text_ && detail == detail_) return;
    text_ = text;
    detail_ = detail;
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
    const QRectF area = card.adjusted(24, 24, -24, -24);
    const int flags = Qt::AlignHCenter | Qt::TextWordWrap;
    const QFont detailFont = scaledFont(font(), captionScale);
    const qreal gap = detail_.isEmpty() ? 0 : 8;
    const QRectF textBox = painter.boundingRect(area, flags, text_);
    const QRectF detailBox = QFontMetricsF(detailFont).boundingRect(area, flags, detail_);
    qreal top = area.center().y() - (textBox.height() + gap + detailBox.height()) / 2;
    painter.drawText(QRectF(area.left(), top, area.width(), textBox.height()), flags, text_);
    if (detail_.isEmpty()) return;
    top += textBox.height() + gap;
    painter.setFont(detailFont);
    painter.drawText(QRectF(area.left(), top, area.width(), detailBox.height()), flags, detail_);
}

}  // namespace vostrel
