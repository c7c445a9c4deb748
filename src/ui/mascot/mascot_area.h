#pragma once

#include <QAbstractButton>
#include <QPixmap>

namespace vostrel {

// Where the mascot stands in the welcome and About windows. The animated cricket has no scene
// yet, so the area says what it will also say when the scene cannot be shown: "Vostrel is taking
// a breather.". It is a button all the same, and a click still asks for a hop, so neither window
// loses an action while the mascot is away.
class MascotArea : public QAbstractButton {
    Q_OBJECT

  public:
    explicit MascotArea(QSize size, QWidget* parent = nullptr);

    static QString breatherText();

    // Every change asks the mascot to hop; a click adds one.
    int jumpTrigger() const { return jumpTrigger_; }
    void setJumpTrigger(int jumpTrigger);

    // The party hat of festive days, drawn above the mascot (or where it would be).
    bool wearsPartyHat() const { return partyHat_; }
    void setPartyHat(bool wears);

    QSize sizeHint() const override { return size_; }

  Q_SIGNALS:
    void jumpTriggerChanged(int jumpTrigger);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void paintPartyHat(QPainter& painter, const QRectF& textBox);

    QSize size_;
    int jumpTrigger_ = 0;
    bool partyHat_ = false;
    QPixmap hat_;
};

}  // namespace vostrel
