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

// The badge row: the first two labels and, when more follow, "+N more" for the rest.
QStringList badgeLabels(const QList<ValidationWarning>& warnings);

}  // namespace vostrel
