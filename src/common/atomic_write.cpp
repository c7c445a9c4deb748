#include "common/atomic_write.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace vostrel {
namespace {

constexpr int maximumNameAttempts = 100000;

QString systemReason(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

QByteArray encodedPath(const QString& path) {
    return QFile::encodeName(path);
}

// A temporary file beside its target, removed again unless it was kept under a final name.
class TemporaryFile {
  public:
    TemporaryFile() = default;
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    ~TemporaryFile() {
        if (descriptor_ >= 0) ::close(descriptor_);
        if (!path_.isEmpty()) ::unlink(path_.constData());
    }

    // Creates ".NAME.XXXXXX.tmp" in `folder`, readable like any new file (the umask applies).
    Expected<void, QString> create(const QString& folder, const QString& name) {
        for (int attempt = 0; attempt < 100; ++attempt) {
            const QString random = QString::number(QRandomGenerator::global()->generate(), 36);
            const QByteArray path = encodedPath(folder + QStringLiteral("/.") + name + u'.' +
                                                random + QStringLiteral(".tmp"));
            descriptor_ = ::open(path.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (descriptor_ >= 0) {
                path_ = path;
                return {};
            }
            if (errno != EEXIST) return unexpected(systemReason(errno));
        }
        return unexpected(systemReason(EEXIST));
    }

    Expected<void, QString> write(const QByteArray& bytes) {
        const char* data = bytes.constData();
        qsizetype left = bytes.size();
        while (left > 0) {
            const ssize_t written = ::write(descriptor_, data, size_t(left));
            if (written < 0 && errno == EINTR) continue;
            if (written < 0) return unexpected(systemReason(errno));
            data += written;
            left -= written;
        }
        return {};
    }

    Expected<void, QString> copyPermissionsOf(const QByteArray& target) {
        struct stat status {};
        if (::stat(target.constData(), &status) != 0) return {};
        if (::fchmod(descriptor_, status.st_mode & 07777) != 0)
            return unexpected(systemReason(errno));
        return {};
    }

    Expected<void, QString> sync() {
        if (::fsync(descriptor_) != 0) return unexpected(systemReason(errno));
        return {};
    }

    // Network file systems may report a failed write only here.
    Expected<void, QString> close() {
        const int result = ::close(descriptor_);
        descriptor_ = -1;
        if (result != 0) return unexpected(systemReason(errno));
        return {};
    }

    // After a successful rename or link, the temporary name is no longer ours to remove.
    void release() { path_.clear(); }
    const QByteArray& path() const { return path_; }

  private:
    int descriptor_ = -1;
    QByteArray path_;
};

enum class Claim { claimed, taken };

// Gives the temporary file the name `target` unless something already has it. renameat2 does
// that in one step; file systems without it get a hard link, and those without hard links an
// exclusively created placeholder that the rename then replaces.
Expected<Claim, QString> claimName(TemporaryFile& file, const QByteArray& target) {
    if (::renameat2(AT_FDCWD, file.path().constData(), AT_FDCWD, target.constData(),
                    RENAME_NOREPLACE) == 0) {
        file.release();
        return Claim::claimed;
    }
    if (errno == EEXIST) return Claim::taken;
    if (errno != EINVAL && errno != ENOSYS) return unexpected(systemReason(errno));
    if (::link(file.path().constData(), target.constData()) == 0) return Claim::claimed;
    if (errno == EEXIST) return Claim::taken;
    const int placeholder =
        ::open(target.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (placeholder < 0 && errno == EEXIST) return Claim::taken;
    if (placeholder < 0) return unexpected(systemReason(errno));
    ::close(placeholder);
    if (::rename(file.path().constData(), target.constData()) != 0) {
        const int error = errno;
        ::unlink(target.constData());
        return unexpected(systemReason(error));
    }
    file.release();
    return Claim::claimed;
}

}  // namespace

Expected<void, QString> writeFileAtomically(const QString& path, const QByteArray& bytes) {
    const QFileInfo link(path);
    if (link.exists() && !link.isFile()) return unexpected(QStringLiteral("not a regular file"));
    const QFileInfo target(link.isSymLink() && link.exists() ? link.canonicalFilePath() : path);
    const QByteArray targetPath = encodedPath(target.filePath());
    TemporaryFile file;
    Expected<void, QString> step = file.create(target.absolutePath(), target.fileName());
    if (step) step = file.write(bytes);
    if (step) step = file.copyPermissionsOf(targetPath);
    if (step) step = file.sync();
    if (step) step = file.close();
    if (!step) return step;
    if (::rename(file.path().constData(), targetPath.constData()) != 0)
        return unexpected(systemReason(errno));
    file.release();
    return {};
}

Expected<QString, QString> writeNewFile(const QString& folder, const CandidateName& candidate,
                                        const QByteArray& bytes) {
    TemporaryFile file;
    if (auto created = file.create(folder, candidate(1)); !created)
        return unexpected(created.error());
    Expected<void, QString> written = file.write(bytes);
    if (written) written = file.close();
    if (!written) return unexpected(written.error());
    for (int attempt = 1; attempt <= maximumNameAttempts; ++attempt) {
        const QString name = candidate(attempt);
        const auto claim = claimName(file, encodedPath(folder + u'/' + name));
        if (!claim) return unexpected(claim.error());
        if (*claim == Claim::claimed) return name;
    }
    return unexpected(systemReason(EEXIST));
}

}  // namespace vostrel
