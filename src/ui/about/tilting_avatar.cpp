#include "ui/about/tilting_avatar.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "ui/widgets/focus_frame.h"
#include "ui/widgets/icons.h"
#include "ui/widgets/palette_colors.h"
#include "ui/widgets/reduce_motion.h"

namespace vostrel {

namespace {

constexpr int springMs = 600;

// A spring with a response of 0.3 s and a damping fraction of 0.5, run for springMs: it
// overshoots, swings back once and settles.
qreal spring(qreal progress) {
    constexpr qreal response = 0.3, damping = 0.5;
    const qreal omega = 2 * M_PI / response;
    const qreal dampedOmega = omega * std::sqrt(1 - damping * damping);
    const qreal t = progress * springMs / 1000.0;
    const qreal decay = std::exp(-damping * omega * t);
    const qreal wave =
        std::cos(dampedOmega * t) + damping * omega / dampedOmega * std::sin(dampedOmega * t);
    return progress >= 1 ? 1 : 1 - decay * wave;
}

}  // namespace

TiltingAvatar::TiltingAvatar(int edge, QWidget* parent) : QAbstractButton(parent), edge_(edge) {
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setAccessibleName(tr("Vostrel"));
    angle_.setStartValue(0.0);
    angle_.setEndValue(0.0);
    angle_.setDuration(springMs);
    QEasingCurve curve;
    curve.setCustomType(spring);
    angle_.setEasingCurve(curve);
    angle_.setCurrentTime(springMs);
    connect(&angle_, &QVariantAnimation::valueChanged, this, qOverload<>(&QWidget::update));
    connect(this, &QAbstractButton::clicked, this, &TiltingAvatar::toggleTilt);
}

void TiltingAvatar::toggleTilt() {
    const qreal from = currentAngle();
    target_ = target_ == 0 ? tiltedAngle : 0;
    angle_.stop();
    angle_.setStartValue(from);
    angle_.setEndValue(target_);
    if (prefersReducedMotion()) {
        angle_.setCurrentTime(springMs);
        update();
    } else {
        angle_.start();
    }
}

void TiltingAvatar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    const QPointF centre = QRectF(rect()).center();
    painter.translate(centre);
    painter.rotate(currentAngle());
    const qreal radius = edge_ / 2.0 - 1.5;
    QColor ground = cyanColor(palette());
    ground.setAlphaF(0.1f);
    painter.setPen(Qt::NoPen);
    painter.setBrush(ground);
    painter.drawEllipse(QPointF(), radius, radius);

    const int inner = qRound(edge_ * 0.78);
    if (logo_.isNull() || logo_.devicePixelRatio() != devicePixelRatioF())
        logo_ = vostrelLogo(inner, devicePixelRatioF());
    QPainterPath circle;
    circle.addEllipse(QPointF(), radius, radius);
    painter.setClipPath(circle);
    painter.drawPixmap(QRectF(-inner / 2.0, -inner / 2.0, inner, inner), logo_, logo_.rect());
    painter.setClipping(false);

    painter.setPen(QPen(cyanColor(palette()), showsKeyboardFocus(this) ? 2.5 : 1.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QPointF(), radius, radius);
}

}  // namespace vostrel
