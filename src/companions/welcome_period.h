#pragma once

#include <QDateTime>
#include <QHashFunctions>
#include <QStringList>
#include <QTimeZone>
#include <array>

#include "common/raw_enum.h"

namespace vostrel {

// The time of day the welcome window greets by and the mascot is lit for.
enum class WelcomePeriod { morning, afternoon, evening, night };

template <>
struct RawValues<WelcomePeriod> {
    static constexpr std::array cases{
        std::pair{WelcomePeriod::morning, "morning"},
        std::pair{WelcomePeriod::afternoon, "afternoon"},
        std::pair{WelcomePeriod::evening, "evening"},
        std::pair{WelcomePeriod::night, "night"},
    };
};

inline size_t qHash(WelcomePeriod period, size_t seed = 0) {
    return ::qHash(static_cast<int>(period), seed);
}

// By the hour in `timeZone`: 5–11 morning, 12–16 afternoon, 17–21 evening, 22–4 night. The
// zone is passed in rather than taken from the machine so that a window can follow the zone the
// user switches to. An invalid zone reads the hour in the date's own zone.
WelcomePeriod periodFor(const QDateTime& date, const QTimeZone& timeZone);

// "Good morning.", "Good afternoon.", "Good evening.", "Hello, night owl."
QString greeting(WelcomePeriod period);

// The period's icon as a symbol name ("sun.horizon"); the user interface maps these names to
// theme icons.
QString symbolName(WelcomePeriod period);

// The mascot's five lines: the first belongs to the period, the other four are the same always.
QStringList quips(WelcomePeriod period);

}  // namespace vostrel
