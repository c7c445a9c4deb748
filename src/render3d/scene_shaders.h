#pragma once

namespace vostrel::SceneShaders {

// GLSL 3.30 core. Per vertex: position (0), normal (1); per instance: the world matrix (2…5) and
// the normal matrix (6…8). Colours arrive gamma-encoded, are lit in linear light and leave
// gamma-encoded again.
extern const char* const vertex;
extern const char* const fragment;

// How many lights the fragment shader takes; further lights are left out.
inline constexpr int maxLights = 8;

// The one place where the scene's light intensities become shading factors: a light of this
// intensity lights a matte surface facing it at full strength.
inline constexpr float fullStrengthIntensity = 3000.0f;

}  // namespace vostrel::SceneShaders
