#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

namespace vostrel::testing {

// A tiny file system of its own (tmpfs) mounted on a temporary folder, so that tests can fill a
// disk for real. Mounting needs root: elsewhere `mounted()` is false and `skipReason()` says why.
class SmallDisk {
  public:
    explicit SmallDisk(int kibibytes);
    ~SmallDisk();
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool mounted() const { return mounted_; }
    QString skipReason() const { return skipReason_; }
    QString path() const { return folder_.path(); }
    QString filePath(const QString& name) const { return folder_.filePath(name); }

    // Takes up space with a filler file until about `bytes` are left free.
    void leaveFree(qint64 bytes);
    qint64 freeBytes() const;

  private:
    QTemporaryDir folder_;
    bool mounted_ = false;
    QString skipReason_;
};

// Every file of `folder` whose name starts with a dot: what an interrupted write may leave.
QStringList hiddenFiles(const QString& folder);

}  // namespace vostrel::testing
