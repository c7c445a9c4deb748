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

// Files written before the later settings existed, and optional values written as null or in a
// form this version does not know, still open with the old files' fallbacks.
TEST(QRStyleJson, MissingNullAndUnknownLaterSettingsTakeTheirOldFileFallbacks) {
    const Decoded old = decode(parse(minimalStyle));
    ASSERT_TRUE(old.ok) << old.error.toStdString();
    EXPECT_EQ(old.style.moduleShape, ModuleShape::square);
    EXPECT_EQ(old.style.finderCornerRadius, 0.0);
    EXPECT_EQ(old.style.finderThickness, 1.0);
    EXPECT_TRUE(old.style.flipVertical);
    EXPECT_FALSE(old.style.gradient);
    EXPECT_FALSE(old.style.logoOverlay);

    QJsonObject json = parse(minimalStyle);
    json.insert(QStringLiteral("gradient"), QJsonValue::Null);
    json.insert(QStringLiteral("flipVertical"), QJsonValue::Null);
    QJsonObject logoJson = logo(CodableColor::white()).toJson();
    logoJson.remove(QStringLiteral("backgroundColor"));
    json.insert(QStringLiteral("logoOverlay"), logoJson);
    for (const QJsonValue& shape : {QJsonValue(QStringLiteral("hexagon")), QJsonValue(3),
                                    QJsonValue(QStringLiteral("Dot"))}) {
        json.insert(QStringLiteral("moduleShape"), shape);
        const Decoded decoded = decode(json);
        ASSERT_TRUE(decoded.ok) << decoded.error.toStdString();
        EXPECT_EQ(decoded.style.moduleShape, ModuleShape::square);
        EXPECT_FALSE(decoded.style.gradient);
        EXPECT_TRUE(decoded.style.flipVertical);
        ASSERT_TRUE(decoded.style.logoOverlay);
        EXPECT_FALSE(decoded.style.logoOverlay->backgroundColor);
    }
    json.insert(QStringLiteral("moduleShape"), QStringLiteral("squircle"));
    EXPECT_EQ(decode(json).style.moduleShape, ModuleShape::squircle);
}

TEST(QRStyleJson, BrokenRequiredOrPresentValuesFailWithTheirPath) {
    QRStyle withEverything;
    withEverything.gradient = GradientStyle{CodableColor::white(), GradientDirection::diagonal};
    withEverything.logoOverlay = logo(CodableColor::white());
    struct Broken {
        const char* record;  // empty for the style's own keys
        const char* key;
        QJsonValue value;  // undefined removes the key
        const char* error;
    };
    const Broken cases[] = {
        {"gradient", "direction", "sideways", "gradient.direction: unknown value 'sideways'"},
        {"logoOverlay", "padding", QJsonValue::Undefined, "logoOverlay.padding: missing"},
        {"logoOverlay", "shape", "star", "logoOverlay.shape: unknown value 'star'"},
        {"foreground", "a", QJsonValue::Undefined, "foreground.a: missing"},
        {"", "quietZoneModules", 4.5, "quietZoneModules: expected an integer"},
        {"", "finderThickness", "thick", "finderThickness: expected a number"}};
    for (const Broken& broken : cases) {
        const QLatin1StringView record(broken.record), key(broken.key);
        QJsonObject json = withEverything.toJson();
        QJsonObject edited = record.isEmpty() ? json : json.value(record).toObject();
        if (broken.value.isUndefined())
            edited.remove(key);
        else
            edited.insert(key, broken.value);
        if (record.isEmpty())
            json = edited;
        else
            json.insert(record, edited);
        EXPECT_EQ(decode(json).error, QString::fromUtf8(broken.error));
    }
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
