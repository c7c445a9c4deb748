#pragma once

#include <QLabel>

namespace vostrel {

// A label of one line that shortens its text with an ellipsis (at the end, or in the middle for
// paths) when it does not fit, instead of growing its window. The whole text is its tooltip.
class ElidedLabel : public QLabel {
    Q_OBJECT

  public:
    explicit ElidedLabel(Qt::TextElideMode mode = Qt::ElideRight, QWidget* parent = nullptr);

    void setFullText(const QString& text);
    QSize minimumSizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    Qt::TextElideMode mode_;
};

}  // namespace vostrel
