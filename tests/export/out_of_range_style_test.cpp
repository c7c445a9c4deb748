#include <gtest/gtest.h>

#include "engine/qr_engine.h"
#include "export/png_data.h"
#include "export/svg_document.h"
#include "render/style_correction.h"
#include "support/image_difference.h"
#include "support/qr_decoding.h"
#include "support/svg_rendering.h"

// Style decoding is lenient, so a file may carry numbers that make no picture. PNG and SVG must
// still draw the same scannable symbol from them, and numbers in range must draw as stored.

namespace vostrel {
namespace {

using testing::decodeQr;
using testing::imageDifference;
using testing::mirroredTopToBottom;

const QString payload = QStringLiteral("https://example.com/hostile");
constexpr int pictureSize = 400;

QString decodedUpright(const QImage& image) {
    return decodeQr(mirroredTopToBottom(image)).value_or(QString());
}

LogoOverlay redLogo() {
    QImage picture(32, 32, QImage::Format_RGB32);
    picture.fill(Qt::red);
    return makeLogoOverlay(picture).value();
}

TEST(OutOfRangeStyle, PngAndSvgDrawTheSameScannableSymbol) {
    const ModuleMatrix matrix = QREngine::makeMatrix(payload, CorrectionLevel::h).value();
    std::vector<std::pair<std::string, QRStyle>> styles;
    const auto add = [&](std::string label, auto change) {
        QRStyle style;
        change(style);
        styles.emplace_back(std::move(label), style);
    };
    add("quiet zone -100", [](QRStyle& s) { s.quietZoneModules = -100; });
    add("quiet zone 1e9", [](QRStyle& s) { s.quietZoneModules = 1'000'000'000; });
    add("background alpha 5", [](QRStyle& s) { s.background.a = 5; });
    add("colours beyond 0…1", [](QRStyle& s) {
        s.foreground = {-4, -1e308, std::nan(""), 2};
        s.background = {7, 1e308, 3, 1};
    });
    add("huge logo numbers", [](QRStyle& s) {
        s.logoOverlay = redLogo();
        s.logoOverlay->sizePercent = 0.1;
        s.logoOverlay->padding = 1e308;
        s.logoOverlay->backgroundColor = CodableColor{2, 2, 2, std::nan("")};
    });
    for (const auto& [label, style] : styles) {
        SCOPED_TRACE(label);
        const QImage png =
            QImage::fromData(pngData(matrix, style, pictureSize).value_or(QByteArray()));
        const QString svg = svgDocument(matrix, style);
        EXPECT_FALSE(svg.contains(u"nan") || svg.contains(u"inf") || svg.contains(u"=\"-"));
        const QImage svgPicture = testing::renderSvgWithQt(svg, pictureSize);
        EXPECT_EQ(decodedUpright(png), payload);
        EXPECT_EQ(decodedUpright(svgPicture), payload);
        EXPECT_LT(imageDifference(png.convertToFormat(QImage::Format_ARGB32_Premultiplied),
                                  svgPicture.convertToFormat(QImage::Format_ARGB32_Premultiplied))
                      .mean,
                  8.0);
    }
}

// The CLI's warnings test covers what styleCorrections reports for numbers out of range.
TEST(OutOfRangeStyle, NumbersAtTheEndsOfTheirRangesDrawAsStored) {
    QRStyle inRange;
    inRange.quietZoneModules = 2;
    inRange.foreground = {0.2, 0.0, 1.0, 0.5};
    inRange.logoOverlay = redLogo();
    inRange.logoOverlay->sizePercent = 1.0;
    inRange.logoOverlay->padding = 0.0;
    EXPECT_EQ(drawableStyle(inRange), inRange);
    EXPECT_TRUE(styleCorrections(inRange).isEmpty());
}

}  // namespace
}  // namespace vostrel
