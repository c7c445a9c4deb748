#pragma once

#include <QAbstractButton>
#include <QPixmap>
#include <QPoint>
#include <QVariantAnimation>

namespace vostrel {

class IdleSway;

// The application logo as a small button that sways while idle, grows a little under the pointer
// and shrinks while pressed. It counts as a click only when the pointer is released less than
// 22 px from where it was pressed, both across and down; a longer drag just ends the press.
class LogoButton : public QAbstractButton {
    Q_OBJECT

  public:
    explicit LogoButton(int edge, QWidget* parent = nullptr);

    QSize sizeHint() const override;
    qreal currentScale() const { return scale_.currentValue().toReal(); }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

  private:
    void animateScaleTo(qreal target, int durationMs);
    qreal restingScale() const;

    int edge_;
    QPixmap logo_;
    IdleSway* sway_;
    QVariantAnimation scale_;
    QPoint pressPoint_;
    bool pressed_ = false;
    bool hovering_ = false;
};

}  // namespace vostrel
