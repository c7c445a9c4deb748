#include <gtest/gtest.h>

#include "companions/occasion.h"

using namespace vostrel;

namespace {

const QTimeZone utc = QTimeZone::utc();

QDateTime utcNoon(int year, int month, int day) {
    return QDateTime(QDate(year, month, day), QTime(12, 0), utc);
}

ActiveOccasions builtInOn(const QDateTime& date, const QTimeZone& zone = utc) {
    return activeOccasions(date, QCalendar(), zone, builtInOccasions());
}

QString ambientIdOn(int year, int month, int day) {
    const auto ambient = builtInOn(utcNoon(year, month, day)).ambient;
    return ambient ? ambient->id : QString();
}

Occasion occasion(const char* id, Occasion::Layer layer, int priority) {
    Occasion made;
    made.id = QString::fromLatin1(id);
    made.layer = layer;
    made.priority = priority;
    made.rule = OccasionRule::dateRange({1, 1}, {12, 31});
    return made;
}

}  // namespace

TEST(Occasions, TheBirthdayFallsInSpringEveryYearOnItsDayInTheGivenZone) {
    for (int year : {2024, 2026, 2100}) {
        const ActiveOccasions active = builtInOn(utcNoon(year, 4, 23));
        ASSERT_EQ(active.events.size(), 1) << year;
        EXPECT_EQ(active.events[0].id, "birthday");
        EXPECT_TRUE(active.events[0].isFestive);
        EXPECT_EQ(active.ambient->id, "season.spring");
    }
    EXPECT_TRUE(builtInOn(utcNoon(2026, 4, 22)).events.isEmpty());
    EXPECT_TRUE(builtInOn(utcNoon(2026, 4, 24)).events.isEmpty());

    // 23:30 on 22 April in UTC is already the birthday an hour east, and not yet one hour west.
    const QDateTime instant(QDate(2026, 4, 22), QTime(23, 30), utc);
    const auto birthday = OccasionRule::monthDay(4, 23);
    EXPECT_FALSE(matches(birthday, instant, QCalendar(), utc));
    EXPECT_TRUE(matches(birthday, instant, QCalendar(), QTimeZone(3600)));
    EXPECT_FALSE(matches(birthday, instant, QCalendar(), QTimeZone(-3600)));
    EXPECT_EQ(builtInOn(instant, QTimeZone(2 * 3600)).events.size(), 1);
}

TEST(Occasions, SeasonsChangeOnTheFirstOfTheirMonth) {
    const std::tuple<int, int, const char*> cases[] = {
        {2, 28, "winter"}, {3, 1, "spring"}, {5, 31, "spring"},  {6, 1, "summer"},
        {8, 31, "summer"}, {9, 1, "autumn"}, {11, 30, "autumn"}, {12, 1, "winter"}};
    for (const auto& [month, day, season] : cases)
        EXPECT_EQ(ambientIdOn(2026, month, day), QString("season.") + season)
            << month << '/' << day;
}

TEST(Occasions, DateRangesMayRunOverNewYearAndCustomRulesSeeTheDate) {
    const auto holidays = OccasionRule::dateRange({12, 20}, {1, 5});
    const auto inHolidays = [&](int year, int month, int day) {
        return matches(holidays, utcNoon(year, month, day), QCalendar(), utc);
    };
    EXPECT_TRUE(inHolidays(2026, 12, 31));
    EXPECT_TRUE(inHolidays(2027, 1, 2));
    EXPECT_FALSE(inHolidays(2027, 1, 6));
    EXPECT_FALSE(inHolidays(2026, 12, 19));

    const auto june = OccasionRule::dateRange({6, 1}, {6, 30});
    EXPECT_TRUE(matches(june, utcNoon(2026, 6, 30), QCalendar(), utc));
    EXPECT_FALSE(matches(june, utcNoon(2026, 7, 1), QCalendar(), utc));
    EXPECT_FALSE(matches(june, QDateTime(), QCalendar(), utc));

    // Custom rules see the date and compare by identity.
    const auto fridayThe13th = OccasionRule::custom(
        [](const DateComponents& date) { return date.weekday == Qt::Friday && date.day == 13; });
    EXPECT_TRUE(matches(fridayThe13th, utcNoon(2026, 11, 13), QCalendar(), utc));
    EXPECT_FALSE(matches(fridayThe13th, utcNoon(2026, 12, 13), QCalendar(), utc));

    const auto copy = fridayThe13th;
    EXPECT_EQ(copy, fridayThe13th);
    EXPECT_NE(OccasionRule::custom([](const DateComponents&) { return true; }), fridayThe13th);
}

TEST(Occasions, EventsRankByPriorityAndTheFirstAmbientWinsATie) {
    using enum Occasion::Layer;
    const QList<Occasion> table{occasion("low", event, 1),        occasion("faint", ambient, 2),
                                occasion("backdrop", ambient, 5), occasion("high", event, 9),
                                occasion("tie", ambient, 5),      occasion("low-later", event, 1)};
    const ActiveOccasions active = activeOccasions(utcNoon(2026, 8, 8), QCalendar(), utc, table);
    EXPECT_EQ(active.ambient->id, "backdrop");
    QStringList eventIds;
    for (const Occasion& o : active.events) eventIds.append(o.id);
    EXPECT_EQ(eventIds, QStringList({"high", "low", "low-later"}));

    EXPECT_EQ(activeOccasions(utcNoon(2026, 8, 8), QCalendar(), utc, {}), ActiveOccasions{});
}
