#pragma once

#include <QWidget>

namespace vostrel {

// An empty preview card with one line of text in its middle: "QR Preview" before there is a
// symbol, or the preview controller's message in its place, with a smaller line of detail below
// it when there is one.
class PreviewPlaceholder : public QWidget {
    Q_OBJECT

  public:
    explicit PreviewPlaceholder(const QString& text = {}, QWidget* parent = nullptr);

    void setText(const QString& text, const QString& detail = {});
    const QString& text() const { return text_; }
    const QString& detail() const { return detail_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QString text_;
    QString detail_;
};

}  // namespace vostrel
