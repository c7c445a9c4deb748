#pragma once

#include <QAbstractButton>
#include <QPixmap>
#include <QVariantAnimation>
#include <QVector>
#include <optional>

#include "companions/confetti_burst.h"
#include "companions/mascot_clip.h"
#include "companions/welcome_period.h"

namespace vostrel {

class Mascot3DView;

// Where the mascot stands in the welcome and About windows: a button (a click asks for a hop)
// that shows the animated cricket of Mascot3DView over a soft shadow on the ground. When the
// cricket cannot be shown (its models are missing or broken, or the display has no OpenGL 3.3)
// the area says "Vostrel is taking a breather." instead, and every action still works.
// Two-finger pans, Shift-drags and the arrow keys turn the cricket.
class MascotArea : public QAbstractButton {
    Q_OBJECT

  public:
    MascotArea(QSize size, Mascot3DFraming framing, QWidget* parent = nullptr);

    static QString breatherText();

    // Every change asks the mascot to hop; a click adds one.
    int jumpTrigger() const { return jumpTrigger_; }
    void setJumpTrigger(int jumpTrigger);

    // The party hat of festive days, on the cricket's head (or above the placeholder).
    bool wearsPartyHat() const { return partyHat_; }
    void setPartyHat(bool wears);

    // Every change throws a burst of confetti from the mascot.
    int confettiTrigger() const { return confettiTrigger_; }
    void setConfettiTrigger(int trigger);
    const QVector<ConfettiPiece>& confetti() const { return confetti_; }

    // The time of day the cricket is lit for; none in the About window.
    void setWelcomePeriod(std::optional<WelcomePeriod> period);

    // The 3D view, while there is one.
    Mascot3DView* mascot3D() const { return view3d_; }
    bool showsMascot3D() const;

    QSize sizeHint() const override { return size_; }

    // Pieces in each confetti burst.
    static constexpr int confettiPieces = 28;

  Q_SIGNALS:
    void jumpTriggerChanged(int jumpTrigger);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

  private:
    struct Shadow {
        QPointF centre;
        double lift;  // 1 on the ground, less in the air
    };

    void followShadow();
    std::optional<Shadow> shadow() const;
    void paintPlaceholder(QPainter& painter, const QRectF& area);
    void paintGroundShadow(QPainter& painter);
    void paintConfetti(QPainter& painter);
    void paintPartyHat(QPainter& painter, const QRectF& textBox);
    QPointF confettiOrigin() const;
    void updatePresentation();

    QSize size_;
    int jumpTrigger_ = 0;
    int confettiTrigger_ = 0;
    bool partyHat_ = false;
    bool keyboardFocus_ = false;
    QPixmap hat_;
    Mascot3DView* view3d_ = nullptr;
    std::optional<Shadow> paintedShadow_;
    QVector<ConfettiPiece> confetti_;
    QVariantAnimation confettiFlight_;
};

}  // namespace vostrel
