#include <gtest/gtest.h>

#include "companions/welcome_period.h"

using namespace vostrel;

namespace {

WelcomePeriod periodAtUtc(int hour, int minute) {
    return periodFor(QDateTime(QDate(2026, 3, 29), QTime(hour, minute), QTimeZone::utc()),
                     QTimeZone::utc());
}

}  // namespace

TEST(WelcomePeriod, EachPeriodBeginsOnItsHour) {
    using enum WelcomePeriod;
    EXPECT_EQ(periodAtUtc(0, 0), night);
    EXPECT_EQ(periodAtUtc(4, 59), night);
    EXPECT_EQ(periodAtUtc(5, 0), morning);
    EXPECT_EQ(periodAtUtc(11, 59), morning);
    EXPECT_EQ(periodAtUtc(12, 0), afternoon);
    EXPECT_EQ(periodAtUtc(16, 59), afternoon);
    EXPECT_EQ(periodAtUtc(17, 0), evening);
    EXPECT_EQ(periodAtUtc(21, 59), evening);
    EXPECT_EQ(periodAtUtc(22, 0), night);
    EXPECT_EQ(periodAtUtc(23, 59), night);
}

TEST(WelcomePeriod, FollowsTheGivenZoneNotTheDatesOwn) {
    const QDateTime instant(QDate(2026, 6, 1), QTime(6, 0), QTimeZone::utc());
    EXPECT_EQ(periodFor(instant, QTimeZone::utc()), WelcomePeriod::morning);
    EXPECT_EQ(periodFor(instant, QTimeZone(9 * 3600)), WelcomePeriod::afternoon);
    EXPECT_EQ(periodFor(instant, QTimeZone(-4 * 3600)), WelcomePeriod::night);
    // A date given in one zone and asked about in another.
    EXPECT_EQ(periodFor(instant.toTimeZone(QTimeZone(9 * 3600)), QTimeZone(-4 * 3600)),
              WelcomePeriod::night);
}

TEST(WelcomePeriod, QuipsShareTheirTailAndUseTypographicApostrophes) {
    const QStringList morning = quips(WelcomePeriod::morning);
    ASSERT_EQ(morning.size(), 5);
    EXPECT_EQ(morning[0], u"You\u2019re up. There goes my alibi.");
    EXPECT_EQ(morning[2], u"You make it. I\u2019ll sign it. Fair?");
    // The welcome window makes the mascot hop with the line at index 3.
    EXPECT_EQ(morning[3], "Hop first. Explain later.");
    EXPECT_EQ(quips(WelcomePeriod::night).mid(1), morning.mid(1));
    EXPECT_EQ(quips(WelcomePeriod::night)[0], "Past bedtime. Perfect crime time.");
}
