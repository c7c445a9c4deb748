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

TEST(CliExamples, ExportedSvgScansAsThePayload) {
    QTemporaryDir dir;
    for (const QString& name : exampleNames()) {
        SCOPED_TRACE(name.toStdString());
        const QString doc = testing::examplePath(name);
        const auto document = readDocumentFile(doc);
        ASSERT_TRUE(document);
        const testing::CliRun payload = runCli({"payload", doc});
        ASSERT_EQ(payload.exitCode, 0) << payload.err.toStdString();
        EXPECT_EQ(stablePart(QString::fromUtf8(payload.out)),
                  stablePart(document->content.payload()));

        const QString out = dir.filePath(name + ".svg");
        const testing::CliRun exported = runCli({"export", doc, "-o", out});
        ASSERT_EQ(exported.exitCode, 0) << exported.err.toStdString();
        // librsvg rather than Qt SVG: Qt SVG 6.4 stops reading paths of more than 32767 elements
        // (a large squircle symbol has more) and ignores the SVG 2 "href" of the logo image.
        const QImage image =
            testing::renderSvgWithRsvg(QString::fromUtf8(testing::readFile(out)), 800);
        const QImage upright =
            document->style.flipVertical ? testing::mirroredTopToBottom(image) : image;
        EXPECT_EQ(stablePart(testing::decodeQr(upright).value_or("(no symbol)")).toStdString(),
                  stablePart(QString::fromUtf8(payload.out)).toStdString());
    }
}

TEST(CliExamples, StandardStreamsWorkForInputAndOutput) {
    const QString doc = testing::examplePath("wifi-home");
    const testing::CliRun fromFile = runCli({"export", doc, "-o", "-"});
    const testing::CliRun fromStdin = runCli({"export", "-", "-o", "-"}, testing::readFile(doc));
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
