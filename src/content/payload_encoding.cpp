#include "content/payload_encoding.h"

#include <QStringList>
#include <QUuid>
#include <charconv>

#include "content/qr_content.h"

namespace vostrel {

namespace {

QString escapedWiFiValue(QString value) {
    // Backslashes first, so the backslashes added by the later steps are not doubled again.
    value.replace(u'\\', QStringLiteral("\\\\"));
    value.replace(u';', QStringLiteral("\\;"));
    value.replace(u',', QStringLiteral("\\,"));
    value.replace(u'"', QStringLiteral("\\\""));
    return value;
}

// printf's "%.6f" without its dependence on the C locale, which Qt sets from the environment.
QString fixedSixDecimals(double value) {
    char buffer[400];  // the longest double in fixed notation needs 309 integer digits
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 6);
    return QString::fromLatin1(buffer, result.ptr - buffer);
}

void appendIfNotEmpty(QStringList& lines, QStringView prefix, const QString& value) {
    if (!value.isEmpty()) lines << prefix.toString() + value;
}

}  // namespace

QString percentEncoded(QStringView text, const PercentEncodingSet& allowed) {
    static constexpr char hexDigits[] = "0123456789ABCDEF";
    const QByteArray utf8 = text.toUtf8();
    QString result;
    result.reserve(utf8.size());
    for (const char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        if (allowed.allows(byte)) {
            result += QLatin1Char(c);
        } else {
            result += u'%';
            result += QLatin1Char(hexDigits[byte >> 4]);
            result += QLatin1Char(hexDigits[byte & 0xF]);
        }
    }
    return result;
}

QString wifiPayload(const WiFiContent& content) {
    const QString hidden = content.hidden ? QStringLiteral("true") : QStringLiteral("false");
    const QString ssid = escapedWiFiValue(content.ssid);
    if (content.authType == WiFiAuthType::nopass) {
        return QStringLiteral("WIFI:T:nopass;S:") + ssid + QStringLiteral(";;H:") + hidden +
               QStringLiteral(";;");
    }
    return QStringLiteral("WIFI:T:") + rawValue(content.authType) + QStringLiteral(";S:") + ssid +
           QStringLiteral(";P:") + escapedWiFiValue(content.password) + QStringLiteral(";H:") +
           hidden + QStringLiteral(";;");
}

QString contactPayload(const ContactContent& content) {
    QStringList nameParts;
    if (!content.firstName.isEmpty()) nameParts << content.firstName;
    if (!content.lastName.isEmpty()) nameParts << content.lastName;

    QStringList lines{QStringLiteral("BEGIN:VCARD"), QStringLiteral("VERSION:3.0")};
    appendIfNotEmpty(lines, u"FN:", nameParts.join(u' '));
    appendIfNotEmpty(lines, u"ORG:", content.organization);
    appendIfNotEmpty(lines, u"TEL;TYPE=CELL:", content.phone);
    appendIfNotEmpty(lines, u"EMAIL:", content.email);
    appendIfNotEmpty(lines, u"URL:", content.url);
    lines << QStringLiteral("END:VCARD");
    return lines.join(u'\n');
}

QString emailPayload(const EmailContent& content) {
    QStringList parameters;
    if (!content.subject.isEmpty()) {
        parameters << QStringLiteral("subject=") +
                          percentEncoded(content.subject, emailQueryCharacters);
    }
    if (!content.body.isEmpty()) {
        parameters << QStringLiteral("body=") + percentEncoded(content.body, emailQueryCharacters);
    }
    const QString address = QStringLiteral("mailto:") + content.address;
    return parameters.isEmpty() ? address : address + u'?' + parameters.join(u'&');
}

QString smsPayload(const SMSContent& content) {
    return QStringLiteral("smsto:") + content.number + u':' + content.message;
}

QString locationPayload(const LocationContent& content) {
    return QStringLiteral("geo:") + fixedSixDecimals(content.latitude) + u',' +
           fixedSixDecimals(content.longitude);
}

QString calendarPayload(const CalendarContent& content) {
    const QString uid = QUuid::createUuid().toString(QUuid::WithoutBraces).toUpper();
    QStringList lines{
        QStringLiteral("BEGIN:VCALENDAR"),
        QStringLiteral("VERSION:2.0"),
        QStringLiteral("BEGIN:VEVENT"),
        QStringLiteral("UID:") + uid + QStringLiteral("@vostrel"),
        QStringLiteral("DTSTAMP:") + iCalendarTimestamp(Instant::now()),
        QStringLiteral("DTSTART:") + iCalendarTimestamp(content.startDate),
        QStringLiteral("DTEND:") + iCalendarTimestamp(content.endDate),
        QStringLiteral("SUMMARY:") + content.title,
    };
    appendIfNotEmpty(lines, u"DESCRIPTION:", content.description);
    appendIfNotEmpty(lines, u"LOCATION:", content.location);
    lines << QStringLiteral("END:VEVENT") << QStringLiteral("END:VCALENDAR");
    return lines.join(u'\n');
}

QString QRContent::payload() const {
    switch (contentType()) {
        case ContentType::url:
            return get<ContentType::url>()->url;
        case ContentType::text:
            return *get<ContentType::text>();
        case ContentType::wifi:
            return wifiPayload(*get<ContentType::wifi>());
        case ContentType::contact:
            return contactPayload(*get<ContentType::contact>());
        case ContentType::email:
            return emailPayload(*get<ContentType::email>());
        case ContentType::phone:
            return QStringLiteral("tel:") + *get<ContentType::phone>();
        case ContentType::sms:
            return smsPayload(*get<ContentType::sms>());
        case ContentType::location:
            return locationPayload(*get<ContentType::location>());
        case ContentType::calendar:
            return calendarPayload(*get<ContentType::calendar>());
        case ContentType::swish:
            return swishPayload(*get<ContentType::swish>());
    }
    return {};
}

}  // namespace vostrel
