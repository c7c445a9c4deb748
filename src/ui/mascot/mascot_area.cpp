#include "ui/mascot/mascot_area.h"

#include <QPainter>

#include "ui/widgets/icons.h"

namespace vostrel {

namespace {

constexpr int hatWidth = 48;

}  // namespace

MascotArea::MascotArea(QSize size, QWidget* parent) : QAbstractButton(parent), size_(size) {
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    connect(this, &QAbstractButton::clicked, this, [this] { setJumpTrigger(jumpTrigger_ + 1); });
}

QString MascotArea::breatherText() {
    return tr("Vostrel is taking a breather.");
}

void MascotArea::setJumpTrigger(int jumpTrigger) {
    if (jumpTrigger_ == jumpTrigger) return;
    jumpTrigger_ = jumpTrigger;
    Q_EMIT jumpTriggerChanged(jumpTrigger_);
}

void MascotArea::setPartyHat(bool wears) {
    if (partyHat_ == wears) return;
    partyHat_ = wears;
    update();
}

void MascotArea::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area = QRectF(rect()).adjusted(8, 8, -8, -8);

    // The patch of ground the cricket will stand on, so the spot does not look forgotten.
    QColor ground = palette().color(QPalette::WindowText);
    ground.setAlphaF(0.08f);
    const qreal groundWidth = qMin(area.width() * 0.7, 220.0);
    const QRectF shadow(area.center().x() - groundWidth / 2, area.bottom() - 22, groundWidth, 16);
    painter.setPen(Qt::NoPen);
    painter.setBrush(ground);
    painter.drawEllipse(shadow);

    QFont font = this->font();
    font.setItalic(true);
    painter.setFont(font);
    // A small sign on a soft plate, readable on any part of a meadow.
    const QRectF textBox =
        QFontMetricsF(font).boundingRect(area, Qt::AlignCenter | Qt::TextWordWrap, breatherText());
    QColor plate = palette().color(QPalette::Window);
    plate.setAlphaF(0.55f);
    painter.setBrush(plate);
    const QRectF plateBox = textBox.adjusted(-14, -7, 14, 7);
    painter.drawRoundedRect(plateBox, plateBox.height() / 2, plateBox.height() / 2);
    QColor ink = palette().color(QPalette::WindowText);
    ink.setAlphaF(hasFocus() ? 0.95f : 0.7f);
    painter.setPen(ink);
    painter.drawText(area, Qt::AlignCenter | Qt::TextWordWrap, breatherText());
    if (partyHat_) paintPartyHat(painter, textBox);
}

void MascotArea::paintPartyHat(QPainter& painter, const QRectF& textBox) {
    const qreal ratio = devicePixelRatioF();
    if (hat_.isNull() || hat_.devicePixelRatio() != ratio) {
        hat_ = QPixmap::fromImage(vostrelPartyHatImage(qRound(hatWidth * ratio)));
        hat_.setDevicePixelRatio(ratio);
    }
    if (hat_.isNull()) return;
    const QSizeF size = hat_.deviceIndependentSize();
    const QPointF topLeft(textBox.center().x() - size.width() / 2,
                          qMax(0.0, textBox.top() - size.height() - 6));
    painter.save();
    // A jaunty angle: the hat sits on someone who is resting, not standing to attention.
    painter.translate(topLeft + QPointF(size.width() / 2, size.height()));
    painter.rotate(-10);
    painter.drawPixmap(QPointF(-size.width() / 2, -size.height()), hat_);
    painter.restore();
}

}  // namespace vostrel
