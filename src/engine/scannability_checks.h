#pragma once

#include <QList>
#include <QStringList>

#include "engine/validation_warning.h"
#include "render/qr_style.h"

namespace vostrel {

// The relative luminance of a gamma-encoded sRGB colour (components 0…1), from 0 for black to 1
// for white.
double relativeLuminance(double r, double g, double b);

// How far apart two luminances are, from 1 (equal) to 21 (black and white), in either order.
double contrastRatio(double luminanceA, double luminanceB);

// The reasons the style may scan badly at the given PNG edge, at most one of each kind, in the
// order of ValidationWarning::Kind. Empty for black on white, a quiet zone of 4, no gradient, an
// export of 200 px or more and no logo. The payload and the matrix play no part.
QList<ValidationWarning> evaluateWarnings(const QRStyle& style, qint64 exportSize);

// evaluateWarnings, then what those six rules let through, found by reading designs back, in the
// order of ValidationWarning::Kind: modules lighter than the background; fewer than 3 pixels per
// module at the PNG edge (only when symbolSize, the symbol's modules per side without quiet zone,
// is known, i.e. above 0); finder rings thinner than 0.7 modules; a logo within the 25% limit
// whose plate with its padding spans more of the symbol's width than that limit with the default
// 15% padding (32.5%); a foreground opacity below 1. What the preview and `vostrel-cli warnings`
// list.
QList<ValidationWarning> evaluateDesignWarnings(const QRStyle& style, qint64 exportSize,
                                                int symbolSize);

// The badge row: the first two labels and, when more follow, "+N more" for the rest.
QStringList badgeLabels(const QList<ValidationWarning>& warnings);

}  // namespace vostrel
