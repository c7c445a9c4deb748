#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "cli_runner.h"
#include "support/small_disk.h"

// On a full disk, a device that refuses writes or past a file size limit, every command fails
// with the system's reason and leaves what was there before.

namespace vostrel {
namespace {

using testing::hiddenFiles;
using testing::readFile;
using testing::runCli;
using testing::SmallDisk;

constexpr const char* noSpace = "No space left on device";

TEST(CliDisk, FullDiskKeepsTheOldDocumentAndPicture) {
    SmallDisk disk(256);
    if (!disk.mounted()) GTEST_SKIP() << disk.skipReason().toStdString();
    const QString document = disk.filePath("mydoc.vostrel");
    const QString picture = disk.filePath("old.png");
    ASSERT_TRUE(QFile::copy(testing::examplePath("url-website"), document));
    ASSERT_EQ(runCli({"export", document, "-o", picture, "--size", "64"}).exitCode, 0);
    const QByteArray oldDocument = readFile(document);
    const QByteArray oldPicture = readFile(picture);
    disk.leaveFree(0);

    const struct {
        QStringList arguments;
        QString target;
    } writes[] = {
        {{"new", "-o", document}, document},
        {{"export", document, "-o", picture, "--size", "64"}, picture},
        {{"export", document, "-o", disk.filePath("new.svg")}, disk.filePath("new.svg")},
    };
    for (const auto& write : writes) {
        SCOPED_TRACE(write.arguments.join(' ').toStdString());
        const testing::CliRun run = runCli(write.arguments);
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_EQ(run.err, "vostrel-cli: " + write.target + ": " + noSpace + "\n");
    }
    EXPECT_EQ(readFile(document), oldDocument);
    EXPECT_EQ(readFile(picture), oldPicture);
    EXPECT_FALSE(QFile::exists(disk.filePath("new.svg")));
    EXPECT_TRUE(hiddenFiles(disk.path()).isEmpty());
}

// The batch stops at the first file that does not fit, says why, and every file it leaves is
// whole: no empty or cut file under a final name.
TEST(CliDisk, BatchOnAFillingDiskFailsAndLeavesOnlyWholeFiles) {
    SmallDisk disk(96);
    if (!disk.mounted()) GTEST_SKIP() << disk.skipReason().toStdString();
    QTemporaryDir inputs;
    QByteArray lines;
    for (int i = 0; i < 80; ++i)
        lines += "https://example.com/page/" + QByteArray::number(i) + "\n";
    testing::writeFile(inputs.filePath("urls.txt"), lines);
    for (const char* format : {"svg", "png"}) {
        SCOPED_TRACE(format);
        const QString out = disk.filePath(format);
        const testing::CliRun run =
            runCli({"batch", "--kind", "url", "--input", inputs.filePath("urls.txt"), "--out", out,
                    "--format", format, "--size", "256"});
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_TRUE(run.err.endsWith(QStringLiteral(": %1\n").arg(noSpace)))
            << run.err.toStdString();
        EXPECT_TRUE(hiddenFiles(out).isEmpty());
        for (const QString& name : QDir(out).entryList(QDir::Files)) {
            const QByteArray bytes = readFile(out + "/" + name);
            const bool whole = QByteArray(format) == "svg"
                                   ? bytes.endsWith("</svg>")
                                   : bytes.endsWith(QByteArray::fromHex("49454e44ae426082"));
            EXPECT_TRUE(whole) << name.toStdString();
        }
        QDir(out).removeRecursively();
    }
}

TEST(CliDisk, WriteErrorsOnStandardOutputAreReported) {
    QTemporaryDir dir;
    testing::writeFile(dir.filePath("urls.txt"), "https://example.com\n");
    const QString doc = testing::examplePath("url-website");
    const QString narrowQuietZone = dir.filePath("narrow.vostrel");
    testing::writeFile(narrowQuietZone, readFile(doc).replace(R"("quietZoneModules": 4)",
                                                              R"("quietZoneModules": 1)"));
    const QList<QStringList> commands{
        {"payload", doc},
        {"matrix", doc},
        {"warnings", narrowQuietZone},
        {"export", doc, "-o", "-"},
        {"batch", "--kind", "url", "--input", dir.filePath("urls.txt"), "--out", dir.filePath("o")},
        {"--help"},
    };
    for (const QStringList& command : commands) {
        SCOPED_TRACE(command.join(' ').toStdString());
        const testing::CliRun run = runCli(command, {}, "/dev/full");
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_EQ(run.err, QStringLiteral("vostrel-cli: standard output: %1\n").arg(noSpace));
    }
}

// Past `ulimit -f` the write fails like any other instead of the signal ending the process.
TEST(CliDisk, FileSizeLimitIsAnOrdinaryWriteError) {
    QTemporaryDir dir;
    const QString script =
        QStringLiteral("ulimit -f 1; exec \"$0\" export \"$1\" -o \"$2\" --size 1024");
    const testing::CliRun run = testing::runProgram(
        "/bin/sh", {"-c", script, VOSTREL_CLI_PATH, testing::examplePath("url-website"),
                    dir.filePath("big.png")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "vostrel-cli: " + dir.filePath("big.png") + ": File too large\n");
    EXPECT_FALSE(QFile::exists(dir.filePath("big.png")));
}

}  // namespace
}  // namespace vostrel
