#include <gtest/gtest.h>

#include "render/logo_overlay.h"

namespace vostrel {
namespace {

QImage filled(int width, int height, QColor colour) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

QImage decodedLogo(const LogoOverlay& logo) {
    QImage image;
    image.loadFromData(logo.imageData, "PNG");
    return image;
}

TEST(MakeLogoOverlay, LargePictureIsScaledToFitKeepingItsAspectRatio) {
    const auto wide = makeLogoOverlay(filled(2048, 1024, Qt::red));
    ASSERT_TRUE(wide);
    EXPECT_EQ(decodedLogo(*wide).size(), QSize(512, 256));
    const auto tall = makeLogoOverlay(filled(300, 900, Qt::red));
    ASSERT_TRUE(tall);
    EXPECT_EQ(decodedLogo(*tall).size(), QSize(171, 512));
}

TEST(MakeLogoOverlay, SmallPictureKeepsItsSizeAndPixels) {
    const auto logo = makeLogoOverlay(filled(40, 30, QColor(10, 120, 200)));
    ASSERT_TRUE(logo);
    const QImage image = decodedLogo(*logo);
    EXPECT_EQ(image.size(), QSize(40, 30));
    EXPECT_EQ(image.pixelColor(20, 15), QColor(10, 120, 200));
    EXPECT_TRUE(logo->imageData.startsWith("\x89PNG"));
}

TEST(MakeLogoOverlay, NewLogoHasTheDefaultPlacement) {
    const auto logo = makeLogoOverlay(filled(8, 8, Qt::black));
    ASSERT_TRUE(logo);
    EXPECT_EQ(logo->sizePercent, 0.2);
    EXPECT_EQ(logo->shape, LogoShape::roundedRect);
    EXPECT_EQ(logo->padding, 0.15);
    EXPECT_EQ(logo->backgroundColor, CodableColor::white());
}

TEST(MakeLogoOverlay, EmptyPictureGivesNothing) {
    EXPECT_FALSE(makeLogoOverlay(QImage()));
    EXPECT_FALSE(makeLogoOverlay(QImage(0, 10, QImage::Format_RGB32)));
}

}  // namespace
}  // namespace vostrel
