#include "companions/release_note.h"

#include <QDate>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>
#include <algorithm>

#include "companions/version_comparison.h"

namespace vostrel {

namespace {

// JsonReader reads objects only; the journal's two lists are read here, failing the way the
// reader does (the first failure wins, with the element's index in the path).
QJsonArray arrayMember(JsonReader& reader, QStringView key) {
    if (!reader.ok()) return {};
    const QJsonValue value = reader.json().value(key);
    if (value.isUndefined())
        reader.fail(key, QStringLiteral("missing"));
    else if (!value.isArray())
        reader.fail(key, QStringLiteral("expected an array"));
    return value.toArray();
}

QString elementKey(QStringView key, qsizetype index) {
    return QStringLiteral("%1[%2]").arg(key).arg(index);
}

QStringList stringList(JsonReader& reader, QStringView key) {
    const QJsonArray array = arrayMember(reader, key);
    QStringList strings;
    for (qsizetype i = 0; i < array.size() && reader.ok(); ++i) {
        if (!array[i].isString())
            reader.fail(elementKey(key, i), QStringLiteral("expected a string"));
        strings.append(array[i].toString());
    }
    return strings;
}

QList<ReleaseNote> noteList(JsonReader& reader, QStringView key) {
    const QJsonArray array = arrayMember(reader, key);
    QList<ReleaseNote> notes;
    for (qsizetype i = 0; i < array.size() && reader.ok(); ++i) {
        // The element's reader names its path relative to `reader`, which adds its own.
        JsonReader element(array[i], elementKey(key, i));
        notes.append(ReleaseNote::fromJson(element));
        if (!element.ok()) reader.fail(element.error().path, element.error().reason);
    }
    return notes;
}

QString longDateFormatWithoutWeekday(const QLocale& locale) {
    static const QRegularExpression weekday(QStringLiteral("[,\\s]*dddd[,\\s]*"));
    return locale.dateFormat(QLocale::LongFormat).replace(weekday, QStringLiteral(" ")).trimmed();
}

}  // namespace

ReleaseNote ReleaseNote::fromJson(JsonReader& reader) {
    ReleaseNote note;
    note.version = reader.string(u"version");
    note.date = reader.string(u"date");
    note.title = reader.string(u"title");
    note.memoir = reader.string(u"memoir");
    note.highlights = stringList(reader, u"highlights");
    return note;
}

size_t qHash(const ReleaseNote& note, size_t seed) {
    return qHashMulti(seed, note.version, note.date, note.title, note.memoir, note.highlights);
}

ReleaseNotesFile ReleaseNotesFile::fromJson(JsonReader& reader) {
    return ReleaseNotesFile{noteList(reader, u"entries")};
}

Expected<ReleaseNotesFile, DecodeError> decodeReleaseNotes(const QByteArray& bytes) {
    QJsonParseError parseError;
    const QJsonDocument json = QJsonDocument::fromJson(bytes, &parseError);
    if (parseError.error != QJsonParseError::NoError)
        return unexpected(
            DecodeError{{}, QStringLiteral("not valid JSON: ") + parseError.errorString()});
    JsonReader reader(json.isObject() ? QJsonValue(json.object()) : QJsonValue());
    ReleaseNotesFile file = ReleaseNotesFile::fromJson(reader);
    if (!reader.ok()) return unexpected(reader.error());
    return file;
}

QList<ReleaseNote> loadReleaseNotes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) return {};
    auto decoded = decodeReleaseNotes(bytes);
    if (!decoded) return {};
    QList<ReleaseNote> notes = std::move(decoded->entries);
    std::stable_sort(notes.begin(), notes.end(), [](const ReleaseNote& a, const ReleaseNote& b) {
        return compareVersions(a.version, b.version) > 0;
    });
    return notes;
}

QString displayDate(const QString& date, const QLocale& locale) {
    const QDate parsed = QDate::fromString(date, QStringLiteral("yyyy-MM-dd"));
    if (!parsed.isValid()) return date;
    return locale.toString(parsed, longDateFormatWithoutWeekday(locale));
}

}  // namespace vostrel
