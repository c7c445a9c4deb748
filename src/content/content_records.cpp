#include "content/content_records.h"

#include <QHashFunctions>

namespace vostrel {

QJsonObject URLContent::toJson() const {
    return {{QStringLiteral("url"), url}};
}

URLContent URLContent::fromJson(JsonReader& reader) {
    return {reader.string(u"url")};
}

QJsonObject WiFiContent::toJson() const {
    return {{QStringLiteral("ssid"), ssid},
            {QStringLiteral("password"), password},
            {QStringLiteral("authType"), rawValue(authType)},
            {QStringLiteral("hidden"), hidden}};
}

WiFiContent WiFiContent::fromJson(JsonReader& reader) {
    WiFiContent content;
    content.ssid = reader.string(u"ssid");
    content.password = reader.string(u"password");
    content.authType = reader.enumeration<WiFiAuthType>(u"authType");
    content.hidden = reader.boolean(u"hidden");
    return content;
}

QJsonObject ContactContent::toJson() const {
    return {{QStringLiteral("firstName"), firstName},
            {QStringLiteral("lastName"), lastName},
            {QStringLiteral("organization"), organization},
            {QStringLiteral("phone"), phone},
            {QStringLiteral("email"), email},
            {QStringLiteral("url"), url}};
}

ContactContent ContactContent::fromJson(JsonReader& reader) {
    ContactContent content;
    content.firstName = reader.string(u"firstName");
    content.lastName = reader.string(u"lastName");
    content.organization = reader.string(u"organization");
    content.phone = reader.string(u"phone");
    content.email = reader.string(u"email");
    content.url = reader.string(u"url");
    return content;
}

QJsonObject EmailContent::toJson() const {
    return {{QStringLiteral("address"), address},
            {QStringLiteral("subject"), subject},
            {QStringLiteral("body"), body}};
}

EmailContent EmailContent::fromJson(JsonReader& reader) {
    EmailContent content;
    content.address = reader.string(u"address");
    content.subject = reader.string(u"subject");
    content.body = reader.string(u"body");
    return content;
}

QJsonObject SMSContent::toJson() const {
    return {{QStringLiteral("number"), number}, {QStringLiteral("message"), message}};
}

SMSContent SMSContent::fromJson(JsonReader& reader) {
    SMSContent content;
    content.number = reader.string(u"number");
    content.message = reader.string(u"message");
    return content;
}

QJsonObject LocationContent::toJson() const {
    return {{QStringLiteral("latitude"), latitude}, {QStringLiteral("longitude"), longitude}};
}

LocationContent LocationContent::fromJson(JsonReader& reader) {
    LocationContent content;
    content.latitude = reader.number(u"latitude");
    content.longitude = reader.number(u"longitude");
    return content;
}

const CalendarContent& CalendarContent::defaultEvent() {
    static const CalendarContent event = [] {
        const Instant start = Instant::now();
        CalendarContent content;
        content.startDate = start;
        content.endDate = Instant{start.secondsSinceReferenceDate + 3600.0};
        return content;
    }();
    return event;
}

QJsonObject CalendarContent::toJson() const {
    return {{QStringLiteral("title"), title},
            {QStringLiteral("startDate"), startDate.secondsSinceReferenceDate},
            {QStringLiteral("endDate"), endDate.secondsSinceReferenceDate},
            {QStringLiteral("location"), location},
            {QStringLiteral("description"), description}};
}

CalendarContent CalendarContent::fromJson(JsonReader& reader) {
    CalendarContent content;
    content.title = reader.string(u"title");
    content.startDate = Instant{reader.number(u"startDate")};
    content.endDate = Instant{reader.number(u"endDate")};
    content.location = reader.string(u"location");
    content.description = reader.string(u"description");
    return content;
}

QJsonObject SwishContent::toJson() const {
    return {{QStringLiteral("payee"), payee},
            {QStringLiteral("amount"), amount},
            {QStringLiteral("message"), message},
            {QStringLiteral("amountEditable"), amountEditable},
            {QStringLiteral("messageEditable"), messageEditable}};
}

SwishContent SwishContent::fromJson(JsonReader& reader) {
    SwishContent content;
    content.payee = reader.string(u"payee");
    content.amount = reader.string(u"amount");
    content.message = reader.string(u"message");
    content.amountEditable = reader.boolean(u"amountEditable");
    content.messageEditable = reader.boolean(u"messageEditable");
    return content;
}

size_t qHash(const URLContent& content, size_t seed) {
    return ::qHash(content.url, seed);
}

size_t qHash(const WiFiContent& content, size_t seed) {
    return qHashMulti(seed, content.ssid, content.password, content.authType, content.hidden);
}

size_t qHash(const ContactContent& content, size_t seed) {
    return qHashMulti(seed, content.firstName, content.lastName, content.organization,
                      content.phone, content.email, content.url);
}

size_t qHash(const EmailContent& content, size_t seed) {
    return qHashMulti(seed, content.address, content.subject, content.body);
}

size_t qHash(const SMSContent& content, size_t seed) {
    return qHashMulti(seed, content.number, content.message);
}

// Qt's qHash(double) maps -0.0 to the hash of 0.0, matching numeric equality.
size_t qHash(const LocationContent& content, size_t seed) {
    return qHashMulti(seed, content.latitude, content.longitude);
}

size_t qHash(const CalendarContent& content, size_t seed) {
    return qHashMulti(seed, content.title, content.startDate, content.endDate, content.location,
                      content.description);
}

size_t qHash(const SwishContent& content, size_t seed) {
    return qHashMulti(seed, content.payee, content.amount, content.message, content.amountEditable,
                      content.messageEditable);
}

}  // namespace vostrel
