#include "ui/widgets/task_clock.h"

#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>

namespace vostrel {

namespace {

class QtTimer : public ScheduledTask::Timer {
  public:
    QtTimer(std::chrono::milliseconds delay, TaskClock::Task task) : timer_(new QTimer) {
        timer_->setSingleShot(true);
        timer_->setTimerType(Qt::PreciseTimer);
        QObject::connect(timer_, &QTimer::timeout, std::move(task));
        timer_->start(delay);
    }

    // The task may let go of its own handle while it runs, that is inside the timer's signal.
    ~QtTimer() override {
        timer_->stop();
        timer_->deleteLater();
    }

    bool isActive() const override { return timer_->isActive(); }

  private:
    QTimer* timer_;
};

class SystemTaskClock : public TaskClock {
  public:
    SystemTaskClock() { elapsed_.start(); }

    Duration now() const override { return Duration(elapsed_.nsecsElapsed()); }

    ScheduledTask schedule(Duration delay, Task task) override {
        const auto milliseconds = std::chrono::ceil<std::chrono::milliseconds>(delay);
        return ScheduledTask(std::make_unique<QtTimer>(
            std::max(milliseconds, std::chrono::milliseconds(0)), std::move(task)));
    }

  private:
    QElapsedTimer elapsed_;
};

}  // namespace

TaskClock& TaskClock::system() {
    static SystemTaskClock clock;
    return clock;
}

// A pending task of the manual clock; it leaves the clock's list when its handle lets it go.
struct ManualTaskClock::Entry : ScheduledTask::Timer {
    std::weak_ptr<std::vector<Entry*>> pending;
    Duration due;
    quint64 order;
    Task task;
    bool waiting = true;

    bool isActive() const override { return waiting; }

    ~Entry() override {
        if (const auto list = pending.lock()) std::erase(*list, this);
    }
};

ManualTaskClock::ManualTaskClock() : pending_(std::make_shared<std::vector<Entry*>>()) {}

ManualTaskClock::~ManualTaskClock() = default;

ScheduledTask ManualTaskClock::schedule(Duration delay, Task task) {
    auto entry = std::make_unique<Entry>();
    entry->pending = pending_;
    entry->due = now_ + std::max(delay, Duration(0));
    entry->order = order_++;
    entry->task = std::move(task);
    pending_->push_back(entry.get());
    return ScheduledTask(std::move(entry));
}

void ManualTaskClock::advance(Duration by) {
    const Duration target = now_ + by;
    for (;;) {
        const auto next = std::min_element(
            pending_->begin(), pending_->end(), [](const Entry* a, const Entry* b) {
                return a->due != b->due ? a->due < b->due : a->order < b->order;
            });
        if (next == pending_->end() || (*next)->due > target) break;
        Entry* entry = *next;
        pending_->erase(next);
        entry->waiting = false;
        now_ = std::max(now_, entry->due);
        const Task run = entry->task;
        run();
    }
    now_ = target;
}

}  // namespace vostrel
