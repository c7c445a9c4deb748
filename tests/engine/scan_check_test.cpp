#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>

#include "engine/qr_engine.h"
#include "engine/scan_check.h"
#include "engine/scan_check_controller.h"
#include "engine/scannability_checks.h"
#include "render/style_correction.h"

using namespace vostrel;

namespace {

const QString shortUrl = QStringLiteral("https://example.com/menu?table=12");

struct Design {
    QString payload = shortUrl;
    QRStyle style;
    qint64 pngSize = 1024;
    CorrectionLevel level = CorrectionLevel::m;
};

struct Checked {
    ScanCheckResult scan;
    QStringList warningIds;
};

Checked check(const Design& design) {
    const CorrectionLevel level = design.style.logoOverlay ? CorrectionLevel::h : design.level;
    const MatrixResult matrix = QREngine::makeMatrix(design.payload, level);
    EXPECT_TRUE(matrix.hasValue());
    if (!matrix) return {};
    const auto scan = checkScan(*matrix, design.style, design.pngSize, design.payload.toUtf8());
    EXPECT_TRUE(scan.has_value());
    Checked checked{scan.value_or(ScanCheckResult{}), {}};
    const int symbolSize = int(matrix->size()) - 2;
    for (const ValidationWarning& warning :
         evaluateDesignWarnings(design.style, design.pngSize, symbolSize))
        checked.warningIds.append(warning.id());
    return checked;
}

LogoOverlay logo(double size, double padding, LogoShape shape) {
    QImage picture(64, 64, QImage::Format_ARGB32);
    picture.fill(QColor(230, 90, 40));
    QPainter(&picture).fillRect(16, 16, 32, 32, QColor(40, 60, 200));
    LogoOverlay overlay = makeLogoOverlay(picture).value();
    overlay.sizePercent = size;
    overlay.padding = padding;
    overlay.shape = shape;
    return overlay;
}

}  // namespace

// Each family of designs that read badly once went without a fitting warning. The reading back
// proves the design really fails; the warning is the reason the user is given.
TEST(ScanCheck, DesignsThatDoNotReadNowWarnWhy) {
    struct Family {
        const char* name;
        Design design;
        const char* warning;
    };
    Design inverted;
    inverted.style.foreground = CodableColor::white();
    inverted.style.background = CodableColor::black();
    Design thinFinders;
    thinFinders.style.finderThickness = 0.5;
    thinFinders.style.moduleShape = ModuleShape::dot;
    Design bigPlate;
    bigPlate.style.logoOverlay = logo(0.25, 0.5, LogoShape::circle);
    Design faint;
    faint.style.foreground.a = 0.15;
    Design longUrl;
    longUrl.payload = QStringLiteral("https://example.com/track?") + QString(1500 - 26, u'q');
    longUrl.pngSize = 200;
    longUrl.level = CorrectionLevel::l;
    const Family families[] = {
        {"light on dark", inverted, "lightOnDark"},
        {"1,500 characters at 200 px", longUrl, "moduleSize"},
        {"thin finder rings", thinFinders, "finderThickness"},
        {"logo plate enlarged by padding", bigPlate, "logoPlateSize"},
        {"translucent foreground", faint, "moduleOpacity"},
    };
    for (const Family& family : families) {
        SCOPED_TRACE(family.name);
        const Checked checked = check(family.design);
        EXPECT_FALSE(checked.scan.passed()) << checked.scan.message().toStdString();
        EXPECT_TRUE(checked.warningIds.contains(QString::fromLatin1(family.warning)))
            << checked.warningIds.join(u',').toStdString();
        // Each failed reading is named: light on dark fails all four.
        EXPECT_FALSE(checked.scan.reasons().isEmpty());
        if (&family == families) {
            EXPECT_EQ(checked.scan.reasons().size(), 4);
        }
    }
}

