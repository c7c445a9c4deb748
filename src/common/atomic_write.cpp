#include "common/atomic_write.h"

#include <QFileInfo>
#include <QSaveFile>

namespace vostrel {

Expected<void, QString> writeFileAtomically(const QString& path, const QByteArray& bytes) {
    const QFileInfo target(path);
    if (target.exists() && !target.isFile())
        return unexpected(QStringLiteral("not a regular file"));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return unexpected(file.errorString());
    return {};
}

}  // namespace vostrel
