#include "common/file_path.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace vostrel {

QString standardFilePath(const QString& path) {
    const QFileInfo info(path);
    const QString resolved = info.canonicalFilePath();
    return resolved.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : resolved;
}

namespace {

// A trash outside the working directory has an absolute path; Qt's fallback is "./files/…".
bool isMisplacedTrash(const QString& pathInTrash) {
    return QDir::isRelativePath(pathInTrash);
}

// Puts the file back and removes the trash entry Qt wrote beside it.
void undoMisplacedTrash(const QString& path, const QString& pathInTrash) {
    QFile::rename(pathInTrash, path);
    const QFileInfo moved(pathInTrash);
    const QDir trash(QFileInfo(moved.absolutePath()).absolutePath());
    QFile::remove(
        trash.filePath(QStringLiteral("info/") + moved.fileName() + QStringLiteral(".trashinfo")));
    for (const QString& folder : {QStringLiteral("files"), QStringLiteral("info")})
        trash.rmdir(folder);  // only when empty: a real trash of that name stays
}

}  // namespace

bool moveFileToTrash(const QString& path) {
    QDir().mkpath(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
    QString pathInTrash;
    if (!QFile::moveToTrash(path, &pathInTrash)) return false;
    if (!isMisplacedTrash(pathInTrash)) return true;
    undoMisplacedTrash(path, pathInTrash);
    return false;
}

}  // namespace vostrel
