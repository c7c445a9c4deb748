#pragma once

#include <QObject>
#include <QTimer>
#include <chrono>

namespace vostrel {

// The pace of the mascot's lines on the welcome window: while running, after every interval the
// next of the five lines, and a hop together with line 3, "Hop first. Explain later.". The
// position survives a stop, so a window that is hidden and shown again goes on where it was.
class QuipRotation : public QObject {
    Q_OBJECT

  public:
    static constexpr std::chrono::milliseconds defaultInterval{16000};
    static constexpr int count = 5;
    static constexpr int hopIndex = 3;

    explicit QuipRotation(QObject* parent = nullptr);

    int index() const { return index_; }

    // Starting anew waits a whole interval before the next line.
    void start();
    void stop();
    bool isRunning() const { return timer_.isActive(); }

    // One step of the clock: what the timer does when an interval has passed. Tests call it
    // instead of waiting.
    void tick();

  Q_SIGNALS:
    void indexChanged(int index);
    // The mascot should hop along with the line just shown.
    void hopRequested();

  private:
    QTimer timer_;
    int index_ = 0;
};

}  // namespace vostrel
