#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "cli_runner.h"
#include "document/document_file.h"
#include "export/svg_document.h"
#include "support/qr_decoding.h"
#include "support/svg_rendering.h"

// The bundled examples cover every kind of content and a spread of styles: each must export an
// SVG that an independent renderer draws into a picture ZXing reads back as the document's
// payload.

namespace vostrel {
namespace {

using testing::runCli;

QStringList exampleNames() {
    QStringList names;
    for (const QString& file : QDir(VOSTREL_EXAMPLES_DIR).entryList({"*.vostrel"}))
        names << file.chopped(8);
    return names;
}

// The calendar payload carries a fresh UID and time stamp on every call; everything after the
// time stamp is fixed by the document.
QString stablePart(const QString& payload) {
    return payload.startsWith("BEGIN:VCALENDAR") ? payload.section(u'\n', 5) : payload;
}

TEST(CliExamples, CoverEveryKindOfContent) {
    QSet<ContentType> kinds;
    for (const QString& name : exampleNames()) {
        const auto document = readDocumentFile(testing::examplePath(name));
        ASSERT_TRUE(document) << name.toStdString();
        kinds << document->content.contentType();
    }
    EXPECT_EQ(kinds.size(), qsizetype(allCases<ContentType>().size()));
}

// The picture of an exported file: PNG as written, SVG drawn by librsvg rather than Qt SVG, which
// stops reading paths of more than 32767 elements (a large squircle symbol has more) and ignores
// the SVG 2 "href" of the logo image.
QImage exportedPicture(const QString& doc, const QString& out) {
    const QStringList size = out.endsWith(".png") ? QStringList{"--size", "400"} : QStringList{};
    const testing::CliRun exported = runCli(QStringList{"export", doc, "-o", out} + size);
    EXPECT_EQ(exported.exitCode, 0) << exported.err.toStdString();
    if (out.endsWith(".png")) return QImage(out);
    return testing::renderSvgWithRsvg(QString::fromUtf8(testing::readFile(out)), 800);
}

TEST(CliExamples, PayloadAndBothExportsScanAsTheDocumentSays) {
    QTemporaryDir dir;
    for (const QString& name : exampleNames()) {
        SCOPED_TRACE(name.toStdString());
        const QString doc = testing::examplePath(name);
        const auto document = readDocumentFile(doc);
        ASSERT_TRUE(document);
        const QString payload = stablePart(document->content.payload());
        const testing::CliRun printed = runCli({"payload", doc});
        ASSERT_EQ(printed.exitCode, 0) << printed.err.toStdString();
        EXPECT_EQ(stablePart(QString::fromUtf8(printed.out)), payload);

        for (const QString extension : {".svg", ".png"}) {
            const QImage image = exportedPicture(doc, dir.filePath(name + extension));
            if (extension == ".png") {
                EXPECT_EQ(image.size(), QSize(400, 400));
            }
            const QImage upright =
                document->style.flipVertical ? testing::mirroredTopToBottom(image) : image;
            EXPECT_EQ(stablePart(testing::decodeQr(upright).value_or("(no symbol)")), payload)
                << extension.toStdString();
        }
    }
}

TEST(CliExamples, PngSizeDefaultsToTheDocumentsAndStdoutFollowsItsFormat) {
    const QString doc = testing::examplePath("swish-lunch");  // PNG size 512, format png
    const testing::CliRun run = runCli({"export", doc, "-o", "-"});
    ASSERT_EQ(run.exitCode, 0);
    EXPECT_EQ(QImage::fromData(run.out, "PNG").size(), QSize(512, 512));
    const testing::CliRun svg = runCli({"export", doc, "-o", "-", "--format", "SVG"});
    EXPECT_TRUE(svg.out.startsWith("<svg"));
}

TEST(CliExamples, StandardStreamsWorkForInputAndOutput) {
    const QString doc = testing::examplePath("wifi-home");
    const testing::CliRun fromFile = runCli({"export", doc, "-o", "-", "--format", "svg"});
    const testing::CliRun fromStdin =
        runCli({"export", "-", "-o", "-", "--format", "svg"}, testing::readFile(doc));
    ASSERT_EQ(fromStdin.exitCode, 0) << fromStdin.err.toStdString();
    EXPECT_TRUE(fromFile.out.startsWith("<svg xmlns=\"http://www.w3.org/2000/svg\""));
    EXPECT_TRUE(fromFile.out.endsWith("\n</svg>"));
    EXPECT_EQ(fromStdin.out, fromFile.out);
}

bool hasFinderAt(const QList<QByteArray>& rows, int row, int col) {
    static const QList<QByteArray> finder{"#######", "#.....#", "#.###.#", "#.###.#",
                                          "#.###.#", "#.....#", "#######"};
    for (int i = 0; i < 7; ++i) {
        if (rows.value(row + i).mid(col, 7) != finder[i]) return false;
    }
    return true;
}

TEST(CliExamples, MatrixPrintsRowsAsTheEngineDeliversThem) {
    QTemporaryDir dir;
    DocumentSnapshot snapshot;
    snapshot.id = QUuid::createUuid();
    snapshot.content = QRContent::text("A");
    snapshot.exportSettings.correctionLevel = CorrectionLevel::l;
    const QString doc = dir.filePath("a.vostrel");
    ASSERT_TRUE(writeDocumentFile(snapshot, doc));

    const testing::CliRun run = runCli({"matrix", doc});
    ASSERT_EQ(run.exitCode, 0);
    const QList<QByteArray> rows = run.out.split('\n');
    ASSERT_EQ(rows.size(), 24);  // 23 rows, each ended by a newline
    EXPECT_TRUE(rows[23].isEmpty());
    EXPECT_EQ(rows[0], QByteArray(23, '.'));
    // Rows run bottom to top: finders at (1, 1), (15, 1) and (15, 15), none at (1, 15).
    EXPECT_TRUE(hasFinderAt(rows, 1, 1));
    EXPECT_TRUE(hasFinderAt(rows, 15, 1));
    EXPECT_TRUE(hasFinderAt(rows, 15, 15));
    EXPECT_FALSE(hasFinderAt(rows, 1, 15));
}

}  // namespace
}  // namespace vostrel

