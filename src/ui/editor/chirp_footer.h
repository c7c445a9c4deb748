#pragma once

#include <QFrame>

namespace vostrel {

class LogoButton;

// The panel under every content form: the swaying logo, which opens the About window, and a
// one-line remark about the kind of content, on a faint cyan card.
class ChirpFooter : public QFrame {
    Q_OBJECT

  public:
    explicit ChirpFooter(const QString& remark, QWidget* parent = nullptr);

    LogoButton* logo() const { return logo_; }

  Q_SIGNALS:
    void logoClicked();

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    LogoButton* logo_;
};

}  // namespace vostrel
