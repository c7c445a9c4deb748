#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <vector>

#include <QtGlobal>

namespace vostrel {

class TaskClock;

// A task waiting on a TaskClock. Destroying or cancelling the handle stops it for good, and a
// stopped task holds no timer. Move-only; it is pending until it runs or is cancelled.
class ScheduledTask {
  public:
    class Timer {
      public:
        virtual ~Timer() = default;
        virtual bool isActive() const = 0;
    };

    ScheduledTask() = default;
    explicit ScheduledTask(std::unique_ptr<Timer> timer) : timer_(std::move(timer)) {}

    bool isPending() const { return timer_ && timer_->isActive(); }
    void cancel() { timer_.reset(); }

  private:
    std::unique_ptr<Timer> timer_;
};

// Monotonic time and main-thread tasks after a delay: the real clock in the application, a
// clock that tests move by hand, so that every timing rule is checked without waiting.
class TaskClock {
  public:
    using Duration = std::chrono::nanoseconds;
    using Task = std::function<void()>;

    virtual ~TaskClock() = default;

    virtual Duration now() const = 0;
    // Runs `task` once `delay` has passed, on the main thread's event loop, unless the handle
    // was cancelled or destroyed before. The task may clear its own handle.
    virtual ScheduledTask schedule(Duration delay, Task task) = 0;

    // The steady clock of the machine, with Qt's precise timers.
    static TaskClock& system();
};

// A clock that stands still until advance() moves it, running each task that falls due at its
// own time, in order (tasks scheduled on the way included).
class ManualTaskClock : public TaskClock {
  public:
    ManualTaskClock();
    ~ManualTaskClock() override;

    Duration now() const override { return now_; }
    ScheduledTask schedule(Duration delay, Task task) override;

    void advance(Duration by);
    // Tasks not yet run nor cancelled.
    int pendingCount() const { return int(pending_->size()); }

    struct Entry;

  private:
    Duration now_{0};
    std::shared_ptr<std::vector<Entry*>> pending_;
    quint64 order_ = 0;
};

}  // namespace vostrel
