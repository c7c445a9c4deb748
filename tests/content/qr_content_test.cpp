#include <gtest/gtest.h>

#include <QJsonDocument>
#include <QSet>

#include "content/qr_content.h"

using namespace vostrel;

namespace {

struct Decoded {
    QRContent content;
    std::optional<QString> error;
};

Decoded decode(const QByteArray& json) {
    JsonReader reader(QJsonDocument::fromJson(json).object());
    QRContent content = QRContent::fromJson(reader);
    return {content, reader.ok() ? std::nullopt : std::optional(reader.error().message())};
}

QRContent roundTrip(const QRContent& content) {
    const QByteArray json = QJsonDocument(content.toJson()).toJson();
    const Decoded decoded = decode(json);
    EXPECT_FALSE(decoded.error) << json.toStdString();
    return decoded.content;
}

std::vector<QRContent> oneOfEachKind() {
    CalendarContent event{"Party", Instant{123.456789}, Instant{4000.25}, "Here", "Bring\nfood"};
    return {
        QRContent::url({"https://example.org/å?x=1"}),
        QRContent::text("hello \"world\" 🦗"),
        QRContent::wifi({"Home", "p;w", WiFiAuthType::wep, true}),
        QRContent::contact({"Ada", "Lovelace", "Org", "1", "a@b", "u"}),
        QRContent::email({"a@b", "s", "b"}),
        QRContent::phone("+46"),
        QRContent::sms({"1", "m"}),
        QRContent::location({59.3293, -0.1}),
        QRContent::calendar(event),
        QRContent::swish({"07", "1,5", "m", true, false}),
    };
}

}  // namespace

TEST(QRContentJson, EveryKindRoundTripsExactly) {
    for (const QRContent& content : oneOfEachKind()) EXPECT_EQ(roundTrip(content), content);
}

TEST(QRContentJson, UsesTheCaseNameAndUnderscoreZeroWrapper) {
    EXPECT_EQ(QJsonDocument(QRContent::text("hello").toJson()).toJson(QJsonDocument::Compact),
              R"({"text":{"_0":"hello"}})");
    EXPECT_EQ(
        QJsonDocument(emptyContent(ContentType::wifi).toJson()).toJson(QJsonDocument::Compact),
        R"({"wifi":{"_0":{"authType":"WPA","hidden":false,"password":"","ssid":""}}})");
    const Decoded location =
        decode(R"({"location":{"_0":{"latitude":59.3293,"longitude":18.0686}}})");
    EXPECT_EQ(location.content, QRContent::location({59.3293, 18.0686}));
}

TEST(QRContentJson, DecodingIsStrict) {
    const std::vector<std::pair<QByteArray, QString>> table{
        {"{}", "Invalid number of keys found, expected one."},
        {R"({"text":{"_0":"a"},"url":{"_0":{"url":"b"}}})",
         "Invalid number of keys found, expected one."},
        {R"({"SMS":{"_0":{}}})", "Invalid number of keys found, expected one."},
        {R"({"text":"a"})", "text: expected an object"},
        {R"({"text":{"_0":null}})", "text._0: expected a string"},
        {R"({"wifi":{"_0":{"ssid":"a","password":"","authType":"WPA2","hidden":false}}})",
         "wifi._0.authType: unknown value 'WPA2'"},
        {R"({"wifi":{"_0":{"ssid":"a","password":"","authType":"WPA"}}})",
         "wifi._0.hidden: missing"},
        {R"({"location":{"_0":{"latitude":"1","longitude":2}}})",
         "location._0.latitude: expected a number"},
        {R"({"calendar":{"_0":{"title":"","startDate":1,"location":"","description":""}}})",
         "calendar._0.endDate: missing"},
        {R"({"swish":{"_0":{"payee":"","amount":"","message":"","amountEditable":0,
             "messageEditable":false}}})",
         "swish._0.amountEditable: expected a boolean"},
    };
    for (const auto& [json, error] : table) {
        EXPECT_EQ(decode(json).error, std::optional(error)) << json.toStdString();
    }
}

TEST(QRContentJson, IgnoresUnknownKeysAndAcceptsEmptyStrings) {
    const Decoded decoded = decode(R"({"note":1,"url":{"_0":{"url":"","extra":true},"_1":false}})");
    EXPECT_FALSE(decoded.error);
    EXPECT_EQ(decoded.content, QRContent::url({""}));
    EXPECT_EQ(decode(R"({"text":{"_0":""}})").content, QRContent::text(""));
}

TEST(QRContent, EqualityAndHashFollowKindAndEveryField) {
    const auto contents = oneOfEachKind();
    QSet<QRContent> distinct(contents.begin(), contents.end());
    EXPECT_EQ(distinct.size(), qsizetype(contents.size()));

    // Text and phone both carry a string but are different kinds.
    EXPECT_NE(QRContent::text("1"), QRContent::phone("1"));
    ContactContent a{"A", "B", "", "", "", "x"};
    ContactContent b = a;
    b.url = "y";
    EXPECT_NE(QRContent::contact(a), QRContent::contact(b));
    const QRContent minusZero = QRContent::location({-0.0, 1.0});
    const QRContent plusZero = QRContent::location({0.0, 1.0});
    EXPECT_EQ(minusZero, plusZero);
    EXPECT_EQ(qHash(minusZero), qHash(plusZero));
}

TEST(QRContent, EmptyContentMatchesItsKindAndTheDefaultEventStaysPut) {
    for (const ContentType type : allCases<ContentType>()) {
        EXPECT_EQ(emptyContent(type).contentType(), type);
    }
    EXPECT_EQ(emptyContent(ContentType::calendar), emptyContent(ContentType::calendar));
}
