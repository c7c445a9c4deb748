#include "app/recent_files.h"

#include <QFileInfo>
#include <QSettings>

#include "common/file_path.h"

namespace vostrel {

namespace {

const QString settingsKey = QStringLiteral("recentDocuments");

}  // namespace

QStringList RecentFiles::paths() const {
    return QSettings().value(settingsKey).toStringList();
}

void RecentFiles::add(const QString& path) {
    const QString entry = standardFilePath(path);
    QStringList list = paths();
    list.removeAll(entry);
    list.prepend(entry);
    store(list.mid(0, maximumCount));
}

void RecentFiles::remove(const QString& path) {
    QStringList list = paths();
    if (list.removeAll(standardFilePath(path)) + list.removeAll(path) > 0) store(list);
}

void RecentFiles::clear() {
    store({});
}

void RecentFiles::store(const QStringList& paths) {
    QSettings().setValue(settingsKey, paths);
    Q_EMIT changed();
}

}  // namespace vostrel
