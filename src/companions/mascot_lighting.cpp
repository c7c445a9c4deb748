#include "companions/mascot_lighting.h"

namespace vostrel {

QVector3D MascotLighting::keyColorFor(std::optional<WelcomePeriod> period) {
    if (!period) return {1.0f, 1.0f, 1.0f};
    switch (*period) {
        case WelcomePeriod::morning:
            return {1.0f, 0.88f, 0.68f};
        case WelcomePeriod::afternoon:
            return {1.0f, 0.98f, 0.9f};
        case WelcomePeriod::evening:
            return {1.0f, 0.75f, 0.56f};
        case WelcomePeriod::night:
            return {0.68f, 0.78f, 1.0f};
    }
    return {1.0f, 1.0f, 1.0f};
}

MascotLighting MascotLighting::forPeriod(std::optional<WelcomePeriod> period, bool dark) {
    MascotLighting lighting;
    lighting.keyColor = keyColorFor(period);
    if (!period) {
        // The About window: a studio key and fill, and the room's own light only in the dark.
        lighting.keyIntensity = dark ? 2200.0f : 3600.0f;
        lighting.fillIntensity = dark ? 950.0f : 900.0f;
        lighting.environmentWeight = dark ? 1.0f : 0.0f;
        return lighting;
    }
    // The welcome window: a softer key with two spots that carry the time of day's colour.
    lighting.keyIntensity = dark ? 1500.0f : 2000.0f;
    lighting.spots = {
        {dark ? 238000.0f : 272000.0f, 70.0f, 100.0f, 16.0f},
        {dark ? 136000.0f : 157250.0f, 80.0f, 120.0f, 14.0f},
    };
    return lighting;
}

}  // namespace vostrel
