#include <algorithm>
#include <cmath>

#include "content/payload_encoding.h"

namespace vostrel {

namespace {

// About 31.7 million years either side of 1970: far beyond any real event, and small enough that
// every step below stays exact in 64-bit integers.
constexpr double timestampLimitSeconds = 1.0e15;

struct CivilDate {
    qint64 year;
    int month;
    int day;
};

// The proleptic Gregorian date of a day counted from 1970-01-01 (Howard Hinnant's algorithm).
CivilDate civilFromDays(qint64 days) {
    days += 719468;
    const qint64 era = (days >= 0 ? days : days - 146096) / 146097;
    const qint64 dayOfEra = days - era * 146097;
    const qint64 yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const qint64 dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const qint64 shiftedMonth = (5 * dayOfYear + 2) / 153;
    const int day = int(dayOfYear - (153 * shiftedMonth + 2) / 5 + 1);
    const int month = int(shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9);
    return {yearOfEra + era * 400 + (month <= 2 ? 1 : 0), month, day};
}

QString twoDigits(qint64 value) {
    return QString::number(value).rightJustified(2, u'0');
}

QString fourDigitYear(qint64 year) {
    const QString digits = QString::number(std::abs(year)).rightJustified(4, u'0');
    return year < 0 ? u'-' + digits : digits;
}

}  // namespace

QString iCalendarTimestamp(Instant instant) {
    double unixSeconds =
        std::floor(instant.secondsSinceReferenceDate) + double(Instant::referenceDateUnixSeconds);
    if (std::isnan(unixSeconds)) unixSeconds = 0.0;
    unixSeconds = std::clamp(unixSeconds, -timestampLimitSeconds, timestampLimitSeconds);
    const auto seconds = qint64(unixSeconds);
    const qint64 days = seconds >= 0 ? seconds / 86400 : (seconds - 86399) / 86400;
    const qint64 secondOfDay = seconds - days * 86400;
    const CivilDate date = civilFromDays(days);
    return fourDigitYear(date.year) + twoDigits(date.month) + twoDigits(date.day) + u'T' +
           twoDigits(secondOfDay / 3600) + twoDigits(secondOfDay / 60 % 60) +
           twoDigits(secondOfDay % 60) + u'Z';
}

}  // namespace vostrel
