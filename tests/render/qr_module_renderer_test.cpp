#include <gtest/gtest.h>

#include <QtConcurrent>

#include "render/logo_image_cache.h"
#include "render_test_support.h"

namespace vostrel {
namespace {

using testing::Fill;
using testing::renderedImage;

ModuleMatrix allDark(int size) {
    return ModuleMatrix(std::size_t(size), std::vector<bool>(std::size_t(size), true));
}

const ModuleMatrix& symbol() {
    static const ModuleMatrix matrix =
        testing::engineMatrix(QStringLiteral("https://example.com"), CorrectionLevel::m);
    return matrix;
}

// The largest square is centred with a fractional module size; nothing fits no canvas.
TEST(QRModuleRenderer, NonSquareCanvasLeavesTheSideStripsUntouched) {
    EXPECT_FALSE(fittedFrame(25, 4, QSizeF(0, 200)));
    EXPECT_FALSE(fittedFrame(2, -1, QSizeF(100, 100)));
    const QRModuleRenderer renderer{allDark(25), {}};
    const QImage image = renderedImage(renderer, {300, 200}, QSizeF(300, 200), Fill::raster);
    EXPECT_EQ(qAlpha(image.pixel(49, 100)), 0);
    EXPECT_EQ(image.pixel(50, 100), qRgb(255, 255, 255));   // quiet zone
    EXPECT_EQ(image.pixel(249, 199), qRgb(255, 255, 255));  // its last pixel
    EXPECT_EQ(qAlpha(image.pixel(250, 100)), 0);
    EXPECT_EQ(image.pixel(150, 100), qRgb(0, 0, 0));
}

TEST(QRModuleRenderer, EmptyMatrixDrawsNothingAtAll) {
    QImage blank(50, 50, QImage::Format_ARGB32_Premultiplied);
    blank.fill(Qt::transparent);
    EXPECT_EQ(renderedImage(QRModuleRenderer{{}, {}}, 50, Fill::raster), blank);
}

// One vertical gradient over the whole square: every fully covered pixel takes the colour of its
// row alone, darker towards the top, and the quiet zone keeps both end colours out of the modules.
TEST(QRModuleRenderer, GradientIsContinuousAndSpansTheQuietZone) {
    QRStyle solid;
    solid.foreground = {1.0, 0.0, 0.0, 1.0};
    QRStyle gradient;
    gradient.gradient = GradientStyle{CodableColor::white(), GradientDirection::vertical};
    const QImage mask = renderedImage(QRModuleRenderer{symbol(), solid}, 330, Fill::raster);
    const QImage image = renderedImage(QRModuleRenderer{symbol(), gradient}, 330, Fill::raster);
    int previousRowValue = -1;
    for (int y = 0; y < 330; ++y) {
        int rowValue = -1;
        for (int x = 0; x < 330; ++x) {
            if (mask.pixel(x, y) != qRgb(255, 0, 0)) continue;
            const int value = qRed(image.pixel(x, y));
            if (rowValue < 0) rowValue = value;
            ASSERT_EQ(value, rowValue) << x << ", " << y;
            EXPECT_GT(value, 0);
            EXPECT_LT(value, 255);
        }
        if (rowValue < 0) continue;
        EXPECT_GE(rowValue, previousRowValue);
        previousRowValue = rowValue;
    }
    EXPECT_GT(previousRowValue, 180);  // the bottom modules are light grey
}

TEST(QRModuleRenderer, LogoAndPlateAreDrawnOverTheModules) {
    QRStyle style;
    style.logoOverlay = testing::solidLogo(QColor(30, 60, 200), LogoShape::square);
    style.logoOverlay->sizePercent = 0.25;
    style.logoOverlay->padding = 0.2;
    style.logoOverlay->backgroundColor = CodableColor{1.0, 1.0, 0.0, 1.0};
    const QImage image = renderedImage(QRModuleRenderer{symbol(), style}, 330, Fill::raster);
    const auto frame = fittedFrame(int(symbol().size()), 4, QSizeF(330, 330));
    const double centre = 165.0;
    const double logoHalf = frame->unit * double(symbol().size()) * 0.25 / 2.0;
    EXPECT_EQ(image.pixel(int(centre), int(centre)), qRgb(30, 60, 200));
    EXPECT_EQ(image.pixel(int(centre + logoHalf * 1.2), int(centre)), qRgb(255, 255, 0));
    EXPECT_EQ(image.pixel(int(centre + logoHalf * 1.2), int(centre + logoHalf * 1.2)),
              qRgb(255, 255, 0));
    style.logoOverlay->shape = LogoShape::circle;
    const QImage circle = renderedImage(QRModuleRenderer{symbol(), style}, 330, Fill::raster);
    EXPECT_EQ(circle.pixel(int(centre + logoHalf * 0.9), int(centre + logoHalf * 0.9)),
              qRgb(255, 255, 0));  // outside the circular clip, inside the plate's corner
}

TEST(QRModuleRenderer, LogoThatDrawsNothingLeavesThePictureUnchanged) {
    const QImage plain = renderedImage(QRModuleRenderer{symbol(), {}}, 200, Fill::raster);
    QRStyle notAnImage;
    notAnImage.logoOverlay = LogoOverlay{};
    notAnImage.logoOverlay->imageData = "not a picture";
    EXPECT_EQ(renderedImage(QRModuleRenderer{symbol(), notAnImage}, 200, Fill::raster), plain);
    QRStyle zeroSize;
    zeroSize.logoOverlay = testing::solidLogo(Qt::red, LogoShape::square);
    zeroSize.logoOverlay->sizePercent = 0.0;
    EXPECT_EQ(renderedImage(QRModuleRenderer{symbol(), zeroSize}, 200, Fill::raster), plain);
}

// Batch export renders off the main thread, several logos at once.
TEST(QRModuleRenderer, RendersTheSamePictureOnEveryThread) {
    std::vector<QRModuleRenderer> renderers;
    for (int i = 0; i < 12; ++i) {
        QRStyle style;
        style.moduleShape = allCases<ModuleShape>()[std::size_t(i) % 3];
        style.logoOverlay = testing::solidLogo(QColor(20 * i, 40, 90), LogoShape::roundedRect);
        renderers.push_back({symbol(), style});
    }
    const auto render = [](const QRModuleRenderer& renderer) {
        return renderedImage(renderer, 150, Fill::raster);
    };
    const std::vector<QImage> parallel = QtConcurrent::blockingMapped(renderers, render);
    for (std::size_t i = 0; i < renderers.size(); ++i) {
        EXPECT_EQ(parallel[i], render(renderers[i])) << i;
    }
}

TEST(LogoImageCache, SharesOnePictureForEqualBytesAndKeepsEightPictures) {
    const QByteArray first = testing::solidLogo(Qt::red, LogoShape::square).imageData;
    const qint64 key = cachedLogoImage(first).cacheKey();
    EXPECT_EQ(cachedLogoImage(QByteArray(first.constData(), first.size())).cacheKey(), key);
    for (int i = 0; i < logoImageCacheCapacity - 1; ++i) {
        cachedLogoImage(testing::solidLogo(QColor(i, 0, 0), LogoShape::square).imageData);
    }
    EXPECT_EQ(cachedLogoImage(first).cacheKey(), key);
    for (int i = 0; i < logoImageCacheCapacity; ++i) {
        cachedLogoImage(testing::solidLogo(QColor(0, i, 0), LogoShape::square).imageData);
    }
    EXPECT_NE(cachedLogoImage(first).cacheKey(), key);
    EXPECT_TRUE(cachedLogoImage("no picture").isNull());
}

}  // namespace
}  // namespace vostrel
