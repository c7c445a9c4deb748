#include "companions/occasion.h"

#include <QHashFunctions>
#include <algorithm>

namespace vostrel {

namespace {

int monthDayKey(int month, int day) {
    return month * 100 + day;
}

bool inRange(const OccasionRule::DateRange& range, int key) {
    const int from = monthDayKey(range.from.month, range.from.day);
    const int to = monthDayKey(range.to.month, range.to.day);
    if (to >= from) return from <= key && key <= to;
    return key >= from || key <= to;  // runs over New Year
}

std::optional<DateComponents> componentsOf(const QDateTime& date, const QCalendar& calendar,
                                           const QTimeZone& timeZone) {
    if (!date.isValid() || !calendar.isValid()) return std::nullopt;
    const QDate day = (timeZone.isValid() ? date.toTimeZone(timeZone) : date).date();
    const QCalendar::YearMonthDay parts = calendar.partsFromDate(day);
    if (!parts.isValid()) return std::nullopt;
    return DateComponents{parts.year, parts.month, parts.day, calendar.dayOfWeek(day)};
}

bool ruleHolds(const OccasionRule& rule, const DateComponents& date) {
    const int key = monthDayKey(date.month, date.day);
    return std::visit(
        [&](const auto& kind) {
            using Kind = std::decay_t<decltype(kind)>;
            if constexpr (std::is_same_v<Kind, MonthDay>) {
                return kind.month == date.month && kind.day == date.day;
            } else if constexpr (std::is_same_v<Kind, OccasionRule::DateRange>) {
                return inRange(kind, key);
            } else if constexpr (std::is_same_v<Kind, Season>) {
                return seasonOf(date.month) == kind;
            } else {
                return kind.predicate && (*kind.predicate)(date);
            }
        },
        rule.kind());
}

Occasion season(const char* id, const char* title, Season season) {
    return Occasion{.id = QString::fromLatin1(id),
                    .title = QString::fromLatin1(title),
                    .layer = Occasion::Layer::ambient,
                    .priority = 0,
                    .rule = OccasionRule::season(season),
                    .greeting = std::nullopt,
                    .isFestive = false};
}

}  // namespace

Season seasonOf(int month) {
    if (month >= 3 && month <= 5) return Season::spring;
    if (month >= 6 && month <= 8) return Season::summer;
    if (month >= 9 && month <= 11) return Season::autumn;
    return Season::winter;
}

size_t qHash(const Occasion& occasion, size_t seed) {
    // The rule may hold a predicate, which cannot be hashed; equal occasions share their id.
    return qHashMulti(seed, occasion.id, occasion.title, occasion.priority, occasion.isFestive);
}

const QList<Occasion>& builtInOccasions() {
    static const QList<Occasion> table{
        Occasion{.id = QStringLiteral("birthday"),
                 .title = QStringLiteral("Vostrel's birthday"),
                 .layer = Occasion::Layer::event,
                 .priority = 100,
                 .rule = OccasionRule::monthDay(4, 23),
                 .greeting = QStringLiteral("It's my birthday — another year of chirping for you"),
                 .isFestive = true},
        season("season.spring", "Spring", Season::spring),
        season("season.summer", "Summer", Season::summer),
        season("season.autumn", "Autumn", Season::autumn),
        season("season.winter", "Winter", Season::winter),
    };
    return table;
}

bool matches(const OccasionRule& rule, const QDateTime& date, const QCalendar& calendar,
             const QTimeZone& timeZone) {
    const auto components = componentsOf(date, calendar, timeZone);
    return components && ruleHolds(rule, *components);
}

ActiveOccasions activeOccasions(const QDateTime& date, const QCalendar& calendar,
                                const QTimeZone& timeZone, const QList<Occasion>& occasions) {
    ActiveOccasions active;
    const auto components = componentsOf(date, calendar, timeZone);
    if (!components) return active;
    for (const Occasion& occasion : occasions) {
        if (!ruleHolds(occasion.rule, *components)) continue;
        if (occasion.layer == Occasion::Layer::event) {
            active.events.append(occasion);
        } else if (!active.ambient || occasion.priority > active.ambient->priority) {
            active.ambient = occasion;
        }
    }
    std::stable_sort(active.events.begin(), active.events.end(),
                     [](const Occasion& a, const Occasion& b) { return a.priority > b.priority; });
    return active;
}

ActiveOccasions currentOccasions() {
    return activeOccasions(QDateTime::currentDateTime(), QCalendar(), QTimeZone::systemTimeZone(),
                           builtInOccasions());
}

}  // namespace vostrel
