#include "common/file_path.h"

#include <QDir>
#include <QFileInfo>

namespace vostrel {

QString standardFilePath(const QString& path) {
    const QFileInfo info(path);
    const QString resolved = info.canonicalFilePath();
    return resolved.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : resolved;
}

}  // namespace vostrel
