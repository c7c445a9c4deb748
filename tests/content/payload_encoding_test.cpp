#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QStringList>

#include "content/payload_encoding.h"
#include "content/qr_content.h"

using namespace vostrel;

namespace {

struct KnownPayload {
    const char* what;
    QRContent content;
    QString payload;
};

void expectPayloads(const std::vector<KnownPayload>& table) {
    for (const auto& row : table) EXPECT_EQ(row.content.payload(), row.payload) << row.what;
}

WiFiContent network(QString ssid, QString password, WiFiAuthType auth, bool hidden) {
    return {std::move(ssid), std::move(password), auth, hidden};
}

}  // namespace

TEST(Payload, PlainKindsAreWrittenAsTyped) {
    expectPayloads({
        {"url untouched", QRContent::url({" example.com/a b "}), " example.com/a b "},
        {"text with line feed", QRContent::text("a\nb"), "a\nb"},
        {"phone", QRContent::phone("+46 70"), "tel:+46 70"},
        {"sms", QRContent::sms({"123", "hi there"}), "smsto:123:hi there"},
        {"sms without message", QRContent::sms({"123", ""}), "smsto:123:"},
        {"location", QRContent::location({59.3293, 18.0686}), "geo:59.329300,18.068600"},
        {"southern location", QRContent::location({-33.8688, 151.2093}),
         "geo:-33.868800,151.209300"},
    });
}

TEST(Payload, WiFiEscapesInOrderAndDropsThePasswordOfOpenNetworks) {
    expectPayloads({
        {"escaped ssid", QRContent::wifi(network("Cafe;1,2", "", WiFiAuthType::wpa, false)),
         "WIFI:T:WPA;S:Cafe\\;1\\,2;P:;H:false;;"},
        {"backslash first", QRContent::wifi(network("a\\;b", "", WiFiAuthType::wpa, false)),
         "WIFI:T:WPA;S:a\\\\\\;b;P:;H:false;;"},
        {"quote and colon", QRContent::wifi(network("x", "p\"w:", WiFiAuthType::wep, true)),
         "WIFI:T:WEP;S:x;P:p\\\"w:;H:true;;"},
        {"open network", QRContent::wifi(network("Home", "secret", WiFiAuthType::nopass, true)),
         "WIFI:T:nopass;S:Home;;H:true;;"},
    });
}

TEST(Payload, ContactWritesOnlyFilledLines) {
    ContactContent full{"Ada", "Lovelace", "Engines", "+44 1", "ada@example.org", "ada.example"};
    ContactContent lastOnly;
    lastOnly.lastName = "Lovelace";
    expectPayloads({
        {"full", QRContent::contact(full),
         "BEGIN:VCARD\nVERSION:3.0\nFN:Ada Lovelace\nORG:Engines\nTEL;TYPE=CELL:+44 1\n"
         "EMAIL:ada@example.org\nURL:ada.example\nEND:VCARD"},
        {"last name only", QRContent::contact(lastOnly),
         "BEGIN:VCARD\nVERSION:3.0\nFN:Lovelace\nEND:VCARD"},
        {"empty", emptyContent(ContentType::contact), "BEGIN:VCARD\nVERSION:3.0\nEND:VCARD"},
    });
}

TEST(Payload, EmailPercentEncodesTheQueryValuesOnly) {
    expectPayloads({
        {"no parameters", QRContent::email({"a b@x.se", "", ""}), "mailto:a b@x.se"},
        {"body only", QRContent::email({"a@x.se", "", "a b"}), "mailto:a@x.se?body=a%20b"},
        {"both", QRContent::email({"a@x.se", "Hi & bye=1", "50% #1\nå"}),
         "mailto:a@x.se?subject=Hi%20%26%20bye=1&body=50%25%20%231%0A%C3%A5"},
        {"query set kept", QRContent::email({"a@x.se", "-._~!$'()*+,;=:@/?", ""}),
         "mailto:a@x.se?subject=-._~!$'()*+,;=:@/?"},
    });
}

