#pragma once

#include <QVector3D>
#include <optional>
#include <vector>

#include "companions/welcome_period.h"

namespace vostrel {

// The mascot's lights for a time of day (none in the About window) and a light or dark
// appearance. Spot intensities are luminous flux in lumens and their attenuation radii are in
// multiples of the model's scale; Mascot3DScene places them.
struct MascotLighting {
    struct Spot {
        float lumens = 0.0f;
        float innerAngleInDegrees = 0.0f;
        float outerAngleInDegrees = 0.0f;
        float attenuationRadiusInModelScales = 0.0f;
        bool operator==(const Spot&) const = default;
    };

    QVector3D keyColor{1, 1, 1};  // sRGB
    float keyIntensity = 0.0f;
    std::optional<float> fillIntensity;  // a directional fill light, when there is one
    QVector3D fillColor{1.0f, 0.97f, 0.9f};
    std::vector<Spot> spots;
    float environmentWeight = 0.0f;

    bool operator==(const MascotLighting&) const = default;

    static MascotLighting forPeriod(std::optional<WelcomePeriod> period, bool dark);
    static QVector3D keyColorFor(std::optional<WelcomePeriod> period);
};

}  // namespace vostrel
