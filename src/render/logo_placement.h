#pragma once

#include <optional>

#include "render/finder_geometry.h"
#include "render/logo_overlay.h"
#include "render/module_frame.h"

namespace vostrel {

// Where the logo and its plate go, centred on the symbol area (the grid without quiet zone).
// Each square's corner radius follows the shape: 0 for square, 0.15 · edge for roundedRect and
// edge / 2 for circle (the inscribed circle). Both are drawn over the modules.
struct LogoPlacement {
    LogoShape shape = LogoShape::square;
    RoundedSquare logo;                  // the picture fills it, aspect ratio not kept
    std::optional<RoundedSquare> plate;  // only when the logo has a background colour

    bool operator==(const LogoPlacement&) const = default;
};

LogoPlacement logoPlacement(const LogoOverlay& logo, int size, const ModuleFrame& frame);

}  // namespace vostrel
