#include <gtest/gtest.h>

#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>

#include "ui/about/about_view.h"
#include "ui/about/journal_entry.h"
#include "ui/about/tilting_avatar.h"
#include "ui/mascot/mascot_area.h"
#include "ui/ui_test_support.h"

using namespace vostrel;

namespace {

QList<ReleaseNote> loadNotes(const QByteArray& json) {
    QTemporaryDir dir;
    return loadReleaseNotes(vostrel::testing::writeFile(dir.filePath("release-notes.json"), json));
}

QByteArray note(const char* version, const char* date) {
    return QByteArray(R"({"version": ")") + version + R"(", "date": ")" + date +
           R"(", "title": "T", "memoir": "M", "highlights": ["one", "two"]})";
}

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

TEST(AboutView, TheJournalShowsTheNewestVersionFirst) {
    const auto notes =
        loadNotes("{\"entries\": [" + note("1.9", "2025-03-01") + "," + note("1.2.3", "someday") +
                  "," + note("1.10", "2025-06-01") + "]}");
    AboutView about({"Vostrel", "1.10", "abc1234"}, notes, occasionsOn(6, 1));
    QStringList versions;
    for (JournalEntry* entry : about.entries()) versions << entry->note().version;
    EXPECT_EQ(versions, (QStringList{"1.10", "1.9", "1.2.3"}));
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

TEST(AboutView, ABrokenOrEmptyJournalSaysNothingWasWrittenDown) {
    const QByteArray noMemoir = R"({"entries": [)" + note("1.0", "2025-01-01") +
                                R"(, {"version": "1.1", "date": "2025-02-01", "title": "T",
                                   "highlights": []}]})";
    for (const QByteArray& json : {noMemoir, QByteArray(R"({"entries": []})")}) {
        AboutView about({}, loadNotes(json), occasionsOn(6, 1));
        EXPECT_TRUE(about.showsEmptyJournal());
        EXPECT_TRUE(about.entries().isEmpty());
        // Without version information the window says so rather than showing blanks.
        EXPECT_TRUE(shows(about, "Version — (build —)"));
    }
}

TEST(AboutView, OnTheBirthdayTheMascotWearsItsPartyHat) {
    AboutView birthday({}, {}, occasionsOn(4, 23));
    AboutView ordinary({}, {}, occasionsOn(4, 24));
    EXPECT_TRUE(birthday.mascot()->wearsPartyHat());
    EXPECT_FALSE(ordinary.mascot()->wearsPartyHat());
    EXPECT_TRUE(birthday.mascot()->toolTip().contains("birthday"));
    EXPECT_FALSE(ordinary.mascot()->toolTip().contains("birthday"));
}
