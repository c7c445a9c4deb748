#pragma once

#include <QList>
#include <QString>

#include "render/qr_style.h"

namespace vostrel {

// The widest quiet zone drawn: already 25 times the recommended 4 modules.
inline constexpr qint64 maximumDrawnQuietZone = 100;

// One number of a style that cannot make a sensible picture, and what is drawn instead.
struct StyleCorrection {
    QString field;   // the key path in a document, e.g. "style.logoOverlay.padding"
    QString stored;  // the value as stored, as text ("1e+308", "nan", "-100")
    QString drawn;   // the value used instead, as text

    // "style.quietZoneModules -100 is out of range and drawn as 0"
    QString message() const;
    bool operator==(const StyleCorrection&) const = default;
};

// The style every output draws, so that PNG, SVG, the preview and the scannability checks agree
// on one picture. Style decoding is lenient and the record does not clamp, so a file may hold
// numbers that make no picture: those are brought into range here, leaving every other value as
// it is (a quiet zone of 2 stays 2).
//   - colour components (foreground, background, gradient end, logo plate): 0…1; NaN becomes 0
//     for red, green and blue and 1 (opaque) for opacity;
//   - quietZoneModules: 0…maximumDrawnQuietZone;
//   - the logo's sizePercent and padding: 0…1; NaN becomes the default of a new logo.
// Finder rounding and thickness are clamped where finders are drawn (FinderStyle::of).
QRStyle drawableStyle(const QRStyle& style);

// What drawableStyle changes, in field order; empty for a style that draws as stored.
QList<StyleCorrection> styleCorrections(const QRStyle& style);

}  // namespace vostrel
