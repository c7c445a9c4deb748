#include <gtest/gtest.h>

#include <QJsonDocument>

#include "render/qr_style.h"

namespace vostrel {
namespace {

QJsonObject parse(const char* json) {
    return QJsonDocument::fromJson(json).object();
}

// Decodes through a root reader and returns the record or the first error's message.
struct Decoded {
    QRStyle style;
    bool ok;
    QString error;
};

Decoded decode(const QJsonObject& json) {
    JsonReader reader(json);
    QRStyle style = QRStyle::fromJson(reader);
    return {style, reader.ok(), reader.ok() ? QString() : reader.error().message()};
}

QRStyle roundTripped(const QRStyle& style) {
    const QByteArray text = QJsonDocument(style.toJson()).toJson(QJsonDocument::Compact);
    return decode(QJsonDocument::fromJson(text).object()).style;
}

LogoOverlay logo(std::optional<CodableColor> plate) {
    LogoOverlay overlay;
    overlay.imageData = QByteArray("\x89PNG\r\n\x1a\n\x00\xff", 10);
    overlay.sizePercent = 0.25;
    overlay.shape = LogoShape::circle;
    overlay.padding = 0.1;
    overlay.backgroundColor = plate;
    return overlay;
}

const char* minimalStyle = R"({"foreground": {"r": 0, "g": 0, "b": 0, "a": 1},
                               "background": {"r": 1, "g": 1, "b": 1, "a": 1},
                               "quietZoneModules": 4})";

TEST(QRStyleJson, DefaultStyleEncodesSevenKeysWithoutOptionalRecords) {
    const QJsonObject json = QRStyle().toJson();
    EXPECT_EQ(json.size(), 7);
    EXPECT_FALSE(json.contains(QStringLiteral("gradient")));
    EXPECT_FALSE(json.contains(QStringLiteral("logoOverlay")));
    EXPECT_EQ(json.value(QStringLiteral("moduleShape")).toString(), QStringLiteral("square"));
    EXPECT_EQ(json.value(QStringLiteral("finderCornerRadius")).toDouble(), 0.44);
}

TEST(QRStyleJson, EveryFieldCombinationRoundTrips) {
    for (ModuleShape shape : allCases<ModuleShape>()) {
        for (GradientDirection direction : allCases<GradientDirection>()) {
            QRStyle style;
            style.moduleShape = shape;
            style.foreground = {0.1, 0.2, 0.3, 0.4};
            style.background = {0.9, 0.8, 0.7, 1.0};
            style.gradient = GradientStyle{{0.5, 0.25, 0.125, 1.0}, direction};
            style.quietZoneModules = 7;
            style.finderCornerRadius = 1.0 / 3.0;
            style.finderThickness = 0.55;
            style.flipVertical = false;
            EXPECT_EQ(roundTripped(style), style);
            style.logoOverlay = logo(CodableColor{1, 0, 0, 0.5});
            EXPECT_EQ(roundTripped(style), style);
            style.logoOverlay = logo(std::nullopt);
            EXPECT_EQ(roundTripped(style), style);
        }
    }
    EXPECT_EQ(roundTripped(QRStyle()), QRStyle());
}

TEST(QRStyleJson, LogoBytesAreStandardBase64) {
    QRStyle style;
    style.logoOverlay = logo(std::nullopt);
    const QJsonObject json = style.toJson().value(QStringLiteral("logoOverlay")).toObject();
    EXPECT_EQ(json.value(QStringLiteral("imageData")).toString(),
              QStringLiteral("iVBORw0KGgoA/w=="));
    EXPECT_FALSE(json.contains(QStringLiteral("backgroundColor")));
}

TEST(QRStyleJson, MissingLaterSettingsTakeTheirOldFileFallbacks) {
    const Decoded decoded = decode(parse(minimalStyle));
    ASSERT_TRUE(decoded.ok) << decoded.error.toStdString();
    EXPECT_EQ(decoded.style.moduleShape, ModuleShape::square);
    EXPECT_EQ(decoded.style.finderCornerRadius, 0.0);
    EXPECT_EQ(decoded.style.finderThickness, 1.0);
    EXPECT_TRUE(decoded.style.flipVertical);
    EXPECT_FALSE(decoded.style.gradient);
    EXPECT_FALSE(decoded.style.logoOverlay);
}

