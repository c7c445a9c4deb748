#pragma once

// The records carried by the kinds of QRContent. Each is a plain value: member-wise equality, a
// hash consistent with it, and a JSON object whose keys are the field names. fromJson requires
// every field (no defaults) and ignores unknown keys.

#include <QHashFunctions>
#include <QJsonObject>
#include <QString>
#include <array>

#include "common/json_reader.h"
#include "common/raw_enum.h"
#include "content/instant.h"

namespace vostrel {

struct URLContent {
    QString url;

    QJsonObject toJson() const;
    static URLContent fromJson(JsonReader& reader);
    bool operator==(const URLContent&) const = default;
};

enum class WiFiAuthType { wpa, wep, nopass };

template <>
struct RawValues<WiFiAuthType> {
    static constexpr std::array cases{
        std::pair{WiFiAuthType::wpa, "WPA"},
        std::pair{WiFiAuthType::wep, "WEP"},
        std::pair{WiFiAuthType::nopass, "nopass"},
    };
};

struct WiFiContent {
    QString ssid;
    QString password;
    WiFiAuthType authType = WiFiAuthType::wpa;
    bool hidden = false;

    QJsonObject toJson() const;
    static WiFiContent fromJson(JsonReader& reader);
    bool operator==(const WiFiContent&) const = default;
};

struct ContactContent {
    QString firstName;
    QString lastName;
    QString organization;
    QString phone;
    QString email;
    QString url;

    QJsonObject toJson() const;
    static ContactContent fromJson(JsonReader& reader);
    bool operator==(const ContactContent&) const = default;
};

struct EmailContent {
    QString address;
    QString subject;
    QString body;

    QJsonObject toJson() const;
    static EmailContent fromJson(JsonReader& reader);
    bool operator==(const EmailContent&) const = default;
};

struct SMSContent {
    QString number;
    QString message;

    QJsonObject toJson() const;
    static SMSContent fromJson(JsonReader& reader);
    bool operator==(const SMSContent&) const = default;
};

// Degrees; the model enforces no range. -0.0 equals 0.0 (numeric equality) and hashes alike.
struct LocationContent {
    double latitude = 0.0;
    double longitude = 0.0;

    QJsonObject toJson() const;
    static LocationContent fromJson(JsonReader& reader);
    bool operator==(const LocationContent&) const = default;
};

struct CalendarContent {
    QString title;
    Instant startDate;
    Instant endDate;
    QString location;
    QString description;

    // The empty calendar content: made once per process on first use (thread-safely), starting
    // at that moment and lasting an hour. Later calls return the very same value.
    static const CalendarContent& defaultEvent();

    QJsonObject toJson() const;
    static CalendarContent fromJson(JsonReader& reader);
    bool operator==(const CalendarContent&) const = default;
};

// Everything as the user typed it; normalisation happens only when the payload is made.
struct SwishContent {
    QString payee;
    QString amount;
    QString message;
    bool amountEditable = false;
    bool messageEditable = false;

    QJsonObject toJson() const;
    static SwishContent fromJson(JsonReader& reader);
    bool operator==(const SwishContent&) const = default;
};

inline size_t qHash(WiFiAuthType type, size_t seed = 0) {
    return ::qHash(static_cast<int>(type), seed);
}
size_t qHash(const URLContent& content, size_t seed = 0);
size_t qHash(const WiFiContent& content, size_t seed = 0);
size_t qHash(const ContactContent& content, size_t seed = 0);
size_t qHash(const EmailContent& content, size_t seed = 0);
size_t qHash(const SMSContent& content, size_t seed = 0);
size_t qHash(const LocationContent& content, size_t seed = 0);
size_t qHash(const CalendarContent& content, size_t seed = 0);
size_t qHash(const SwishContent& content, size_t seed = 0);

}  // namespace vostrel
