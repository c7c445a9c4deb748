#pragma once

#include <QAbstractButton>
#include <QPixmap>
#include <QVariantAnimation>

namespace vostrel {

// The little mascot beside a journal entry: the logo in a circle with a cyan rim. A click tilts
// it to -12 degrees or back upright with a springy wobble (at once where the user prefers
// reduced motion).
class TiltingAvatar : public QAbstractButton {
    Q_OBJECT

  public:
    static constexpr qreal tiltedAngle = -12;

    explicit TiltingAvatar(int edge, QWidget* parent = nullptr);

    // Where the avatar is heading: 0 or tiltedAngle.
    qreal avatarTilt() const { return target_; }
    // Where it is drawn right now.
    qreal currentAngle() const { return angle_.currentValue().toReal(); }
    QSize sizeHint() const override { return QSize(edge_, edge_); }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void toggleTilt();

    int edge_;
    qreal target_ = 0;
    QVariantAnimation angle_;
    QPixmap logo_;
};

}  // namespace vostrel
