#include "ui/widgets/segmented_control.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPainter>

#include "ui/widgets/accessibility.h"
#include "ui/widgets/focus_frame.h"
#include "ui/widgets/palette_colors.h"

namespace vostrel {

namespace {

constexpr int trackInset = 2;
constexpr qreal trackRadius = 7;

}  // namespace

Segment::Segment(const QString& text, QWidget* parent) : QAbstractButton(parent) {
    setText(text);
    setCheckable(true);
    setFocusPolicy(Qt::NoFocus);  // the control takes the focus and moves with arrow keys
    setCursor(Qt::PointingHandCursor);
    setAttribute(Qt::WA_Hover);
}

QSize Segment::sizeHint() const {
    const QFontMetrics metrics(font());
    return QSize(metrics.horizontalAdvance(text()) + 20, metrics.height() + 8);
}

QSize Segment::minimumSizeHint() const {
    const QFontMetrics metrics(font());
    return QSize(metrics.horizontalAdvance(text()) + 8, metrics.height() + 8);
}

void Segment::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPalette& colors = palette();
    if (isChecked()) {
        const bool dark = isDarkPalette(colors);
        painter.setPen(QPen(withAlpha(colors.color(QPalette::Shadow), dark ? 0.5f : 0.18f), 1));
        painter.setBrush(dark ? colors.color(QPalette::Button).lighter(135)
                              : colors.color(QPalette::Base));
        painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), trackRadius - 1,
                                trackRadius - 1);
    } else if (underMouse()) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(withAlpha(colors.color(QPalette::Mid), 0.25f));
        painter.drawRoundedRect(rect(), trackRadius - 1, trackRadius - 1);
    }
    painter.setPen(isEnabled() ? colors.color(QPalette::ButtonText)
                               : colors.color(QPalette::Disabled, QPalette::ButtonText));
    painter.drawText(rect(), Qt::AlignCenter, text());
}

SegmentedControl::SegmentedControl(QWidget* parent)
    : QWidget(parent), group_(new QButtonGroup(this)), layout_(new QHBoxLayout(this)) {
    layout_->setContentsMargins(trackInset, trackInset, trackInset, trackInset);
    layout_->setSpacing(2);
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    setAccessibleRole(this, QAccessible::PageTabList);
    connect(group_, &QButtonGroup::idClicked, this, &SegmentedControl::choose);
}

Segment* SegmentedControl::addSegment(const QString& text, const QString& accessibleName,
                                      const QString& accessibleValue) {
    auto* segment = new Segment(text, this);
    segment->setAccessibleName(accessibleName.isEmpty() ? text : accessibleName);
    group_->addButton(segment, int(segments_.size()));
    layout_->addWidget(segment, 1);
    segments_.append(segment);
    values_.append(accessibleValue.isEmpty() ? text : accessibleValue);
    return segment;
}

int SegmentedControl::currentIndex() const {
    return group_->checkedId();
}

void SegmentedControl::setCurrentIndex(int index) {
    if (Segment* chosen = segment(index)) {
        chosen->setChecked(true);
    } else if (QAbstractButton* checked = group_->checkedButton()) {
        group_->setExclusive(false);
        checked->setChecked(false);
        group_->setExclusive(true);
    }
    updateAccessibleValue();
}

void SegmentedControl::choose(int index) {
    setCurrentIndex(index);
    Q_EMIT activated(index);
}

void SegmentedControl::updateAccessibleValue() {
    setAccessibleValue(this, values_.value(currentIndex()));
}

void SegmentedControl::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(withAlpha(palette().color(QPalette::Mid), 0.35f));
    painter.drawRoundedRect(rect(), trackRadius, trackRadius);
    paintFocusFrame(painter, this, rect().adjusted(1, 1, -1, -1));
}

void SegmentedControl::keyPressEvent(QKeyEvent* event) {
    const int step = event->key() == Qt::Key_Left ? -1 : event->key() == Qt::Key_Right ? 1 : 0;
    if (step == 0 || count() == 0) return QWidget::keyPressEvent(event);
    const int next = std::clamp(currentIndex() + step, 0, count() - 1);
    if (next != currentIndex()) choose(next);
}

}  // namespace vostrel
