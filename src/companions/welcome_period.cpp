#include "companions/welcome_period.h"

namespace vostrel {

namespace {

struct PeriodTexts {
    const char* greeting;
    const char* symbolName;
    const char* firstQuip;
};

// Indexed by WelcomePeriod.
constexpr std::array<PeriodTexts, 4> periodTexts{{
    {"Good morning.", "sun.horizon", "You’re up. There goes my alibi."},
    {"Good afternoon.", "sun.max", "I demand creative control. And a leaf."},
    {"Good evening.", "sun.haze", "Excellent. An accomplice."},
    {"Hello, night owl.", "moon.stars", "Past bedtime. Perfect crime time."},
}};

static_assert(periodTexts.size() == RawValues<WelcomePeriod>::cases.size());

const PeriodTexts& textsOf(WelcomePeriod period) {
    return periodTexts.at(static_cast<std::size_t>(period));
}

}  // namespace

WelcomePeriod periodFor(const QDateTime& date, const QTimeZone& timeZone) {
    const int hour = (timeZone.isValid() ? date.toTimeZone(timeZone) : date).time().hour();
    if (hour >= 5 && hour <= 11) return WelcomePeriod::morning;
    if (hour >= 12 && hour <= 16) return WelcomePeriod::afternoon;
    if (hour >= 17 && hour <= 21) return WelcomePeriod::evening;
    return WelcomePeriod::night;
}

QString greeting(WelcomePeriod period) {
    return QString::fromUtf8(textsOf(period).greeting);
}

QString symbolName(WelcomePeriod period) {
    return QString::fromLatin1(textsOf(period).symbolName);
}

QStringList quips(WelcomePeriod period) {
    return {
        QString::fromUtf8(textsOf(period).firstQuip),
        QStringLiteral("I can be trusted with that button. Probably."),
        QStringLiteral("You make it. I’ll sign it. Fair?"),
        QStringLiteral("Hop first. Explain later."),
        QStringLiteral("I was told to behave. I have questions."),
    };
}

}  // namespace vostrel
