#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "companions/release_note.h"
#include "companions/version_comparison.h"

using namespace vostrel;

namespace {

QByteArray entry(const char* version, const char* extra = R"("memoir": "Chirp.")") {
    return QByteArray(R"({"version": ")") + version +
           R"(", "date": "2026-01-02", "title": "T", "highlights": ["a", "b"], )" + extra + "}";
}

QByteArray notesFile(const QList<QByteArray>& entries) {
    return R"({"entries": [)" + entries.join(',') + "]}";
}

class ReleaseNotesFiles : public testing::Test {
  protected:
    QList<ReleaseNote> load(const QByteArray& bytes) {
        const QString path = folder.filePath(QStringLiteral("release-notes.json"));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
        file.close();
        return loadReleaseNotes(path);
    }
    QString decodingError(const QByteArray& bytes) {
        const auto decoded = decodeReleaseNotes(bytes);
        return decoded ? QString() : decoded.error().message();
    }
    QTemporaryDir folder;
};

QStringList versionsOf(const QList<ReleaseNote>& notes) {
    QStringList versions;
    for (const ReleaseNote& note : notes) versions.append(note.version);
    return versions;
}

}  // namespace

TEST(CompareVersions, ComparesNumericPartsAndIgnoresTheRest) {
    constexpr auto newer = std::strong_ordering::greater;
    constexpr auto older = std::strong_ordering::less;
    constexpr auto same = std::strong_ordering::equal;
    EXPECT_EQ(compareVersions("1.10", "1.9"), newer);
    EXPECT_EQ(compareVersions("1.2.3", "1.9"), older);
    EXPECT_EQ(compareVersions("2.0", "2"), same);
    EXPECT_EQ(compareVersions("1.2.beta", "1.2"), same);
    EXPECT_EQ(compareVersions("", "0.0"), same);
    EXPECT_EQ(compareVersions("0.1.1", "0.1"), newer);

    EXPECT_TRUE(isDottedVersion("0.1.0"));
    EXPECT_TRUE(isDottedVersion("7"));
    for (const char* text : {"", "banana", "v1.2", "1..2", "1.2.", "1.2\n", "-1", "1.2-rc1"})
        EXPECT_FALSE(isDottedVersion(text)) << text;
}

TEST_F(ReleaseNotesFiles, AreSortedNewestFirstKeepingTheFileOrderOfEqualVersions) {
    const auto notes = load(notesFile({entry("1.9"), entry("1.2.3"), entry("1.10"),
                                       entry("1.9.0", R"("memoir": "Later.", "extra": 1)")}));
    EXPECT_EQ(versionsOf(notes), QStringList({"1.10", "1.9", "1.9.0", "1.2.3"}));
    EXPECT_EQ(notes[0].highlights, QStringList({"a", "b"}));
}

TEST_F(ReleaseNotesFiles, OneBadEntryEmptiesTheWholeJournal) {
    const QByteArray lacksMemoir = notesFile({entry("1.0"), entry("0.9", R"("x": 1)")});
    EXPECT_EQ(decodingError(lacksMemoir), "entries[1].memoir: missing");
    EXPECT_TRUE(load(lacksMemoir).isEmpty());

    EXPECT_EQ(decodingError(notesFile({entry("1.0", R"("memoir": "M", "highlights": ["a", 2])")})),
              "entries[0].highlights[1]: expected a string");
    EXPECT_EQ(decodingError(notesFile({entry("1.0", R"("memoir": ["M"])")})),
              "entries[0].memoir: expected a string");
    EXPECT_EQ(decodingError(R"({"entries": {}})"), "entries: expected an array");
    EXPECT_EQ(decodingError(R"({"entries": [1]})"), "entries[0]: expected an object");
    EXPECT_TRUE(load(R"({"entries": [)").isEmpty());
    EXPECT_TRUE(loadReleaseNotes(folder.filePath("absent.json")).isEmpty());

    EXPECT_TRUE(decodeReleaseNotes(R"({"entries": []})").hasValue());
}

TEST(ReleaseNotes, TheBundledJournalReadsAndBeginsWithTheVersionBeingBuilt) {
    const auto notes = loadReleaseNotes();
    ASSERT_FALSE(notes.isEmpty());
    EXPECT_EQ(notes[0].version, VOSTREL_VERSION);
    for (const ReleaseNote& note : notes) EXPECT_NE(displayDate(note.date), note.date);
}

TEST(DisplayDate, UsesTheLongStyleOfTheLocaleAndLeavesOddDatesAlone) {
    EXPECT_EQ(displayDate("2024-04-23", QLocale(QLocale::English, QLocale::UnitedStates)),
              "April 23, 2024");
    EXPECT_EQ(displayDate("2024-04-23", QLocale(QLocale::German, QLocale::Germany)),
              "23. April 2024");
    for (const char* odd : {"April 2024", "2024-02-30", "", "23/04/2024"})
        EXPECT_EQ(displayDate(odd, QLocale(QLocale::English)), odd);
}
