#include "content/instant.h"

#include <chrono>
#include <cmath>

namespace vostrel {

namespace {

constexpr double referenceDateUnixSeconds = Instant::referenceDateUnixSeconds;

}  // namespace

Instant Instant::now() {
    using namespace std::chrono;
    const auto sinceEpoch = duration<double>(system_clock::now().time_since_epoch());
    return Instant{sinceEpoch.count() - referenceDateUnixSeconds};
}

Instant Instant::fromDateTime(const QDateTime& dateTime) {
    if (!dateTime.isValid()) return Instant{};
    return Instant{double(dateTime.toMSecsSinceEpoch()) / 1000.0 - referenceDateUnixSeconds};
}

QDateTime Instant::toDateTime() const {
    const double milliseconds =
        std::floor((secondsSinceReferenceDate + referenceDateUnixSeconds) * 1000.0);
    // Well inside both qint64 and QDateTime's own range of about 292 million years.
    constexpr double limit = 9.0e18;
    if (!std::isfinite(milliseconds) || std::abs(milliseconds) > limit) return QDateTime();
    return QDateTime::fromMSecsSinceEpoch(qint64(milliseconds), Qt::UTC);
}

size_t qHash(const Instant& instant, size_t seed) {
    return ::qHash(instant.secondsSinceReferenceDate, seed);
}

}  // namespace vostrel
