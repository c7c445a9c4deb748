#include "content/content_type.h"

namespace vostrel {

namespace {

struct KindNames {
    const char* displayName;
    const char* symbolName;
};

// Indexed by ContentType.
constexpr std::array<KindNames, 10> kindNames{{
    {"URL", "link"},
    {"Text", "text.alignleft"},
    {"WiFi", "wifi"},
    {"Contact", "person.crop.circle"},
    {"Email", "envelope"},
    {"Phone", "phone"},
    {"SMS", "message"},
    {"Location", "location"},
    {"Calendar", "calendar"},
    {"Swish", "swedishkronasign.circle"},
}};

static_assert(kindNames.size() == RawValues<ContentType>::cases.size());

}  // namespace

QString displayName(ContentType type) {
    return QString::fromLatin1(kindNames.at(static_cast<std::size_t>(type)).displayName);
}

QString symbolName(ContentType type) {
    return QString::fromLatin1(kindNames.at(static_cast<std::size_t>(type)).symbolName);
}

}  // namespace vostrel
