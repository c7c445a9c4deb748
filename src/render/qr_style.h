#pragma once

#include <QJsonObject>
#include <optional>

#include "common/json_reader.h"
#include "render/codable_color.h"
#include "render/gradient_style.h"
#include "render/logo_overlay.h"
#include "render/module_shape.h"

namespace vostrel {

// How a symbol looks, independent of what it encodes. The record does not clamp: renderers clamp
// finderCornerRadius to 0…1 and finderThickness to 0.5…1.0 on use (see finder_geometry.h), and
// draw every other number as drawableStyle (style_correction.h) brings it into range.
struct QRStyle {
    ModuleShape moduleShape = ModuleShape::square;
    CodableColor foreground = CodableColor::black();  // also the gradient's start colour
    CodableColor background = CodableColor::white();  // the whole canvas, quiet zone included
    std::optional<GradientStyle> gradient;            // fills modules and finders when present
    qint64 quietZoneModules = 4;                      // blank border on each side, in modules
    std::optional<LogoOverlay> logoOverlay;
    double finderCornerRadius = 0.44;  // 0 sharp, 1 circular
    double finderThickness = 1.0;      // finder ring wall in modules
    // true: the matrix as the engine delivers it (finders upper-left, lower-left, lower-right);
    // false: mirrored top to bottom into the standard orientation.
    bool flipVertical = true;

    // Leaves out "gradient" and "logoOverlay" when absent.
    QJsonObject toJson() const;
    // Lenient where older files need it: an unreadable moduleShape becomes square, and missing
    // finderCornerRadius, finderThickness and flipVertical become 0.0, 1.0 and true. Colours and
    // quietZoneModules are required; a present gradient or logo must decode.
    static QRStyle fromJson(JsonReader& reader);
    bool operator==(const QRStyle&) const = default;
};

size_t qHash(const QRStyle& style, size_t seed = 0);

}  // namespace vostrel
