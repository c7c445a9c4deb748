#include <gtest/gtest.h>

#include <sys/stat.h>
#include <QDir>
#include <QTemporaryDir>

#include "cli_runner.h"
#include "document/document_file.h"
#include "engine/qr_engine.h"
#include "export/svg_document.h"
#include "support/qr_decoding.h"

// 'vostrel-cli batch' end to end: the real binary reads the input file and writes the folder.

namespace vostrel {
namespace {

using testing::readFile;
using testing::runCli;
using testing::writeFile;

class CliBatch : public ::testing::Test {
  protected:
    QString path(const QString& name) const { return dir_.filePath(name); }
    QStringList filesIn(const QString& folder) const {
        return QDir(folder).entryList(QDir::Files, QDir::Name);
    }

    QTemporaryDir dir_;
};

// The document brings its style and, having a logo, level H; a line too long for a symbol at H
// is skipped and counted, and its number left out.
TEST_F(CliBatch, TakesTheStyleFromADocumentAndReportsWrittenAndSkipped) {
    writeFile(path("lines.txt"), "  first line \r\n\r\n" + QByteArray(2000, 'x') + "\n\tthird\t\n");
    const QString doc = testing::examplePath("calendar-launch");
    const testing::CliRun run =
        runCli({"batch", "--kind", "text", "--input", path("lines.txt"), "--out", path("a/b"),
                "--style", doc, "--format", "svg", "--naming", "sequential"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, "2 QR codes generated\n1 items skipped\n");
    EXPECT_EQ(run.err, "");  // no progress bar when standard error is not a terminal
    EXPECT_EQ(filesIn(path("a/b")), (QStringList{"1.svg", "3.svg"}));

    const QRStyle style = readDocumentFile(doc)->style;
    const ModuleMatrix third = QREngine::makeMatrix("third", CorrectionLevel::h).value();
    EXPECT_EQ(QString::fromUtf8(readFile(path("a/b/3.svg"))), svgDocument(third, style));
}

// PNG at 1024 pixels and content-based names are the defaults.
TEST_F(CliBatch, ReadsContactsFromCsvIntoPngFilesNamedAfterThem) {
    writeFile(path("people.csv"),
              "\xEF\xBB\xBF"
              "First Name,Last Name,Company\nAda,Lovelace,Engines\n,,Nobody Inc\n"
              "Ada,Lovelace,Again\n");
    const testing::CliRun run =
        runCli({"batch", "--kind", "contact", "--input", path("people.csv"), "--out", path("out")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, "2 QR codes generated\n");
    EXPECT_EQ(filesIn(path("out")), (QStringList{"ada-lovelace-2.png", "ada-lovelace.png"}));

    const QImage image(path("out/ada-lovelace-2.png"));
    EXPECT_EQ(image.size(), QSize(1024, 1024));
    EXPECT_EQ(testing::decodeQr(testing::mirroredTopToBottom(image)),
              "BEGIN:VCARD\nVERSION:3.0\nFN:Ada Lovelace\nORG:Again\nEND:VCARD");
}

TEST_F(CliBatch, FailuresNameWhatFailedAndExitWithTheirStatus) {
    writeFile(path("urls.txt"), "https://example.com\n");
    const QString urls = path("urls.txt");
    const QStringList urlsInto{"--kind", "url", "--input", urls, "--out", path("o")};
    const struct {
        QStringList arguments;
        int exitCode;
        QString message;
    } table[] = {
        {{"--input", urls, "--out", path("o")}, 2, "vostrel-cli: batch needs --kind"},
        {urlsInto + QStringList{"--naming", "contentBased"}, 2,
         "vostrel-cli: unknown --naming 'contentBased'"},
        {urlsInto + QStringList{"--size", "9000"}, 2,
         "vostrel-cli: --size must be a whole number of pixels from 1 to 8192, not '9000'"},
        {{"--kind", "url", "--input", urls, "--out", urls + "/o"},
         1,
         "vostrel-cli: " + urls + "/o: Not a directory"},
        // A device or a pipe could be read without end, or block forever.
        {{"--kind", "url", "--input", "/dev/zero", "--out", path("o")},
         1,
         "vostrel-cli: /dev/zero: not a regular file"},
        {{"--kind", "url", "--input", path("fifo"), "--out", path("o")},
         1,
         "vostrel-cli: " + path("fifo") + ": not a regular file"},
    };
    ASSERT_EQ(::mkfifo(QFile::encodeName(path("fifo")).constData(), 0600), 0);
    for (const auto& failing : table) {
        const testing::CliRun run = runCli(QStringList{"batch"} + failing.arguments);
        SCOPED_TRACE(failing.arguments.join(' ').toStdString());
        EXPECT_EQ(run.exitCode, failing.exitCode);
        EXPECT_EQ(run.err.section(u'\n', 0, 0), failing.message);
        EXPECT_EQ(run.out, "");
    }
    EXPECT_FALSE(QFileInfo::exists(path("o")));
}

}  // namespace
}  // namespace vostrel
