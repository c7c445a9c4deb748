#pragma once

#include <QLayout>
#include <QList>

namespace vostrel {

// Places its items left to right at their size hints and wraps them into rows, `spacing` apart
// both ways. An item wider than the available width gets a row of its own and is not shrunk.
// With no items the layout is 0 × 0; with one it is exactly that item's size.
class FlowLayout : public QLayout {
  public:
    explicit FlowLayout(int spacing, QWidget* parent = nullptr);
    ~FlowLayout() override;

    // The size of the items wrapped into `width` (unbounded when width is negative).
    QSize sizeForWidth(int width) const;

    void addItem(QLayoutItem* item) override;
    int count() const override;
    QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;
    Qt::Orientations expandingDirections() const override;
    bool hasHeightForWidth() const override;
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;
    QSize minimumSize() const override;
    void setGeometry(const QRect& rect) override;

  private:
    // Runs the wrapping over `width`, placing the items inside `origin` when asked to.
    QSize arrange(int width, const QPoint* origin) const;

    QList<QLayoutItem*> items_;
};

}  // namespace vostrel
