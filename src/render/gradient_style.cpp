#include "render/gradient_style.h"

namespace vostrel {

QJsonObject GradientStyle::toJson() const {
    return {{QStringLiteral("endColor"), endColor.toJson()},
            {QStringLiteral("direction"), rawValue(direction)}};
}

GradientStyle GradientStyle::fromJson(JsonReader& reader) {
    GradientStyle gradient;
    JsonReader endColor = reader.object(u"endColor");
    gradient.endColor = CodableColor::fromJson(endColor);
    gradient.direction = reader.enumeration<GradientDirection>(u"direction");
    return gradient;
}

size_t qHash(const GradientStyle& gradient, size_t seed) {
    return qHashMulti(seed, gradient.endColor, gradient.direction);
}

}  // namespace vostrel