TEST(Payload, CalendarEventHasFreshIdentifierAndStampOnEveryCallAndOnlyFilledLines) {
    CalendarContent event;
    event.title = "Launch";
    event.startDate = Instant{763637400.0};  // 2025-03-14 09:30:00 UTC
    event.endDate = Instant{763641000.9};
    event.location = "Dock 4";
    event.description = "Bring cake";
    const QRContent content = QRContent::calendar(event);

    const QStringList first = content.payload().split(u'\n');
    const QStringList second = content.payload().split(u'\n');
    ASSERT_EQ(first.size(), 12);
    EXPECT_EQ(first.mid(0, 3), (QStringList{"BEGIN:VCALENDAR", "VERSION:2.0", "BEGIN:VEVENT"}));
    EXPECT_TRUE(QRegularExpression("^UID:[0-9A-F]{8}(-[0-9A-F]{4}){3}-[0-9A-F]{12}@vostrel$")
                    .match(first[3])
                    .hasMatch())
        << first[3].toStdString();
    EXPECT_TRUE(QRegularExpression("^DTSTAMP:\\d{8}T\\d{6}Z$").match(first[4]).hasMatch());
    EXPECT_EQ(first.mid(5), (QStringList{"DTSTART:20250314T093000Z", "DTEND:20250314T103000Z",
                                         "SUMMARY:Launch", "DESCRIPTION:Bring cake",
                                         "LOCATION:Dock 4", "END:VEVENT", "END:VCALENDAR"}));
    EXPECT_NE(first[3], second[3]);
    EXPECT_EQ(first.mid(5), second.mid(5));

    // An untitled event still has its summary line; empty optional lines are left out.
    const QStringList empty = emptyContent(ContentType::calendar).payload().split(u'\n');
    EXPECT_EQ(empty.size(), 10);
    EXPECT_EQ(empty.mid(7), (QStringList{"SUMMARY:", "END:VEVENT", "END:VCALENDAR"}));
}

TEST(Payload, ICalendarTimestampsDropFractionsAndHandleOddInstants) {
    EXPECT_EQ(iCalendarTimestamp(Instant{0.0}), "20010101T000000Z");
    EXPECT_EQ(iCalendarTimestamp(Instant{-0.5}), "20001231T235959Z");
    EXPECT_EQ(iCalendarTimestamp(Instant{-978307200.0}), "19700101T000000Z");
    EXPECT_EQ(iCalendarTimestamp(Instant{5022.0 * 86400.0 + 86399.999}), "20141002T235959Z");
    EXPECT_EQ(iCalendarTimestamp(Instant{-63113904000.0}), "00010101T000000Z");
    EXPECT_EQ(iCalendarTimestamp(Instant{std::numeric_limits<double>::quiet_NaN()}),
              "19700101T000000Z");
    EXPECT_FALSE(iCalendarTimestamp(Instant{std::numeric_limits<double>::infinity()}).isEmpty());
}

TEST(Payload, OnlyEmptyUrlAndTextGiveAnEmptyPayload) {
    for (const ContentType type : allCases<ContentType>()) {
        const bool canBeEmpty = type == ContentType::url || type == ContentType::text;
        EXPECT_EQ(emptyContent(type).payload().isEmpty(), canBeEmpty)
            << rawValue(type).toStdString();
    }
}

TEST(AccessibilitySummary, NamesTheKindAndItsMainField) {
    ContactContent contact;
    contact.firstName = "Ada";
    const QString longText = QString(29, u'x') + QStringLiteral("e\u0301tail");
    const std::vector<std::pair<QRContent, QString>> table{
        {QRContent::url({"x.se"}), "QR code: URL for x.se"},
        {emptyContent(ContentType::url), "QR code: URL for empty"},
        {QRContent::text(longText), "QR code: Text for " + QString(29, u'x') + "e\u0301"},
        {emptyContent(ContentType::wifi), "QR code: WiFi for unnamed network"},
        {QRContent::contact(contact), "QR code: Contact for Ada "},
        {QRContent::location({59.3293, -18.0}), "QR code: Location at 59.3293, -18.0"},
        {emptyContent(ContentType::calendar), "QR code: Calendar event untitled"},
        {QRContent::swish({"070-1", "", "", false, false}), "QR code: Swish payment to 070-1"},
        {emptyContent(ContentType::swish), "QR code: Swish payment to unset"},
    };
    for (const auto& [content, summary] : table) EXPECT_EQ(content.accessibilitySummary(), summary);
}
