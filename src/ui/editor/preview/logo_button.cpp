#include "ui/editor/preview/logo_button.h"

#include <QMouseEvent>
#include <QPainter>

#include "ui/widgets/icons.h"
#include "ui/widgets/idle_sway.h"

namespace vostrel {

namespace {

constexpr int clickTolerance = 22;
constexpr qreal pressedScale = 0.92;
constexpr qreal hoverScale = 1.08;

}  // namespace

LogoButton::LogoButton(int edge, QWidget* parent)
    : QAbstractButton(parent), edge_(edge), sway_(new IdleSway(this, 2.0, 2.0, 1500)) {
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
    setAccessibleName(tr("About Vostrel"));
    setToolTip(tr("About Vostrel"));
    scale_.setStartValue(1.0);
    scale_.setEndValue(1.0);
    scale_.setCurrentTime(0);
    // A slight overshoot stands in for the springy feel of a physical button.
    scale_.setEasingCurve(QEasingCurve::OutBack);
    connect(&scale_, &QVariantAnimation::valueChanged, this, qOverload<>(&QWidget::update));
    connect(sway_, &IdleSway::changed, this, qOverload<>(&QWidget::update));
}

QSize LogoButton::sizeHint() const {
    return QSize(edge_, edge_);
}

qreal LogoButton::restingScale() const {
    if (pressed_) return pressedScale;
    return hovering_ ? hoverScale : 1.0;
}

void LogoButton::animateScaleTo(qreal target, int durationMs) {
    const qreal from = currentScale();
    scale_.stop();
    scale_.setStartValue(from);
    scale_.setEndValue(target);
    scale_.setDuration(durationMs);
    scale_.start();
}

void LogoButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QPointF centre = QRectF(rect()).center();
    painter.translate(centre.x(), centre.y() + sway_->offset());
    painter.rotate(sway_->angle());
    painter.scale(currentScale(), currentScale());
    // The sway repaints many times a second; the picture is drawn from its SVG only once.
    if (logo_.isNull() || logo_.devicePixelRatio() != devicePixelRatioF())
        logo_ = vostrelLogo(edge_, devicePixelRatioF());
    painter.drawPixmap(QRectF(-edge_ / 2.0, -edge_ / 2.0, edge_, edge_), logo_, logo_.rect());
}

void LogoButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return QAbstractButton::mousePressEvent(event);
    pressPoint_ = event->position().toPoint();
    if (!pressed_) {
        pressed_ = true;
        animateScaleTo(restingScale(), 180);
    }
    event->accept();
}

void LogoButton::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !pressed_)
        return QAbstractButton::mouseReleaseEvent(event);
    pressed_ = false;
    animateScaleTo(restingScale(), 320);
    const QPoint travel = event->position().toPoint() - pressPoint_;
    if (std::abs(travel.x()) < clickTolerance && std::abs(travel.y()) < clickTolerance)
        Q_EMIT clicked();
    event->accept();
}

void LogoButton::enterEvent(QEnterEvent* event) {
    hovering_ = true;
    animateScaleTo(restingScale(), 300);
    QAbstractButton::enterEvent(event);
}

void LogoButton::leaveEvent(QEvent* event) {
    hovering_ = false;
    animateScaleTo(restingScale(), 300);
    QAbstractButton::leaveEvent(event);
}

}  // namespace vostrel
