#include "content/qr_content.h"

#include <QHashFunctions>
#include <QJsonValue>
#include <optional>

namespace vostrel {

namespace {

const QString payloadKey = QStringLiteral("_0");

QJsonValue payloadJson(const QString& text) {
    return text;
}

template <class Record>
QJsonValue payloadJson(const Record& record) {
    return record.toJson();
}

// The one key of the object that names a kind, or nothing when there are none or several.
std::optional<ContentType> soleKindKey(const QJsonObject& object) {
    std::optional<ContentType> found;
    for (auto it = object.constBegin(); it != object.constEnd(); ++it) {
        const auto type = fromRawValue<ContentType>(it.key());
        if (!type) continue;
        if (found) return std::nullopt;
        found = type;
    }
    return found;
}

template <class Record>
Record decodeRecord(JsonReader& wrapper) {
    JsonReader record = wrapper.object(payloadKey);
    return Record::fromJson(record);
}

QRContent decodePayload(ContentType type, JsonReader& wrapper) {
    switch (type) {
        case ContentType::url:
            return QRContent::url(decodeRecord<URLContent>(wrapper));
        case ContentType::text:
            return QRContent::text(wrapper.string(payloadKey));
        case ContentType::wifi:
            return QRContent::wifi(decodeRecord<WiFiContent>(wrapper));
        case ContentType::contact:
            return QRContent::contact(decodeRecord<ContactContent>(wrapper));
        case ContentType::email:
            return QRContent::email(decodeRecord<EmailContent>(wrapper));
        case ContentType::phone:
            return QRContent::phone(wrapper.string(payloadKey));
        case ContentType::sms:
            return QRContent::sms(decodeRecord<SMSContent>(wrapper));
        case ContentType::location:
            return QRContent::location(decodeRecord<LocationContent>(wrapper));
        case ContentType::calendar:
            return QRContent::calendar(decodeRecord<CalendarContent>(wrapper));
        case ContentType::swish:
            return QRContent::swish(decodeRecord<SwishContent>(wrapper));
    }
    return {};
}

}  // namespace

QRContent QRContent::url(URLContent content) {
    return of<ContentType::url>(std::move(content));
}
QRContent QRContent::text(QString text) {
    return of<ContentType::text>(std::move(text));
}
QRContent QRContent::wifi(WiFiContent content) {
    return of<ContentType::wifi>(std::move(content));
}
QRContent QRContent::contact(ContactContent content) {
    return of<ContentType::contact>(std::move(content));
}
QRContent QRContent::email(EmailContent content) {
    return of<ContentType::email>(std::move(content));
}
QRContent QRContent::phone(QString number) {
    return of<ContentType::phone>(std::move(number));
}
QRContent QRContent::sms(SMSContent content) {
    return of<ContentType::sms>(std::move(content));
}
QRContent QRContent::location(LocationContent content) {
    return of<ContentType::location>(std::move(content));
}
QRContent QRContent::calendar(CalendarContent content) {
    return of<ContentType::calendar>(std::move(content));
}
QRContent QRContent::swish(SwishContent content) {
    return of<ContentType::swish>(std::move(content));
}

QJsonObject QRContent::toJson() const {
    const QJsonValue payload =
        std::visit([](const auto& value) { return payloadJson(value); }, storage_);
    return {{rawValue(contentType()), QJsonObject{{payloadKey, payload}}}};
}

QRContent QRContent::fromJson(JsonReader& reader) {
    if (!reader.ok()) return {};
    const auto type = soleKindKey(reader.json());
    if (!type) {
        reader.fail(QStringLiteral("Invalid number of keys found, expected one."));
        return {};
    }
    JsonReader wrapper = reader.object(rawValue(*type));
    QRContent content = decodePayload(*type, wrapper);
    return reader.ok() ? content : QRContent();
}

size_t qHash(const QRContent& content, size_t seed) {
    const auto kindSeed = qHash(content.contentType(), seed);
    return std::visit([kindSeed](const auto& value) { return qHash(value, kindSeed); },
                      content.storage());
}

QRContent emptyContent(ContentType type) {
    switch (type) {
        case ContentType::url:
            return QRContent::url({});
        case ContentType::text:
            return QRContent::text({});
        case ContentType::wifi:
            return QRContent::wifi({});
        case ContentType::contact:
            return QRContent::contact({});
        case ContentType::email:
            return QRContent::email({});
        case ContentType::phone:
            return QRContent::phone({});
        case ContentType::sms:
            return QRContent::sms({});
        case ContentType::location:
            return QRContent::location({});
        case ContentType::calendar:
            return QRContent::calendar(CalendarContent::defaultEvent());
        case ContentType::swish:
            return QRContent::swish({});
    }
    return {};
}

}  // namespace vostrel
