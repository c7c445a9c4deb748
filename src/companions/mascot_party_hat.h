#pragma once

#include <memory>

#include "scene3d/animation_playback.h"
#include "scene3d/entity.h"

namespace vostrel {

// The party hat of festive days: the "vostrel-party-hat" picture (`texture`) on a thin card that
// sits on the crown of the model's head ("head-mesh" under "head") and faces the camera at rest, at
// a jaunty angle. Made for one model, whose rest pose is given, and added to its "head"; nothing
// when the model has no head.
std::unique_ptr<Entity> makePartyHat(const TextureHandle& texture, const Entity& model,
                                     const Pose& rest);

inline constexpr char partyHatName[] = "mascot-party-hat";

}  // namespace vostrel
