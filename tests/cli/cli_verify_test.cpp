#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "cli_runner.h"
#include "document/document_file.h"

// verify and export --verify read the code back with both decoders before anyone relies on it.

namespace vostrel {
namespace {

using testing::runCli;

struct Documents {
    QTemporaryDir dir;
    QString readable = testing::examplePath("url-website");
    QString inverted = dir.filePath("inverted.vostrel");

    Documents() {
        DocumentSnapshot snapshot = *readDocumentFile(readable);
        std::swap(snapshot.style.foreground, snapshot.style.background);
        EXPECT_TRUE(writeDocumentFile(snapshot, inverted));
    }
};

TEST(CliVerify, PrintsEachReaderAndExitsFourWhenTheCodeMayNotScan) {
    Documents docs;
    const testing::CliRun reads = runCli({"verify", docs.readable, "--size", "400"});
    EXPECT_EQ(reads.exitCode, 0) << reads.out.toStdString();
    EXPECT_TRUE(
        reads.out.startsWith("ZXing-cpp, exported picture (400 px): reads\n"
                             "zbar, exported picture (400 px): reads\n"
                             "ZXing-cpp, small print ("));
    EXPECT_TRUE(reads.out.endsWith("Reads on 2 of 2 scanners.\n"));

    const testing::CliRun fails = runCli({"verify", docs.inverted});
    EXPECT_EQ(fails.exitCode, 4);
    EXPECT_TRUE(fails.out.contains("zbar, exported picture (1024 px): no code found\n"));
    EXPECT_TRUE(fails.out.contains("\nWon't scan: ZXing-cpp found no code"));
    EXPECT_TRUE(fails.err.isEmpty());
}

TEST(CliVerify, ExportWritesOnlyACodeThatReads) {
    Documents docs;
    const QString png = docs.dir.filePath("inverted.png");
    const testing::CliRun refused = runCli({"export", docs.inverted, "-o", png, "--verify"});
    EXPECT_EQ(refused.exitCode, 4);
    EXPECT_TRUE(refused.err.startsWith("vostrel-cli: " + docs.inverted + ": Won't scan: "));
    EXPECT_TRUE(refused.err.endsWith(" Nothing was written.\n"));
    EXPECT_FALSE(QFile::exists(png));

    const QString svg = docs.dir.filePath("readable.svg");
    EXPECT_EQ(runCli({"export", docs.readable, "-o", svg, "--verify"}).exitCode, 0);
    EXPECT_TRUE(QFile::exists(svg));
}

// At 200 px a 1,000-character address has about 1.5 px per module: it is named and not written,
// while the short addresses are.
TEST(CliVerify, BatchLeavesOutAndNamesTheCodesThatMayNotScan) {
    QTemporaryDir dir;
    const QString input = dir.filePath("urls.txt");
    testing::writeFile(input, "https://example.com/a\nhttps://example.com/" +
                                  QByteArray(1000, 'q') + "\nhttps://example.com/b\n");
    const QString out = dir.filePath("codes");
    const testing::CliRun run = runCli({"batch", "--kind", "url", "--input", input, "--out", out,
                                        "--size", "200", "--naming", "sequential", "--verify"});
    EXPECT_EQ(run.exitCode, 4);
    EXPECT_EQ(run.out,
              "2 QR codes generated\n"
              "1 QR codes not written because they may not scan:\n"
              "  2.png\n");
    EXPECT_EQ(QDir(out).entryList(QDir::Files), (QStringList{"1.png", "3.png"}));
}

}  // namespace
}  // namespace vostrel
