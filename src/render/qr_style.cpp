#include "render/qr_style.h"

namespace vostrel {

QJsonObject QRStyle::toJson() const {
    QJsonObject json{{QStringLiteral("moduleShape"), rawValue(moduleShape)},
                     {QStringLiteral("foreground"), foreground.toJson()},
                     {QStringLiteral("background"), background.toJson()},
                     {QStringLiteral("quietZoneModules"), quietZoneModules},
                     {QStringLiteral("finderCornerRadius"), finderCornerRadius},
                     {QStringLiteral("finderThickness"), finderThickness},
                     {QStringLiteral("flipVertical"), flipVertical}};
    if (gradient) json.insert(QStringLiteral("gradient"), gradient->toJson());
    if (logoOverlay) json.insert(QStringLiteral("logoOverlay"), logoOverlay->toJson());
    return json;
}

namespace {

// Styles saved before a setting existed lack its key; absent and null both mean "use the fallback",
// while a present value of the wrong type is still an error.
bool isAbsent(const JsonReader& reader, QStringView key) {
    const QJsonValue value = reader.json().value(key);
    return value.isUndefined() || value.isNull();
}

double optionalNumber(JsonReader& reader, QStringView key, double fallback) {
    return isAbsent(reader, key) ? fallback : reader.number(key);
}

bool optionalBoolean(JsonReader& reader, QStringView key, bool fallback) {
    return isAbsent(reader, key) ? fallback : reader.boolean(key);
}

ModuleShape lenientModuleShape(const JsonReader& reader) {
    const QJsonValue value = reader.json().value(QStringLiteral("moduleShape"));
    return fromRawValue<ModuleShape>(value.toString()).value_or(ModuleShape::square);
}

template <class T>
std::optional<T> optionalRecord(JsonReader& reader, QStringView key) {
    auto nested = reader.optionalObject(key);
    if (!nested) return std::nullopt;
    return T::fromJson(*nested);
}

}  // namespace

QRStyle QRStyle::fromJson(JsonReader& reader) {
    QRStyle style;
    style.moduleShape = lenientModuleShape(reader);
    JsonReader foreground = reader.object(u"foreground");
    style.foreground = CodableColor::fromJson(foreground);
    JsonReader background = reader.object(u"background");
    style.background = CodableColor::fromJson(background);
    style.gradient = optionalRecord<GradientStyle>(reader, u"gradient");
    style.quietZoneModules = reader.integer(u"quietZoneModules");
    style.logoOverlay = optionalRecord<LogoOverlay>(reader, u"logoOverlay");
    style.finderCornerRadius = optionalNumber(reader, u"finderCornerRadius", 0.0);
    style.finderThickness = optionalNumber(reader, u"finderThickness", 1.0);
    style.flipVertical = optionalBoolean(reader, u"flipVertical", true);
    return style;
}

size_t qHash(const QRStyle& style, size_t seed) {
    seed = qHashMulti(seed, style.moduleShape, style.foreground, style.background,
                      style.quietZoneModules, style.finderCornerRadius, style.finderThickness,
                      style.flipVertical);
    if (style.gradient) seed = qHash(*style.gradient, seed);
    if (style.logoOverlay) seed = qHash(*style.logoOverlay, seed);
    return seed;
}

}  // namespace vostrel
