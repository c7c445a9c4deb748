#pragma once

#include <QJsonObject>
#include <array>

#include "common/json_reader.h"
#include "common/raw_enum.h"
#include "render/codable_color.h"

namespace vostrel {

// Where a gradient runs: left to right, top to bottom, or top-left to bottom-right.
enum class GradientDirection { horizontal, vertical, diagonal };

template <>
struct RawValues<GradientDirection> {
    static constexpr std::array cases{
        std::pair{GradientDirection::horizontal, "horizontal"},
        std::pair{GradientDirection::vertical, "vertical"},
        std::pair{GradientDirection::diagonal, "diagonal"},
    };
};

inline size_t qHash(GradientDirection direction, size_t seed = 0) {
    return ::qHash(static_cast<int>(direction), seed);
}

// A two-stop linear gradient. It always starts at the style's foreground, so only the end colour
// is kept here.
struct GradientStyle {
    CodableColor endColor;
    GradientDirection direction = GradientDirection::horizontal;

    QJsonObject toJson() const;
    static GradientStyle fromJson(JsonReader& reader);
    bool operator==(const GradientStyle&) const = default;
};

size_t qHash(const GradientStyle& gradient, size_t seed = 0);

}  // namespace vostrel