namespace vostrel {
namespace {

TEST(CliNewAndWarnings, NewDocumentsReadBackWithTheirKindAndDistinctNames) {
    QTemporaryDir dir;
    const QString path = dir.filePath("wifi.vostrel");
    ASSERT_EQ(runCli({"new", "--kind", "wifi", "-o", path}).exitCode, 0);
    const auto written = readDocumentFile(path);
    ASSERT_TRUE(written);
    EXPECT_EQ(written->content, emptyContent(ContentType::wifi));
    EXPECT_EQ(written->style, QRStyle());
    EXPECT_EQ(written->exportSettings, ExportSettings());

    const testing::CliRun toStdout = runCli({"new"});
    ASSERT_EQ(toStdout.exitCode, 0);
    const auto fromStdout = decodeDocument(toStdout.out);
    ASSERT_TRUE(fromStdout);
    EXPECT_EQ(fromStdout->content.contentType(), ContentType::url);
    EXPECT_EQ(toStdout.out, *encodeDocument(*fromStdout));
    EXPECT_NE(fromStdout->name, written->name);
    EXPECT_EQ(runCli({"new", "--kind", "SMS"}).exitCode, 2);
}

TEST(CliNewAndWarnings, WarningsListTheMessagesOfAStyleThatMayNotScan) {
    QTemporaryDir dir;
    DocumentSnapshot snapshot = DocumentSnapshot::newDocument(ContentType::text);
    // No code at all is no "scans well".
    const testing::CliRun empty = runCli({"warnings", "-"}, *encodeDocument(snapshot));
    EXPECT_EQ(empty.exitCode, 3);
    EXPECT_EQ(empty.err, "vostrel-cli: -: content is empty: nothing to encode\n");
    snapshot.content = QRContent::text(QStringLiteral("hello"));
    EXPECT_TRUE(runCli({"warnings", "-"}, *encodeDocument(snapshot)).out.isEmpty());

    snapshot.style.foreground = {0.5, 0.5, 0.5, 1.0};
    snapshot.style.background = {0.5, 0.5, 0.5, 1.0};
    snapshot.style.quietZoneModules = 3;
    const QString path = dir.filePath("grey.vostrel");
    ASSERT_TRUE(writeDocumentFile(snapshot, path));
    const testing::CliRun run = runCli({"warnings", path});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out,
              "Low contrast: ratio is 1.0:1. Minimum for reliable scanning is 4.5:1.\n"
              "Quiet zone is 3 modules. Minimum recommended is 4.\n");
}

}  // namespace
}  // namespace vostrel
