#include "ui/widgets/idle_sway.h"

#include <QEvent>
#include <QWidget>

namespace vostrel {

IdleSway::IdleSway(QWidget* target, qreal amplitude, qreal tilt, int durationMs)
    : QObject(target), target_(target), amplitude_(amplitude), tilt_(tilt) {
    animation_.setDuration(durationMs);
    animation_.setEasingCurve(QEasingCurve::InOutSine);
    animation_.setStartValue(0.0);
    animation_.setEndValue(1.0);
    connect(&animation_, &QVariantAnimation::valueChanged, this, &IdleSway::changed);
    connect(&animation_, &QVariantAnimation::finished, &rest_, qOverload<>(&QTimer::start));
    rest_.setSingleShot(true);
    rest_.setInterval(durationMs);
    connect(&rest_, &QTimer::timeout, this, &IdleSway::swing);
    target->installEventFilter(this);
}

// Progress from phase 0 towards phase 1, whichever way the last swing went.
static qreal towardsPhaseOne(int phase, const QVariantAnimation& animation) {
    const qreal t = animation.currentValue().toReal();
    return phase == 1 ? t : 1.0 - t;
}

qreal IdleSway::offset() const {
    return -amplitude_ * towardsPhaseOne(phase_, animation_);
}

qreal IdleSway::angle() const {
    return tilt_ - 2.0 * tilt_ * towardsPhaseOne(phase_, animation_);
}

void IdleSway::swing() {
    phase_ = 1 - phase_;
    animation_.start();
}

void IdleSway::startIfActive() {
    const bool active = target_ && target_->isVisible() && target_->window()->isActiveWindow();
    if (active && animation_.state() != QAbstractAnimation::Running && !rest_.isActive()) {
        swing();
    } else if (!active) {
        animation_.stop();
        rest_.stop();
    }
}

bool IdleSway::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::Show:
            if (watched == target_ && watchedWindow_ != target_->window()) {
                watchedWindow_ = target_->window();
                watchedWindow_->installEventFilter(this);
            }
            startIfActive();
            break;
        case QEvent::Hide:
        case QEvent::WindowActivate:
        case QEvent::WindowDeactivate:
            startIfActive();
            break;
        default:
            break;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace vostrel
