#include "common/graphemes.h"
#include "common/number_format.h"
#include "content/qr_content.h"

namespace vostrel {

namespace {

QString orIfEmpty(const QString& value, const QString& fallback) {
    return value.isEmpty() ? fallback : value;
}

QString summaryDetail(const QRContent& content) {
    const QString empty = QStringLiteral("empty");
    switch (content.contentType()) {
        case ContentType::url:
            return orIfEmpty(content.get<ContentType::url>()->url, empty);
        case ContentType::text:
            return orIfEmpty(firstGraphemes(*content.get<ContentType::text>(), 30), empty);
        case ContentType::wifi:
            return orIfEmpty(content.get<ContentType::wifi>()->ssid,
                             QStringLiteral("unnamed network"));
        case ContentType::contact: {
            const auto* contact = content.get<ContentType::contact>();
            return contact->firstName + u' ' + contact->lastName;
        }
        case ContentType::email:
            return orIfEmpty(content.get<ContentType::email>()->address, empty);
        case ContentType::phone:
            return orIfEmpty(*content.get<ContentType::phone>(), empty);
        case ContentType::sms:
            return orIfEmpty(content.get<ContentType::sms>()->number, empty);
        case ContentType::location: {
            const auto* location = content.get<ContentType::location>();
            return formatShortest(location->latitude) + QStringLiteral(", ") +
                   formatShortest(location->longitude);
        }
        case ContentType::calendar:
            return orIfEmpty(content.get<ContentType::calendar>()->title,
                             QStringLiteral("untitled"));
        case ContentType::swish:
            return orIfEmpty(content.get<ContentType::swish>()->payee, QStringLiteral("unset"));
    }
    return {};
}

QString summaryLead(ContentType type) {
    switch (type) {
        case ContentType::url:
            return QStringLiteral("URL for ");
        case ContentType::text:
            return QStringLiteral("Text for ");
        case ContentType::wifi:
            return QStringLiteral("WiFi for ");
        case ContentType::contact:
            return QStringLiteral("Contact for ");
        case ContentType::email:
            return QStringLiteral("Email for ");
        case ContentType::phone:
            return QStringLiteral("Phone for ");
        case ContentType::sms:
            return QStringLiteral("SMS for ");
        case ContentType::location:
            return QStringLiteral("Location at ");
        case ContentType::calendar:
            return QStringLiteral("Calendar event ");
        case ContentType::swish:
            return QStringLiteral("Swish payment to ");
    }
    return {};
}

}  // namespace

QString QRContent::accessibilitySummary() const {
    return QStringLiteral("QR code: ") + summaryLead(contentType()) + summaryDetail(*this);
}

}  // namespace vostrel
