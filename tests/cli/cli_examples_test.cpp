#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "cli_runner.h"
#include "document/document_file.h"
#include "engine/qr_engine.h"
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

TEST(CliExamples, StandardStreamsAndTheDocumentsPngSize) {
    const QString doc = testing::examplePath("swish-lunch");  // PNG size 512, format png
    const testing::CliRun png = runCli({"export", "-", "-o", "-"}, testing::readFile(doc));
    ASSERT_EQ(png.exitCode, 0) << png.err.toStdString();
    EXPECT_EQ(QImage::fromData(png.out, "PNG").size(), QSize(512, 512));
    const testing::CliRun svg = runCli({"export", doc, "-o", "-", "--format", "SVG"});
    EXPECT_TRUE(svg.out.endsWith("\n</svg>"));
    EXPECT_EQ(runCli({"export", "-", "-o", "-", "--format", "svg"}, testing::readFile(doc)).out,
              svg.out);
}

TEST(CliExamples, MatrixPrintsRowsAsTheEngineDeliversThem) {
    DocumentSnapshot snapshot = DocumentSnapshot::newDocument(ContentType::text);
    snapshot.content = QRContent::text("A");
    snapshot.exportSettings.correctionLevel = CorrectionLevel::l;
    const testing::CliRun run = runCli({"matrix", "-"}, *encodeDocument(snapshot));
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const ModuleMatrix matrix = QREngine::makeMatrix("A", CorrectionLevel::l).value();
    QByteArray expected;
    for (const std::vector<bool>& row : matrix) {
        for (bool dark : row) expected += dark ? '#' : '.';
        expected += '\n';
    }
    EXPECT_EQ(run.out, expected);
}

TEST(CliNewAndWarnings, NewDocumentsReadBackWithTheirKindAndDistinctNames) {
    QTemporaryDir dir;
    const QString path = dir.filePath("wifi.vostrel");
    ASSERT_EQ(runCli({"new", "--kind", "wifi", "-o", path}).exitCode, 0);
    const auto written = readDocumentFile(path);
    ASSERT_TRUE(written);
    EXPECT_EQ(written->content, emptyContent(ContentType::wifi));

    const testing::CliRun toStdout = runCli({"new"});
    ASSERT_EQ(toStdout.exitCode, 0);
    const auto fromStdout = decodeDocument(toStdout.out);
    ASSERT_TRUE(fromStdout);
    EXPECT_EQ(fromStdout->content.contentType(), ContentType::url);
    EXPECT_EQ(toStdout.out, *encodeDocument(*fromStdout));
    EXPECT_NE(fromStdout->name, written->name);
    EXPECT_EQ(runCli({"new", "--kind", "SMS"}).exitCode, 2);
}

// The messages themselves are the scannability checks' and come out in the hostile-style test.
TEST(CliNewAndWarnings, WarningsNeedACodeAndAreQuietForOneThatScans) {
    DocumentSnapshot snapshot = DocumentSnapshot::newDocument(ContentType::text);
    const testing::CliRun empty = runCli({"warnings", "-"}, *encodeDocument(snapshot));
    EXPECT_EQ(empty.exitCode, 3);  // no code at all is not "scans well"
    EXPECT_EQ(empty.err, "vostrel-cli: -: content is empty: nothing to encode\n");
    snapshot.content = QRContent::text(QStringLiteral("hello"));
    const testing::CliRun clean = runCli({"warnings", "-"}, *encodeDocument(snapshot));
    EXPECT_EQ(clean.exitCode, 0);
    EXPECT_TRUE(clean.out.isEmpty());
}

}  // namespace
}  // namespace vostrel
