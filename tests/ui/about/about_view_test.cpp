#include <gtest/gtest.h>

#include <QLabel>
#include <QTest>
#include <QTimeZone>

#include "ui/about/about_view.h"
#include "ui/about/journal_entry.h"
#include "ui/about/tilting_avatar.h"
#include "ui/mascot/mascot_area.h"

using namespace vostrel;

namespace {

ActiveOccasions occasionsOn(int month, int day) {
    return activeOccasions(QDateTime(QDate(2026, month, day), QTime(12, 0), QTimeZone::utc()),
                           QCalendar(), QTimeZone::utc(), builtInOccasions());
}

bool shows(const QWidget& view, const QString& text) {
    for (QLabel* label : view.findChildren<QLabel*>()) {
        if (label->text() == text) return true;
    }
    return false;
}

}  // namespace

// The journal comes sorted and checked from loadReleaseNotes; the window shows it as given.
TEST(AboutView, TheJournalShowsEachEntryWithItsDateAndATiltingAvatar) {
    const QList<ReleaseNote> notes{{"1.10", "2025-06-01", "T", "M", {"one", "two"}},
                                   {"1.2.3", "someday", "T", "M", {}}};
    AboutView about({"Vostrel", "1.10", "abc1234"}, notes, occasionsOn(6, 1));
    QList<ReleaseNote> shown;
    for (JournalEntry* entry : about.entries()) shown << entry->note();
    EXPECT_EQ(shown, notes);
    EXPECT_FALSE(about.showsEmptyJournal());
    EXPECT_TRUE(shows(about, "Version 1.10 (build abc1234)"));
    EXPECT_TRUE(shows(about, displayDate("2025-06-01")));
    EXPECT_TRUE(shows(about, "someday"));

    TiltingAvatar* avatar = about.entries().first()->avatar();
    QTest::mouseClick(avatar, Qt::LeftButton);
    EXPECT_EQ(avatar->avatarTilt(), -12);
    QTest::mouseClick(avatar, Qt::LeftButton);
    EXPECT_EQ(avatar->avatarTilt(), 0);
}

TEST(AboutView, AnEmptyJournalSaysNothingWasWrittenDown) {
    AboutView about({}, {}, occasionsOn(6, 1));
    EXPECT_TRUE(about.showsEmptyJournal());
    EXPECT_TRUE(about.entries().isEmpty());
    // Without version information the window says so rather than showing blanks.
    EXPECT_TRUE(shows(about, "Version — (build —)"));
}

TEST(AboutView, OnTheBirthdayTheMascotWearsItsPartyHat) {
    AboutView birthday({}, {}, occasionsOn(4, 23));
    AboutView ordinary({}, {}, occasionsOn(4, 24));
    EXPECT_TRUE(birthday.mascot()->wearsPartyHat());
    EXPECT_FALSE(ordinary.mascot()->wearsPartyHat());
    EXPECT_TRUE(birthday.mascot()->toolTip().contains("birthday"));
    EXPECT_FALSE(ordinary.mascot()->toolTip().contains("birthday"));
}