TEST(ScanCheck, DesignsThatReadGetNoNewWarnings) {
    Design plain;
    Design darkBlue;
    darkBlue.style.foreground = {0.0, 0.208, 0.4, 1.0};
    darkBlue.style.background = {0.91, 0.957, 0.992, 1.0};
    Design dots;
    dots.style.moduleShape = ModuleShape::dot;
    Design squircles;
    squircles.style.moduleShape = ModuleShape::squircle;
    squircles.style.flipVertical = false;
    Design platedLogo;
    platedLogo.style.logoOverlay = logo(0.2, 0.15, LogoShape::roundedRect);
    for (const Design& design : {plain, darkBlue, dots, squircles, platedLogo}) {
        const Checked checked = check(design);
        EXPECT_EQ(checked.scan.verdict, ScanVerdict::reads) << checked.scan.message().toStdString();
        EXPECT_EQ(checked.scan.readings.size(), 4);
        EXPECT_TRUE(checked.warningIds.isEmpty()) << checked.warningIds.join(u',').toStdString();
    }
}

TEST(ScanCheck, AnotherPayloadThanTheMatrixHoldsIsNotARead) {
    const MatrixResult matrix = QREngine::makeMatrix(shortUrl, CorrectionLevel::m);
    ASSERT_TRUE(matrix.hasValue());
    const auto scan = checkScan(*matrix, QRStyle{}, 512, "https://example.com/other");
    ASSERT_TRUE(scan.has_value());
    EXPECT_EQ(scan->verdict, ScanVerdict::doesNotRead);
    EXPECT_EQ(scan->readings.first().outcome, ScanReading::Outcome::otherText);
    EXPECT_FALSE(checkScan(*matrix, QRStyle{}, 0, shortUrl.toUtf8()));
    EXPECT_FALSE(checkScan(*matrix, QRStyle{}, 512, shortUrl.toUtf8(), [] { return true; }));
}

// A quiet zone wider than drawing allows is drawn capped, and checked as drawn: the small print of
// a file's 1,000-module quiet zone is the small print of the 100 modules its picture shows.
TEST(ScanCheck, ChecksAnOversizedQuietZoneAsDrawn) {
    Design stored;
    stored.style.quietZoneModules = 1000;
    Design drawn;
    drawn.style.quietZoneModules = maximumDrawnQuietZone;
    EXPECT_EQ(check(stored).scan.readings, check(drawn).scan.readings);
}

// A check already running when a newer request comes is dropped: only the newest design's result
// is published, however the two race.
TEST(ScanCheckController, PublishesOnlyTheNewestRequestAndNothingWithoutAPicture) {
    const MatrixResult matrix = QREngine::makeMatrix(shortUrl, CorrectionLevel::m);
    ASSERT_TRUE(matrix.hasValue());
    QRStyle inverted;
    std::swap(inverted.foreground, inverted.background);
    ScanCheckController controller;
    QSignalSpy changed(&controller, &ScanCheckController::resultChanged);
    controller.requestCheck(*matrix, inverted, 1024, shortUrl.toUtf8());
    QTest::qWait(int(ScanCheckController::settleInterval.count()) + 5);
    controller.requestCheck(*matrix, QRStyle{}, 1024, shortUrl.toUtf8());
    ASSERT_TRUE(changed.wait(10000));
    EXPECT_EQ(controller.result()->verdict, ScanVerdict::reads);
    QTest::qWait(300);
    EXPECT_EQ(changed.size(), 1);

    controller.clear();
    EXPECT_FALSE(controller.result());
    EXPECT_EQ(changed.size(), 2);

    // A size that makes no picture leaves no result standing from an earlier size.
    controller.requestCheck(*matrix, QRStyle{}, 1024, shortUrl.toUtf8());
    ASSERT_TRUE(changed.wait(10000));
    controller.requestCheck(*matrix, QRStyle{}, 0, shortUrl.toUtf8());
    ASSERT_TRUE(changed.wait(10000));
    EXPECT_FALSE(controller.result());
}
