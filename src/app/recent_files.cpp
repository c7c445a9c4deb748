#include "app/recent_files.h"

#include <QFileInfo>
#include <QSettings>

namespace vostrel {

namespace {

const QString settingsKey = QStringLiteral("recentDocuments");

QString canonical(const QString& path) {
    const QString resolved = QFileInfo(path).canonicalFilePath();
    return resolved.isEmpty() ? QFileInfo(path).absoluteFilePath() : resolved;
}

}  // namespace

QStringList RecentFiles::paths() const {
    return QSettings().value(settingsKey).toStringList();
}

void RecentFiles::add(const QString& path) {
    const QString entry = canonical(path);
    QStringList list = paths();
    list.removeAll(entry);
    list.prepend(entry);
    store(list.mid(0, maximumCount));
}

void RecentFiles::remove(const QString& path) {
    QStringList list = paths();
    if (list.removeAll(canonical(path)) + list.removeAll(path) > 0) store(list);
}

void RecentFiles::clear() {
    store({});
}

void RecentFiles::store(const QStringList& paths) {
    QSettings().setValue(settingsKey, paths);
    Q_EMIT changed();
}

}  // namespace vostrel
