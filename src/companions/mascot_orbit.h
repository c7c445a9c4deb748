#pragma once

#include <QSizeF>
#include <QVector2D>
#include <optional>

namespace vostrel {

// Turning the mascot with a two-finger pan (or Shift-drag, or the arrow keys): while the fingers
// move, the angles follow their travel from where the pan began; after they lift, the mascot
// waits a moment and eases back to face the viewer. With reduced motion it snaps back at once.
struct MascotOrbit {
    enum class Phase { began, changed, ended, cancelled };

    QVector2D angles;  // radians: x turns about the horizontal axis (tilt), y about the vertical
    bool isDragging = false;
    QSizeF lastTranslation;
    std::optional<double> idleTime;  // seconds since the fingers lifted, while easing back
    QVector2D returnOrigin;          // the angles when the pan began, or when it ended

    // One point of travel turns by π/400 radians, as the QR preview tilts.
    static constexpr double radiansPerPoint = 3.14159265358979 / 400.0;
    static constexpr float maxTilt = 0.45f;
    static constexpr float maxTurn = 1.3f;
    static constexpr double returnDelay = 0.4;
    static constexpr double returnDuration = 0.8;

    void pan(Phase phase, QSizeF translation, bool reduceMotion);
    // Moves the ease back on; true while the angles still change.
    bool advance(double seconds);
    bool isAtRest() const { return !isDragging && !idleTime && angles.isNull(); }
};

}  // namespace vostrel
