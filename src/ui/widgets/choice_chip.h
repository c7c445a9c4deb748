#pragma once

#include <QAbstractButton>

namespace vostrel {

// A small outlined chip with a caption-sized label, one of a few choices (a logo shape, a
// gradient direction). While checked it takes the accent colour; otherwise it is drawn in the
// secondary colour. Clicking it only reports the click: the owner decides what is checked.
class ChoiceChip : public QAbstractButton {
    Q_OBJECT

  public:
    explicit ChoiceChip(const QString& text, QWidget* parent = nullptr);

    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void nextCheckState() override {}
};

}  // namespace vostrel
