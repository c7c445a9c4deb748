#pragma once

#include <QColor>
#include <QJsonObject>
#include <QString>

#include "common/json_reader.h"

namespace vostrel {

// A gamma-encoded sRGB colour with opacity, every component in 0…1 (1 = full, opaque). The record
// itself does not clamp; consumers that need the range clamp on use.
struct CodableColor {
    double r = 0.0;
    double g = 0.0;
    double b = 0.0;
    double a = 1.0;

    static CodableColor black() { return {0.0, 0.0, 0.0, 1.0}; }
    static CodableColor white() { return {1.0, 1.0, 1.0, 1.0}; }

    // The sRGB display colour with these components (Qt keeps 16 bits per channel).
    QColor toQColor() const;
    // The colour's sRGB components and opacity as Qt reports them (single precision, widened).
    static CodableColor fromQColor(const QColor& color);

    QJsonObject toJson() const;
    static CodableColor fromJson(JsonReader& reader);
    bool operator==(const CodableColor&) const = default;
};

size_t qHash(const CodableColor& color, size_t seed = 0);

// "#RRGGBB" in upper-case hexadecimal from trunc(component · 255); opacity is left out. Components
// are clamped to 0…1 first (NaN counts as 0), so every colour yields six digits.
QString hexRGB(const CodableColor& color);

// "#RRGGBB" of three bytes (0…255) in upper-case hexadecimal.
QString hexText(int red, int green, int blue);

}  // namespace vostrel
