#pragma once

#include <QJsonObject>
#include <QString>
#include <cstddef>
#include <variant>

#include "common/json_reader.h"
#include "content/content_records.h"
#include "content/content_type.h"

namespace vostrel {

// What one QR symbol encodes: one of the ten kinds with its data. The variant's alternative index
// is the position of the kind in ContentType, so text and phone (both plain strings) stay apart.
class QRContent {
  public:
    using Storage =
        std::variant<URLContent, QString, WiFiContent, ContactContent, EmailContent, QString,
                     SMSContent, LocationContent, CalendarContent, SwishContent>;

    // The alternative a kind carries, e.g. Payload<ContentType::phone> is QString.
    template <ContentType K>
    using Payload = std::variant_alternative_t<static_cast<std::size_t>(K), Storage>;

    // The empty web address.
    QRContent() = default;

    // The content of kind K with its data, for code that is generic over the kinds.
    template <ContentType K>
    static QRContent of(Payload<K> payload) {
        return QRContent(Storage(std::in_place_index<static_cast<std::size_t>(K)>, std::move(payload)));
    }

    static QRContent url(URLContent content);
    static QRContent text(QString text);
    static QRContent wifi(WiFiContent content);
    static QRContent contact(ContactContent content);
    static QRContent email(EmailContent content);
    static QRContent phone(QString number);
    static QRContent sms(SMSContent content);
    static QRContent location(LocationContent content);
    static QRContent calendar(CalendarContent content);
    static QRContent swish(SwishContent content);

    ContentType contentType() const { return static_cast<ContentType>(storage_.index()); }

    // The data of kind K, or nullptr when this content is of another kind.
    template <ContentType K>
    const Payload<K>* get() const {
        return std::get_if<static_cast<std::size_t>(K)>(&storage_);
    }
    template <ContentType K>
    Payload<K>* get() {
        return std::get_if<static_cast<std::size_t>(K)>(&storage_);
    }

    // For std::visit; text and phone are told apart by contentType(), not by the visitor's type.
    const Storage& storage() const { return storage_; }

    // {"<kind>": {"_0": <string or record>}}.
    QJsonObject toJson() const;
    // Exactly one key of the object must name a kind; other keys are ignored. On failure the
    // reader holds the reason and the result is the empty web address.
    static QRContent fromJson(JsonReader& reader);

    // The exact text the symbol encodes. Never fails; only an empty url or text gives "". The
    // calendar kind reads the clock and a fresh random UID, so two calls differ.
    QString payload() const;

    // The spoken label of the symbol, e.g. "QR code: WiFi for Home".
    QString accessibilitySummary() const;

    bool operator==(const QRContent&) const = default;

  private:
    explicit QRContent(Storage storage) : storage_(std::move(storage)) {}

    Storage storage_;
};

size_t qHash(const QRContent& content, size_t seed = 0);

// The default content of a kind, used when the user switches to a kind with nothing cached.
QRContent emptyContent(ContentType type);

}  // namespace vostrel
