#pragma once

#include <QByteArray>
#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>

#include "common/expected.h"
#include "common/json_reader.h"

namespace vostrel {

// One entry of the About window's field journal.
struct ReleaseNote {
    QString version;  // dotted, e.g. "1.4.2"
    QString date;     // "yyyy-MM-dd" when well formed; shown as written otherwise
    QString title;
    QString memoir;          // a paragraph in the mascot's voice
    QStringList highlights;  // one line each; may be empty

    // Every key is required; other keys are ignored.
    static ReleaseNote fromJson(JsonReader& reader);
    bool operator==(const ReleaseNote&) const = default;
};

size_t qHash(const ReleaseNote& note, size_t seed = 0);

// The bundled "release-notes" resource: {"entries": [ReleaseNote…]}.
struct ReleaseNotesFile {
    QList<ReleaseNote> entries;  // in file order

    // One bad entry fails the whole file, e.g. "entries[1].memoir: missing".
    static ReleaseNotesFile fromJson(JsonReader& reader);
    bool operator==(const ReleaseNotesFile&) const = default;
};

// Where the release notes are compiled into the companions library.
inline const QString releaseNotesResource = QStringLiteral(":/release-notes.json");

Expected<ReleaseNotesFile, DecodeError> decodeReleaseNotes(const QByteArray& bytes);

// The journal, newest version first (by compareVersions; equal versions keep file order). A
// missing, unreadable or malformed file gives an empty list: the About window then says that
// nothing has been written down yet rather than showing half a journal.
QList<ReleaseNote> loadReleaseNotes(const QString& path = releaseNotesResource);

// A "yyyy-MM-dd" date in the locale's long style without the weekday ("April 23, 2024" in
// en_US); any other text comes back unchanged.
QString displayDate(const QString& date, const QLocale& locale = QLocale());

}  // namespace vostrel
