#include <gtest/gtest.h>

#include "companions/welcome_period.h"

using namespace vostrel;

namespace {

WelcomePeriod periodAtUtc(int hour, int minute) {
    return periodFor(QDateTime(QDate(2026, 3, 29), QTime(hour, minute), QTimeZone::utc()),
                     QTimeZone::utc());
}

}  // namespace

TEST(WelcomePeriod, EachPeriodBeginsOnItsHourInTheGivenZone) {
    using enum WelcomePeriod;
    const std::tuple<int, int, WelcomePeriod> cases[] = {
        {0, 0, night},      {4, 59, night},      {5, 0, morning},  {11, 59, morning},
        {12, 0, afternoon}, {16, 59, afternoon}, {17, 0, evening}, {21, 59, evening},
        {22, 0, night},     {23, 59, night}};
    for (const auto& [hour, minute, period] : cases)
        EXPECT_EQ(periodAtUtc(hour, minute), period) << hour << ':' << minute;

    // The given zone counts, not the date's own.
    const QDateTime instant(QDate(2026, 6, 1), QTime(6, 0), QTimeZone::utc());
    EXPECT_EQ(periodFor(instant, QTimeZone::utc()), WelcomePeriod::morning);
    EXPECT_EQ(periodFor(instant, QTimeZone(9 * 3600)), WelcomePeriod::afternoon);
    EXPECT_EQ(periodFor(instant, QTimeZone(-4 * 3600)), WelcomePeriod::night);
    // A date given in one zone and asked about in another.
    EXPECT_EQ(periodFor(instant.toTimeZone(QTimeZone(9 * 3600)), QTimeZone(-4 * 3600)),
              WelcomePeriod::night);
}

TEST(WelcomePeriod, NightSharesTheMorningsTailAndApostrophesAreTypographic) {
    const QStringList morning = quips(WelcomePeriod::morning);
    const QStringList night = quips(WelcomePeriod::night);
    ASSERT_EQ(morning.size(), 5);
    // The welcome window makes the mascot hop with the line at index 3.
    EXPECT_EQ(morning[3], "Hop first. Explain later.");
    EXPECT_EQ(night.mid(1), morning.mid(1));
    EXPECT_NE(night[0], morning[0]);
    for (const QString& quip : morning + night)
        EXPECT_FALSE(quip.contains('\'')) << quip.toStdString();
}
