#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QVariantAnimation>

class QWidget;

namespace vostrel {

// A gentle idle motion for a small picture: while its window is active, every `duration` the
// phase eases from one pose to the other and then rests as long. Phase 0 rests at +tilt degrees,
// phase 1 lifted by `amplitude` pixels and tilted to -tilt. The owner paints with offset() and
// angle() and repaints on changed().
class IdleSway : public QObject {
    Q_OBJECT

  public:
    IdleSway(QWidget* target, qreal amplitude, qreal tilt, int durationMs);

    qreal offset() const;  // vertical, in pixels (negative is up)
    qreal angle() const;   // degrees, clockwise

  Q_SIGNALS:
    void changed();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void startIfActive();
    void swing();

    QPointer<QWidget> target_;
    QPointer<QWidget> watchedWindow_;
    qreal amplitude_;
    qreal tilt_;
    int phase_ = 0;
    QVariantAnimation animation_;
    QTimer rest_;
};

}  // namespace vostrel
