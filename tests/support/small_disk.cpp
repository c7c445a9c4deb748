#include "support/small_disk.h"

#include <sys/mount.h>
#include <sys/statvfs.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <cerrno>
#include <cstring>

namespace vostrel::testing {

SmallDisk::SmallDisk(int kibibytes) {
    if (::geteuid() != 0) {
        skipReason_ = QStringLiteral("mounting a small tmpfs needs root");
        return;
    }
    const QByteArray options = "size=" + QByteArray::number(kibibytes) + "k";
    const QByteArray target = QFile::encodeName(folder_.path());
    if (::mount("tmpfs", target.constData(), "tmpfs", 0, options.constData()) != 0) {
        skipReason_ =
            QStringLiteral("cannot mount a tmpfs: ") + QString::fromLocal8Bit(std::strerror(errno));
        return;
    }
    mounted_ = true;
}

SmallDisk::~SmallDisk() {
    if (mounted_) ::umount2(QFile::encodeName(folder_.path()).constData(), MNT_DETACH);
}

qint64 SmallDisk::freeBytes() const {
    struct statvfs status {};
    if (::statvfs(QFile::encodeName(folder_.path()).constData(), &status) != 0) return 0;
    return qint64(status.f_bavail) * qint64(status.f_frsize);
}

void SmallDisk::leaveFree(qint64 bytes) {
    QFile filler(filePath(QStringLiteral("filler")));
    if (!filler.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered)) return;
    const qint64 surplus = freeBytes() - bytes;
    if (surplus > 0) filler.write(QByteArray(surplus, 'f'));
}

QStringList hiddenFiles(const QString& folder) {
    return QDir(folder).entryList({QStringLiteral(".*")},
                                  QDir::Hidden | QDir::Files | QDir::System);
}

}  // namespace vostrel::testing
