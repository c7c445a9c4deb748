#pragma once

#include <QByteArray>
#include <QImage>
#include <QJsonObject>
#include <array>
#include <optional>

#include "common/json_reader.h"
#include "common/raw_enum.h"
#include "render/codable_color.h"

namespace vostrel {

// Clip shape of the logo and shape of the plate behind it.
enum class LogoShape { square, roundedRect, circle };

template <>
struct RawValues<LogoShape> {
    static constexpr std::array cases{
        std::pair{LogoShape::square, "square"},
        std::pair{LogoShape::roundedRect, "roundedRect"},
        std::pair{LogoShape::circle, "circle"},
    };
};

inline size_t qHash(LogoShape shape, size_t seed = 0) {
    return ::qHash(static_cast<int>(shape), seed);
}

// A centre logo. Sizes are fractions: sizePercent of the symbol edge without quiet zone, padding
// of the logo edge on each side of the plate.
struct LogoOverlay {
    QByteArray imageData;  // a complete PNG file
    double sizePercent = 0.2;
    LogoShape shape = LogoShape::roundedRect;
    double padding = 0.15;
    std::optional<CodableColor> backgroundColor = CodableColor::white();  // absent: no plate

    QJsonObject toJson() const;
    static LogoOverlay fromJson(JsonReader& reader);
    bool operator==(const LogoOverlay&) const = default;
};

size_t qHash(const LogoOverlay& logo, size_t seed = 0);

// The largest edge a chosen logo picture keeps; bigger pictures are scaled down to fit.
inline constexpr int maximumLogoEdge = 512;

// A logo with the default size, shape, padding and white plate, made from a picture scaled to fit
// maximumLogoEdge² (aspect ratio kept, never enlarged) and stored as PNG. Nothing for an empty
// picture or when PNG encoding fails.
std::optional<LogoOverlay> makeLogoOverlay(const QImage& image);

}  // namespace vostrel
