#include "companions/mascot_orbit.h"

#include <algorithm>

namespace vostrel {

void MascotOrbit::pan(Phase phase, QSizeF translation, bool reduceMotion) {
    lastTranslation = translation;
    switch (phase) {
        case Phase::began:
            isDragging = true;
            idleTime.reset();
            returnOrigin = angles;
            return;
        case Phase::changed: {
            if (!isDragging) return;
            const QVector2D travel(float(translation.height() * radiansPerPoint),
                                   float(translation.width() * radiansPerPoint));
            const QVector2D turned = returnOrigin + travel;
            angles = {std::clamp(turned.x(), -maxTilt, maxTilt),
                      std::clamp(turned.y(), -maxTurn, maxTurn)};
            return;
        }
        case Phase::ended:
        case Phase::cancelled:
            isDragging = false;
            returnOrigin = angles;
            if (reduceMotion) {
                angles = {};
                idleTime.reset();
            } else {
                idleTime = 0.0;
            }
            return;
    }
}

bool MascotOrbit::advance(double seconds) {
    if (!idleTime || isDragging) return false;
    *idleTime += seconds;
    const double t = std::clamp((*idleTime - returnDelay) / returnDuration, 0.0, 1.0);
    const double eased = 1.0 - (1.0 - t) * (1.0 - t) * (1.0 - t);
    angles = returnOrigin * float(1.0 - eased);
    if (t >= 1.0) {
        angles = {};
        idleTime.reset();
    }
    return true;
}

}  // namespace vostrel
