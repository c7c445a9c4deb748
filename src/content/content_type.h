#pragma once

#include <QHashFunctions>
#include <QString>
#include <array>

#include "common/raw_enum.h"

namespace vostrel {

// The ten kinds of content, in the order the picker lists them; the raw value is the case name.
enum class ContentType { url, text, wifi, contact, email, phone, sms, location, calendar, swish };

template <>
struct RawValues<ContentType> {
    static constexpr std::array cases{
        std::pair{ContentType::url, "url"},           std::pair{ContentType::text, "text"},
        std::pair{ContentType::wifi, "wifi"},         std::pair{ContentType::contact, "contact"},
        std::pair{ContentType::email, "email"},       std::pair{ContentType::phone, "phone"},
        std::pair{ContentType::sms, "sms"},           std::pair{ContentType::location, "location"},
        std::pair{ContentType::calendar, "calendar"}, std::pair{ContentType::swish, "swish"},
    };
};

// The name shown to the user, e.g. "WiFi"; also used in the "Switch to …" undo name.
QString displayName(ContentType type);

// The icon of the kind as a symbol name ("person.crop.circle"); the user interface maps these
// names to theme icons.
QString symbolName(ContentType type);

inline size_t qHash(ContentType type, size_t seed = 0) {
    return ::qHash(static_cast<int>(type), seed);
}

}  // namespace vostrel
