#pragma once

#include <QDateTime>
#include <QtGlobal>

namespace vostrel {

// A point in time as seconds since 2001-01-01 00:00:00 UTC, with fraction. This is the very number
// a document file stores, so it round-trips without loss; QDateTime appears only at the edges
// because it keeps milliseconds only.
struct Instant {
    // 2001-01-01 00:00:00 UTC in seconds since the Unix epoch.
    static constexpr qint64 referenceDateUnixSeconds = 978307200;

    double secondsSinceReferenceDate = 0.0;

    // The system clock, with its full sub-second precision.
    static Instant now();

    // An invalid QDateTime gives the reference date itself.
    static Instant fromDateTime(const QDateTime& dateTime);

    // In UTC, to the millisecond (rounded down). Invalid when the instant is not finite or lies
    // beyond QDateTime's range.
    QDateTime toDateTime() const;

    bool operator==(const Instant&) const = default;
};

size_t qHash(const Instant& instant, size_t seed = 0);

}  // namespace vostrel
