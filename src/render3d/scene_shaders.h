#pragma once

namespace vostrel::SceneShaders {

// GLSL 3.30 core, two programs. Per vertex: position (0), normal (1); per instance: the world
// matrix (2…5) and the normal matrix (6…8).
// Lit materials: colours arrive gamma-encoded, are lit in linear light and leave gamma-encoded.
extern const char* const litVertex;
extern const char* const litFragment;
// Unlit materials: a tint, optionally times a texture mapped flat onto the mesh's x-y extent.
extern const char* const unlitVertex;
extern const char* const unlitFragment;

// How many lights the lit program takes; further lights are left out.
inline constexpr int maxLights = 8;

// The one place where the scene's light intensities become shading factors: a light of this
// intensity lights a matte surface facing it at full strength.
inline constexpr float fullStrengthIntensity = 3000.0f;

}  // namespace vostrel::SceneShaders
