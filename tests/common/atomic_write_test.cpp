#include <gtest/gtest.h>

#include <sys/stat.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtConcurrent/QtConcurrentRun>

#include "common/atomic_write.h"
#include "support/small_disk.h"

// Every write puts the complete new bytes in place or leaves the old file exactly as it was, and
// says why; a real disk is filled to prove it.

namespace vostrel {
namespace {

using testing::hiddenFiles;
using testing::SmallDisk;

QByteArray contentsOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

QString numbered(int attempt) {
    return attempt == 1 ? QStringLiteral("code.png") : QStringLiteral("code-%1.png").arg(attempt);
}

TEST(AtomicWrite, FullDiskLeavesTheOldFileAndSaysWhy) {
    SmallDisk disk(64);
    if (!disk.mounted()) GTEST_SKIP() << disk.skipReason().toStdString();
    const QString document = disk.filePath(QStringLiteral("mydoc.vostrel"));
    ASSERT_TRUE(writeFileAtomically(document, "old document"));
    ::chmod(QFile::encodeName(document).constData(), 0640);
    disk.leaveFree(4096);

    // Larger than what is free, but small enough to sit in a write buffer until the close.
    const auto written = writeFileAtomically(document, QByteArray(11 * 1024, 's'));
    ASSERT_FALSE(written);
    EXPECT_EQ(written.error(), QStringLiteral("No space left on device"));
    EXPECT_EQ(contentsOf(document), "old document");
    EXPECT_TRUE(hiddenFiles(disk.path()).isEmpty());

    ASSERT_TRUE(writeFileAtomically(document, "new"));
    EXPECT_EQ(contentsOf(document), "new");
    struct stat status {};
    ::stat(QFile::encodeName(document).constData(), &status);
    EXPECT_EQ(status.st_mode & 0777, 0640u) << "a replaced file keeps its permissions";
}

TEST(AtomicWrite, RefusesWhatIsNotARegularFileAndFollowsLinks) {
    QTemporaryDir folder;
    EXPECT_EQ(writeFileAtomically(QStringLiteral("/dev/full"), "x").error(),
              QStringLiteral("not a regular file"));
    EXPECT_FALSE(writeFileAtomically(folder.path(), "x"));
    const QString target = folder.filePath(QStringLiteral("target.svg"));
    ASSERT_TRUE(writeFileAtomically(target, "old"));
    ASSERT_TRUE(QFile::link(target, folder.filePath(QStringLiteral("link.svg"))));
    ASSERT_TRUE(writeFileAtomically(folder.filePath(QStringLiteral("link.svg")), "new"));
    EXPECT_EQ(contentsOf(target), "new");
    EXPECT_TRUE(QFileInfo(folder.filePath(QStringLiteral("link.svg"))).isSymLink());
}

TEST(AtomicWrite, NewFilesNeverReplaceAnythingNorLeaveHalfAFile) {
    SmallDisk disk(64);
    if (!disk.mounted()) GTEST_SKIP() << disk.skipReason().toStdString();
    ASSERT_TRUE(writeFileAtomically(disk.filePath(QStringLiteral("code.png")), "first"));
    ASSERT_TRUE(
        QFile::link(QStringLiteral("/nowhere"), disk.filePath(QStringLiteral("code-2.png"))));
    EXPECT_EQ(*writeNewFile(disk.path(), numbered, "third"), QStringLiteral("code-3.png"));
    EXPECT_EQ(contentsOf(disk.filePath(QStringLiteral("code.png"))), "first");

    disk.leaveFree(2048);
    const auto full = writeNewFile(disk.path(), numbered, QByteArray(8 * 1024, 'p'));
    ASSERT_FALSE(full);
    EXPECT_EQ(full.error(), QStringLiteral("No space left on device"));
    EXPECT_FALSE(QFile::exists(disk.filePath(QStringLiteral("code-4.png"))));
    EXPECT_TRUE(hiddenFiles(disk.path()).isEmpty());
}

// Two writers, as two batches into one folder: each name is claimed once, nothing is lost.
TEST(AtomicWrite, WritersRacingForTheSameNamesKeepEveryFile) {
    QTemporaryDir folder;
    constexpr int perWriter = 150;
    const auto writer = [&](char mark) {
        for (int i = 0; i < perWriter; ++i) {
            if (!writeNewFile(folder.path(), numbered, QByteArray(1, mark))) return false;
        }
        return true;
    };
    QFuture<bool> a = QtConcurrent::run(writer, 'a');
    QFuture<bool> b = QtConcurrent::run(writer, 'b');
    ASSERT_TRUE(a.result() && b.result());
    QByteArray marks;
    for (const QString& name : QDir(folder.path()).entryList(QDir::Files))
        marks += contentsOf(folder.filePath(name));
    EXPECT_EQ(marks.count('a'), perWriter);
    EXPECT_EQ(marks.count('b'), perWriter);
    EXPECT_TRUE(hiddenFiles(folder.path()).isEmpty());
}

}  // namespace
}  // namespace vostrel
