#include "ui/widgets/trackpad_pan_catcher.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>
#include <QWidget>

namespace vostrel {

namespace {

std::optional<QSizeF> arrowStep(int key) {
    const qreal step = TrackpadPanCatcher::keyStep;
    switch (key) {
        case Qt::Key_Left:
            return QSizeF(-step, 0);
        case Qt::Key_Right:
            return QSizeF(step, 0);
        case Qt::Key_Up:
            return QSizeF(0, -step);
        case Qt::Key_Down:
            return QSizeF(0, step);
        default:
            return std::nullopt;
    }
}

QSizeF sizeOf(QPointF point) {
    return QSizeF(point.x(), point.y());
}

}  // namespace

TrackpadPanCatcher::TrackpadPanCatcher(QWidget* target, TaskClock& clock)
    : QObject(target), clock_(clock) {
    target->installEventFilter(this);
}

bool TrackpadPanCatcher::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::Wheel:
            return handleWheel(*static_cast<QWheelEvent*>(event));
        case QEvent::MouseButtonPress:
        case QEvent::MouseMove:
        case QEvent::MouseButtonRelease:
            return handleMouse(*static_cast<QMouseEvent*>(event));
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
            return handleKey(*static_cast<QKeyEvent*>(event));
        case QEvent::FocusOut:
            // The key releases that would end the pan go to someone else now. A button release
            // still comes back: the pointer is grabbed while the button is down.
            if (inPan_ && device_ == PanDevice::keys) finish(PanState::cancelled);
            break;
        case QEvent::Hide:
            if (inPan_ && device_ != PanDevice::trackpad) finish(PanState::cancelled);
            break;
        default:
            break;
    }
    return QObject::eventFilter(watched, event);
}

bool TrackpadPanCatcher::handleWheel(const QWheelEvent& event) {
    const bool precise = !event.pixelDelta().isNull() || event.phase() != Qt::NoScrollPhase;
    if (!precise || (inPan_ && device_ != PanDevice::trackpad)) return false;
    const QSizeF delta = sizeOf(event.pixelDelta());
    switch (event.phase()) {
        case Qt::ScrollMomentum:
            // Momentum starts when the fingers leave the trackpad.
            if (inPan_) finish(PanState::ended);
            return capturesMomentum_ && ownsMomentum_;
        case Qt::ScrollBegin:
            if (inPan_) finish(PanState::cancelled);
            begin(PanDevice::trackpad);
            ownsMomentum_ = true;
            return true;
        case Qt::ScrollUpdate:
            if (!inPan_) return false;
            move(accumulated_ + delta);
            return true;
        case Qt::ScrollEnd:
            // After momentum, the end of the momentum.
            if (inPan_)
                finish(PanState::ended);
            else
                ownsMomentum_ = false;
            return true;
        case Qt::NoScrollPhase:
            return handlePhaselessWheel(event);
    }
    return false;
}

bool TrackpadPanCatcher::handlePhaselessWheel(const QWheelEvent& event) {
    if (!inPan_) begin(PanDevice::trackpad);
    move(accumulated_ + sizeOf(event.pixelDelta()));
    pauseEnd_ = clock_.schedule(phaselessPause, [this] {
        if (inPan_ && device_ == PanDevice::trackpad) finish(PanState::ended);
    });
    return true;
}

bool TrackpadPanCatcher::handleMouse(const QMouseEvent& event) {
    const bool pointerPan = inPan_ && device_ == PanDevice::pointer;
    switch (event.type()) {
        case QEvent::MouseButtonPress:
            if (event.button() != Qt::LeftButton || !(event.modifiers() & Qt::ShiftModifier) ||
                inPan_)
                return false;
            pressPoint_ = event.position();
            begin(PanDevice::pointer);
            return true;
        case QEvent::MouseMove:
            if (pointerPan) move(sizeOf(event.position() - pressPoint_));
            return pointerPan;
        case QEvent::MouseButtonRelease:
            if (!pointerPan || event.button() != Qt::LeftButton) return pointerPan;
            move(sizeOf(event.position() - pressPoint_));
            finish(PanState::ended);
            return true;
        default:
            return false;
    }
}

bool TrackpadPanCatcher::handleKey(const QKeyEvent& event) {
    const std::optional<QSizeF> step = arrowStep(event.key());
    const bool plain = (event.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (!step || !plain || (inPan_ && device_ != PanDevice::keys)) return false;
    if (event.type() == QEvent::KeyPress) {
        if (!inPan_) begin(PanDevice::keys);
        heldArrows_.insert(event.key());
        move(accumulated_ + *step);
    } else if (!inPan_) {
        return false;
    } else if (!event.isAutoRepeat()) {
        heldArrows_.remove(event.key());
        if (heldArrows_.isEmpty()) finish(PanState::ended);
    }
    return true;
}

void TrackpadPanCatcher::begin(PanDevice device) {
    accumulated_ = QSizeF(0, 0);
    inPan_ = true;
    device_ = device;
    report(PanState::began);
}

void TrackpadPanCatcher::move(QSizeF accumulated) {
    accumulated_ = accumulated;
    report(PanState::changed);
}

void TrackpadPanCatcher::finish(PanState state) {
    report(state);
    accumulated_ = QSizeF(0, 0);
    inPan_ = false;
    heldArrows_.clear();
    pauseEnd_.cancel();
}

void TrackpadPanCatcher::report(PanState state) {
    if (onChange_) onChange_(state, accumulated_, device_);
}

}  // namespace vostrel