TEST(QRStyleJson, UnreadableModuleShapeFallsBackToSquare) {
    for (const QJsonValue& shape : {QJsonValue(QStringLiteral("hexagon")), QJsonValue(3),
                                    QJsonValue(QStringLiteral("Dot"))}) {
        QJsonObject json = parse(minimalStyle);
        json.insert(QStringLiteral("moduleShape"), shape);
        const Decoded decoded = decode(json);
        EXPECT_TRUE(decoded.ok);
        EXPECT_EQ(decoded.style.moduleShape, ModuleShape::square);
    }
    QJsonObject json = parse(minimalStyle);
    json.insert(QStringLiteral("moduleShape"), QStringLiteral("squircle"));
    EXPECT_EQ(decode(json).style.moduleShape, ModuleShape::squircle);
}

TEST(QRStyleJson, BrokenRequiredOrPresentValuesFailWithTheirPath) {
    const QRStyle withEverything = [] {
        QRStyle style;
        style.gradient = GradientStyle{CodableColor::white(), GradientDirection::diagonal};
        style.logoOverlay = logo(CodableColor::white());
        return style;
    }();
    const auto failureAfter = [&](auto edit) {
        QJsonObject json = withEverything.toJson();
        edit(json);
        return decode(json).error.toStdString();
    };
    const auto edited = [](QJsonObject& json, const char* record, const char* key, QJsonValue v) {
        QJsonObject nested = json.value(QLatin1StringView(record)).toObject();
        if (v.isUndefined())
            nested.remove(QLatin1StringView(key));
        else
            nested.insert(QLatin1StringView(key), v);
        json.insert(QLatin1StringView(record), nested);
    };

    EXPECT_EQ(failureAfter([&](QJsonObject& j) { edited(j, "gradient", "direction", "sideways"); }),
              "gradient.direction: unknown value 'sideways'");
    EXPECT_EQ(failureAfter([&](QJsonObject& j) {
                  edited(j, "logoOverlay", "padding", QJsonValue::Undefined);
              }),
              "logoOverlay.padding: missing");
    EXPECT_EQ(failureAfter([&](QJsonObject& j) { edited(j, "logoOverlay", "shape", "star"); }),
              "logoOverlay.shape: unknown value 'star'");
    EXPECT_EQ(
        failureAfter([&](QJsonObject& j) { edited(j, "foreground", "a", QJsonValue::Undefined); }),
        "foreground.a: missing");
    EXPECT_EQ(failureAfter([](QJsonObject& j) { j.remove("background"); }), "background: missing");
    EXPECT_EQ(
        failureAfter([](QJsonObject& j) { j.insert(QStringLiteral("quietZoneModules"), 4.5); }),
        "quietZoneModules: expected an integer");
    EXPECT_EQ(
        failureAfter([](QJsonObject& j) { j.insert(QStringLiteral("finderThickness"), "thick"); }),
        "finderThickness: expected a number");
}

TEST(QRStyleJson, LogoWithoutBackgroundColorHasNoPlate) {
    QJsonObject json = parse(minimalStyle);
    QJsonObject logoJson = logo(CodableColor::white()).toJson();
    logoJson.remove(QStringLiteral("backgroundColor"));
    json.insert(QStringLiteral("logoOverlay"), logoJson);
    const Decoded decoded = decode(json);
    ASSERT_TRUE(decoded.ok);
    ASSERT_TRUE(decoded.style.logoOverlay);
    EXPECT_FALSE(decoded.style.logoOverlay->backgroundColor);
}

TEST(QRStyleJson, NullOptionalsReadAsAbsent) {
    QJsonObject json = parse(minimalStyle);
    json.insert(QStringLiteral("gradient"), QJsonValue::Null);
    json.insert(QStringLiteral("flipVertical"), QJsonValue::Null);
    const Decoded decoded = decode(json);
    ASSERT_TRUE(decoded.ok);
    EXPECT_FALSE(decoded.style.gradient);
    EXPECT_TRUE(decoded.style.flipVertical);
}

TEST(QRStyleHash, EqualStylesHashAlikeAndFieldsMatter) {
    QRStyle a;
    a.logoOverlay = logo(CodableColor::white());
    QRStyle b = a;
    EXPECT_EQ(qHash(a), qHash(b));
    b.logoOverlay->backgroundColor.reset();
    EXPECT_NE(a, b);
    EXPECT_NE(qHash(a), qHash(b));
}

}  // namespace
}  // namespace vostrel
