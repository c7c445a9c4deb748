#pragma once

namespace vostrel {

// Whether the user asked for less motion, so that decorative animation holds still. Qt 6.4 passes
// on no such desktop setting, and Linux desktops have no common one, so the application has its
// own: the environment variable VOSTREL_REDUCE_MOTION set to anything but "" or "0", or the
// settings key "reduceMotion" set to true.
bool prefersReducedMotion();

}  // namespace vostrel
