#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "batch/batch_engine.h"
#include "engine/qr_engine.h"
#include "export/svg_document.h"
#include "support/qr_decoding.h"
#include "support/svg_rendering.h"

namespace vostrel {
namespace {

using namespace Qt::StringLiterals;

// Fits a version 40 symbol at level l but not at h.
const QString longText = u"x"_s.repeated(2000);

QString readText(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// The default style keeps the engine's orientation, the mirror image of the one ZXing reads.
QString decodedFile(const QString& path) {
    const QImage image =
        path.endsWith(u".svg"_s) ? testing::renderSvgWithQt(readText(path), 400) : QImage(path);
    return testing::decodeQr(testing::mirroredTopToBottom(image)).value_or(u"(unreadable)"_s);
}

class BatchEngineTest : public ::testing::Test {
  protected:
    BatchConfig configInto(const QString& folder, NamingScheme naming,
                           ExportFormat format = ExportFormat::svg) {
        return BatchConfig{format, 1024, naming, QUrl::fromLocalFile(folder)};
    }

    // Runs to the end on this thread, recording every report and calling `onReport` after it.
    QFuture<BatchOutcome> run(const QList<QRContent>& items, const BatchConfig& config,
                              const std::function<void(const BatchProgress&)>& onReport = {},
                              const QRStyle& style = {}) {
        QFuture<BatchOutcome> future = engine_->generateBatch(
            items, style, CorrectionLevel::m, config, [this, onReport](const BatchProgress& p) {
                reports_.append(p);
                if (onReport) onReport(p);
            });
        waitForBatch(future);
        return future;
    }

    QStringList filesIn(const QString& folder) const {
        return QDir(folder).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    }

    QTemporaryDir temp_;
    std::unique_ptr<BatchEngine> engine_ = std::make_unique<BatchEngine>();
    QList<BatchProgress> reports_;
};

TEST_F(BatchEngineTest, WritesEveryItemInOrderReportingAfterEachFileAndCountingSkips) {
    QList<QRContent> items;
    for (int i = 1; i <= 12; ++i) items.append(QRContent::text(u"item %1"_s.arg(i)));
    items[0] = QRContent::url({});
    items[1] = QRContent::text(QString(3000, u'x'));
    const QString folder = temp_.filePath(u"out/nested"_s);
    BatchConfig config = configInto(folder, NamingScheme::sequential, ExportFormat::png);
    config.pngSize = 300;
    QList<QStringList> filesAtReports;
    const auto future =
        run(items, config, [&](const BatchProgress&) { filesAtReports.append(filesIn(folder)); });

    const BatchOutcome outcome = future.result();
    ASSERT_TRUE(outcome);
    QStringList expected;
    for (int i = 3; i <= 12; ++i) expected.append(u"%1.png"_s.arg(i, 2, 10, QLatin1Char('0')));
    EXPECT_EQ(*outcome, (BatchResult{10, 2, expected, QUrl::fromLocalFile(folder)}));
    EXPECT_EQ(filesIn(folder), expected);

    ASSERT_EQ(reports_.size(), 10);
    for (qsizetype i = 0; i < reports_.size(); ++i) {
        const QStringList soFar = expected.first(i + 1);
        EXPECT_EQ(reports_[i], (BatchProgress{i + 1, 12, soFar.last(), soFar, 2}));
        // The next item starts only after the report: the folder holds exactly these files.
        EXPECT_EQ(filesAtReports[i], soFar);
    }
    EXPECT_EQ(QImage(folder + u"/03.png"_s).size(), QSize(300, 300));
    EXPECT_EQ(decodedFile(folder + u"/03.png"_s), "item 3");
    EXPECT_EQ(decodedFile(folder + u"/12.png"_s), "item 12");
}

// Files of this run, of earlier runs, folders and even dangling links all take a name: nothing
// is overwritten, and nothing is written through a link out of the folder.
TEST_F(BatchEngineTest, TakenNamesGetNumberedSuffixes) {
    const QList<QRContent> items{QRContent::url({"https://example.com/menu"}),
                                 QRContent::url({"http://example.com/menu"})};
    const QString folder = temp_.path();
    QDir(folder).mkdir(u"example-com-menu-3.svg"_s);
    QFile::link(temp_.filePath(u"nowhere/x"_s), temp_.filePath(u"example-com-menu-4.svg"_s));
    ASSERT_TRUE(run(items, configInto(folder, NamingScheme::contentBased)).result());
    const BatchOutcome second = run(items, configInto(folder, NamingScheme::contentBased)).result();
    ASSERT_TRUE(second);
    EXPECT_EQ(second->fileNames, (QStringList{"example-com-menu-5.svg", "example-com-menu-6.svg"}));
    EXPECT_EQ(decodedFile(folder + u"/example-com-menu-2.svg"_s), "http://example.com/menu");
}

// Items are made side by side, a large symbol taking longer than the small one after it, yet
// files are written, numbered and reported in item order.
TEST_F(BatchEngineTest, ItemsMadeSideBySideAreNamedAndReportedInItemOrder) {
    const QString prefix = u"a"_s.repeated(40);  // every base name is the first 40 characters
    QList<QRContent> items;
    for (int i = 0; i < 16; ++i) {
        items.append(QRContent::text(i % 2 ? prefix : prefix + u"b"_s.repeated(1200)));
        if (i % 5 == 4) items.append(QRContent::url({}));  // skipped between them
    }
    const QString folder = temp_.path();
    const BatchOutcome outcome =
        run(items, configInto(folder, NamingScheme::contentBased)).result();
    ASSERT_TRUE(outcome);
    ASSERT_EQ(outcome->generatedCount, 16);
    EXPECT_EQ(outcome->skippedCount, 3);
    ASSERT_EQ(reports_.size(), 16);
    for (int i = 0; i < 16; ++i) {
        const QString name = prefix + (i ? u"-%1.svg"_s.arg(i + 1) : u".svg"_s);
        EXPECT_EQ(outcome->fileNames[i], name);
        EXPECT_EQ(reports_[i].currentFileName, name);
        EXPECT_EQ(reports_[i].skippedCount, i / 5);
        const bool large = QFileInfo(folder + u'/' + name).size() > 20000;
        EXPECT_EQ(large, i % 2 == 0) << name.toStdString();
    }
}

// A logo hides modules, so every symbol is made at level h whatever level the caller asked for:
// the long text fits only at a lower level and is skipped.
TEST_F(BatchEngineTest, ALogoRaisesTheLevelToHForEveryItem) {
    QRStyle style;
    QImage picture(32, 32, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    style.logoOverlay = makeLogoOverlay(picture);
    const auto future = run({QRContent::text(u"short"_s), QRContent::text(longText)},
                            configInto(temp_.path(), NamingScheme::sequential), {}, style);
    ASSERT_TRUE(future.result());
    EXPECT_EQ(future.result()->skippedCount, 1);
    const ModuleMatrix matrixAtH = QREngine::makeMatrix(u"short"_s, CorrectionLevel::h).value();
    EXPECT_EQ(readText(temp_.filePath(u"1.svg"_s)), svgDocument(matrixAtH, style));
}

// After the second file the folder is moved away and a regular file takes its place, so the
// third write has a file for a parent folder.
TEST_F(BatchEngineTest, AWriteFailureEndsTheRunAndKeepsTheFilesBeforeIt) {
    for (ExportFormat format : {ExportFormat::png, ExportFormat::svg}) {
        reports_.clear();
        const QString folder = temp_.filePath(u"out"_s);
        const QString keptFolder = temp_.filePath(u"kept-"_s + rawValue(format));
        const auto blockAfterTwo = [&](const BatchProgress& progress) {
            if (progress.completed != 2) return;
            ASSERT_TRUE(QDir().rename(folder, keptFolder));
            ASSERT_TRUE(QFile(folder).open(QIODevice::WriteOnly));
        };
        const QList<QRContent> items{QRContent::text(u"one"_s), QRContent::text(u"two"_s),
                                     QRContent::text(u"three"_s), QRContent::text(u"four"_s)};
        const BatchOutcome outcome =
            run(items, configInto(folder, NamingScheme::contentBased, format), blockAfterTwo)
                .result();
        ASSERT_FALSE(outcome);
        EXPECT_EQ(outcome.error().kind, BatchError::Kind::writeFailed);
        EXPECT_EQ(outcome.error().path, folder + u"/three."_s + rawValue(format));
        EXPECT_EQ(reports_.size(), 2);
        const QString ext = rawValue(format);
        EXPECT_EQ(filesIn(keptFolder), (QStringList{u"one."_s + ext, u"two."_s + ext}));
        EXPECT_EQ(decodedFile(keptFolder + u"/two."_s + ext), "two");
        QFile::remove(folder);
    }
}

TEST_F(BatchEngineTest, ARunStopsBetweenItemsWhenCancelledOrWhenItsEngineGoes) {
    const QList<QRContent> items{QRContent::text(u"a"_s), QRContent::text(u"b"_s),
                                 QRContent::text(u"c"_s)};
    QFuture<BatchOutcome> first =
        engine_->generateBatch(items, {}, CorrectionLevel::m,
                               configInto(temp_.filePath(u"cancelled"_s), NamingScheme::sequential),
                               [&](const BatchProgress&) { first.cancel(); });
    waitForBatch(first);
    EXPECT_TRUE(first.isCanceled());
    EXPECT_EQ(filesIn(temp_.filePath(u"cancelled"_s)), QStringList{"1.svg"});

    const auto second =
        run(items, configInto(temp_.filePath(u"dropped"_s), NamingScheme::sequential),
            [&](const BatchProgress&) { engine_.reset(); });
    EXPECT_TRUE(second.isCanceled());
    EXPECT_EQ(filesIn(temp_.filePath(u"dropped"_s)), QStringList{"1.svg"});
}

}  // namespace
}  // namespace vostrel
