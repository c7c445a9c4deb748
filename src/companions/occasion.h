#pragma once

#include <QCalendar>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QTimeZone>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <variant>

#include "common/raw_enum.h"

namespace vostrel {

// The months of a season: March–May spring, June–August summer, September–November autumn,
// December–February winter.
enum class Season { spring, summer, autumn, winter };

template <>
struct RawValues<Season> {
    static constexpr std::array cases{
        std::pair{Season::spring, "spring"},
        std::pair{Season::summer, "summer"},
        std::pair{Season::autumn, "autumn"},
        std::pair{Season::winter, "winter"},
    };
};

// The season of a month 1…12; anything outside March…November counts as winter.
Season seasonOf(int month);

struct MonthDay {
    int month = 1;  // 1…12
    int day = 1;    // 1…31
    bool operator==(const MonthDay&) const = default;
};

// What a custom rule is told about a date, in the calendar and time zone it was asked in.
struct DateComponents {
    int year = 0;
    int month = 0;
    int day = 0;
    int weekday = 0;  // Qt::DayOfWeek: 1 Monday … 7 Sunday
    bool operator==(const DateComponents&) const = default;
};

// When an occasion applies. A custom predicate has no meaningful equality of its own, so two
// custom rules are equal only when they share the same predicate (copies of one rule).
class OccasionRule {
  public:
    using Predicate = std::function<bool(const DateComponents&)>;

    struct DateRange {
        MonthDay from;
        MonthDay to;  // inclusive; before `from` means the range runs over New Year
        bool operator==(const DateRange&) const = default;
    };
    struct Custom {
        std::shared_ptr<const Predicate> predicate;
        bool operator==(const Custom&) const = default;
    };
    using Kind = std::variant<MonthDay, DateRange, Season, Custom>;

    static OccasionRule monthDay(int month, int day) { return OccasionRule(MonthDay{month, day}); }
    static OccasionRule dateRange(MonthDay from, MonthDay to) {
        return OccasionRule(DateRange{from, to});
    }
    static OccasionRule season(Season season) { return OccasionRule(season); }
    static OccasionRule custom(Predicate predicate) {
        return OccasionRule(Custom{std::make_shared<const Predicate>(std::move(predicate))});
    }

    const Kind& kind() const { return kind_; }
    bool operator==(const OccasionRule&) const = default;

  private:
    explicit OccasionRule(Kind kind) : kind_(std::move(kind)) {}
    Kind kind_;
};

struct Occasion {
    // An ambient occasion is a backdrop (at most one applies); an event is a special day
    // (several may).
    enum class Layer { ambient, event };

    QString id;  // stable across releases
    QString title;
    Layer layer = Layer::ambient;
    int priority = 0;  // larger wins
    OccasionRule rule = OccasionRule::monthDay(1, 1);
    std::optional<QString> greeting;  // the mascot's line for the day
    bool isFestive = false;           // festive events dress the mascot up

    bool operator==(const Occasion&) const = default;
};

size_t qHash(const Occasion& occasion, size_t seed = 0);

struct ActiveOccasions {
    std::optional<Occasion> ambient;
    QList<Occasion> events;  // highest priority first
    bool operator==(const ActiveOccasions&) const = default;
};

// The birthday on 23 April and the four seasons, in that order.
const QList<Occasion>& builtInOccasions();

// Whether the rule holds on the calendar day that `date` falls on in `timeZone`. An invalid date
// matches nothing.
bool matches(const OccasionRule& rule, const QDateTime& date, const QCalendar& calendar,
             const QTimeZone& timeZone);

// The highest-priority ambient occasion (the earlier one on a tie) and every matching event,
// highest priority first, table order among equals.
ActiveOccasions activeOccasions(const QDateTime& date, const QCalendar& calendar,
                                const QTimeZone& timeZone, const QList<Occasion>& occasions);

// Today's occasions from the built-in table, in the Gregorian calendar and the system time zone.
ActiveOccasions currentOccasions();

}  // namespace vostrel
