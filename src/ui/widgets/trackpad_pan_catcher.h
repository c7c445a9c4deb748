#pragma once

#include <QObject>
#include <QPointF>
#include <QSet>
#include <QSizeF>
#include <functional>

#include "ui/widgets/task_clock.h"

class QKeyEvent;
class QMouseEvent;
class QWheelEvent;
class QWidget;

namespace vostrel {

enum class PanState { began, changed, ended, cancelled };

// Where a pan comes from. Keys move in steps, the others continuously.
enum class PanDevice { trackpad, pointer, keys };

// Turns the gestures of a widget into one pan: began, then changed with the travel since the
// start (in pixels: x to the right, y downward), then ended or cancelled. Three ways in:
// - two fingers on a trackpad: wheel events with pixel deltas. With scroll phases the phases
//   say when the pan begins and ends; without them a pause of 150 ms ends it. Ordinary wheel
//   events (no pixel deltas, no phase) go on to the widgets around untouched;
// - Shift + primary-button drag (a plain drag stays with the widget);
// - the arrow keys while the widget has focus: each press travels 16 px, and letting go of the
//   last arrow ends the pan.
// Momentum after the fingers leave the trackpad ends the pan; the momentum events are kept from
// the widgets around only with capturesMomentum, and only when they follow a pan of this widget.
class TrackpadPanCatcher : public QObject {
    Q_OBJECT

  public:
    using Callback = std::function<void(PanState, QSizeF translation, PanDevice)>;

    explicit TrackpadPanCatcher(QWidget* target, TaskClock& clock = TaskClock::system());

    void setOnChange(Callback onChange) { onChange_ = std::move(onChange); }
    void setCapturesMomentum(bool captures) { capturesMomentum_ = captures; }
    bool isPanning() const { return inPan_; }

    static constexpr qreal keyStep = 16;
    static constexpr std::chrono::milliseconds phaselessPause{150};

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool handleWheel(const QWheelEvent& event);
    bool handlePhaselessWheel(const QWheelEvent& event);
    bool handleMouse(const QMouseEvent& event);
    bool handleKey(const QKeyEvent& event);
    void begin(PanDevice device);
    void move(QSizeF accumulated);
    void finish(PanState state);
    void report(PanState state);

    TaskClock& clock_;
    Callback onChange_;
    QSizeF accumulated_{0, 0};
    bool inPan_ = false;
    bool capturesMomentum_ = false;
    bool ownsMomentum_ = false;
    PanDevice device_ = PanDevice::trackpad;
    QPointF pressPoint_;
    QSet<int> heldArrows_;
    ScheduledTask pauseEnd_;
};

}  // namespace vostrel
