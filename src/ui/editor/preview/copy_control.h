#pragma once

#include <QTimer>
#include <QWidget>

class QLabel;
class QToolButton;

namespace vostrel {

// The "Copy QR Code" button with the feedback of the last copy: a checkmark and "Copied to
// clipboard", or a warning sign and "Copy failed. Try again.", shown beside the button for a few
// seconds. The message stays the button's accessible value until the next copy.
class CopyControl : public QWidget {
    Q_OBJECT

  public:
    explicit CopyControl(QWidget* parent = nullptr);

    QToolButton* button() const { return button_; }
    // The feedback of the last copy; empty before any.
    QString message() const;
    // The symbol name of the icon shown: "doc.on.doc", "checkmark" or "exclamationmark.triangle".
    const QString& symbolName() const { return symbolName_; }

    void showResult(bool succeeded);

  Q_SIGNALS:
    void copyClicked();

  protected:
    void changeEvent(QEvent* event) override;

  private:
    void showSymbol(const QString& symbolName);

    QToolButton* button_;
    QLabel* feedback_;
    QString symbolName_;
    QTimer settle_;
};

}  // namespace vostrel
