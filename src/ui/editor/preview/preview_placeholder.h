#pragma once

#include <QWidget>

namespace vostrel {

// An empty preview card with one line of text in its middle: "QR Preview" before there is a
// symbol, or the preview controller's message in its place.
class PreviewPlaceholder : public QWidget {
    Q_OBJECT

  public:
    explicit PreviewPlaceholder(const QString& text = {}, QWidget* parent = nullptr);

    void setText(const QString& text);
    const QString& text() const { return text_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QString text_;
};

}  // namespace vostrel
