#pragma once

#include <QObject>
#include <memory>

#include "scene3d/entity.h"
#include "ui/widgets/task_clock.h"

namespace vostrel {

// Holds the 3D preview's scene while the user tilts it, and lets it go when it is idle. The root
// entity lives as long as this object, so a view can show it once; scenes move into and out of
// it. Drained (no scene under the root) is where it starts and where it returns 1.5 s after the
// last interaction, so that the tens of thousands of entities of a large symbol exist only
// while they are in use.
class QRPreviewSceneLifetime : public QObject {
    Q_OBJECT

  public:
    explicit QRPreviewSceneLifetime(TaskClock& clock = TaskClock::system(),
                                    QObject* parent = nullptr);

    const Entity& root() const { return root_; }
    Entity& root() { return root_; }
    bool isDrained() const { return drained_; }
    bool isIdleDrainPending() const { return idleDrain_.isPending(); }

    static constexpr std::chrono::milliseconds idleDelay{1500};

    // Replaces what the root holds by the children of `scene`, with their local transforms,
    // and starts the idle countdown.
    void install(std::unique_ptr<Entity> scene);
    // Restarts the countdown to drain (none while drained).
    void scheduleIdleDrain();
    void cancelIdleDrain();
    // Empties the root now.
    void drain();

  Q_SIGNALS:
    void drainedChanged(bool drained);
    // The root's children were replaced or removed.
    void sceneChanged();

  private:
    void removeScene();
    void setDrained(bool drained);

    TaskClock& clock_;
    Entity root_{QStringLiteral("qr-preview-root")};
    bool drained_ = true;
    ScheduledTask idleDrain_;
};

}  // namespace vostrel
