#include "render/codable_color.h"

#include <cmath>

namespace vostrel {

QColor CodableColor::toQColor() const {
    return QColor::fromRgbF(float(r), float(g), float(b), float(a));
}

CodableColor CodableColor::fromQColor(const QColor& color) {
    const QColor rgb = color.toRgb();
    return {rgb.redF(), rgb.greenF(), rgb.blueF(), rgb.alphaF()};
}

QJsonObject CodableColor::toJson() const {
    return {{QStringLiteral("r"), r},
            {QStringLiteral("g"), g},
            {QStringLiteral("b"), b},
            {QStringLiteral("a"), a}};
}

CodableColor CodableColor::fromJson(JsonReader& reader) {
    CodableColor color;
    color.r = reader.number(u"r");
    color.g = reader.number(u"g");
    color.b = reader.number(u"b");
    color.a = reader.number(u"a");
    return color;
}

size_t qHash(const CodableColor& color, size_t seed) {
    return qHashMulti(seed, color.r, color.g, color.b, color.a);
}

namespace {

int hexByte(double component) {
    if (!(component > 0.0)) return 0;  // also NaN
    if (component >= 1.0) return 255;
    return int(std::trunc(component * 255.0));
}

}  // namespace

QString hexRGB(const CodableColor& color) {
    return hexText(hexByte(color.r), hexByte(color.g), hexByte(color.b));
}

QString hexText(int red, int green, int blue) {
    return QStringLiteral("#%1%2%3")
        .arg(red, 2, 16, QLatin1Char('0'))
        .arg(green, 2, 16, QLatin1Char('0'))
        .arg(blue, 2, 16, QLatin1Char('0'))
        .toUpper();
}

}  // namespace vostrel
