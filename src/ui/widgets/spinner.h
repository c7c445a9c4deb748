#pragma once

#include <QIcon>
#include <QObject>
#include <QTimer>

namespace vostrel {

// A small indeterminate activity indicator for places that show icons (a list row, a button):
// three quarters of a ring that turns while started. Whoever shows it asks for the icon again on
// every turn.
class Spinner : public QObject {
    Q_OBJECT

  public:
    explicit Spinner(int edge, QObject* parent = nullptr);

    void start() { timer_.start(); }
    void stop() { timer_.stop(); }

    // The ring at its current angle in `color`, `edge` pixels square at the given pixel density.
    QIcon icon(const QColor& color, qreal devicePixelRatio = 1.0) const;

  Q_SIGNALS:
    void turned();

  private:
    int edge_;
    int angle_ = 0;
    QTimer timer_;
};

}  // namespace vostrel
