#include <gtest/gtest.h>

#include "render/logo_overlay.h"

namespace vostrel {
namespace {

QImage filled(int width, int height, QColor colour) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// Large pictures are scaled to fit 512 pixels keeping their aspect ratio; small ones keep their
// size and pixels. Either way the logo stores a PNG.
TEST(MakeLogoOverlay, StoresAPngScaledDownToFitKeepingItsAspectRatio) {
    const std::pair<QSize, QSize> sizes[] = {
        {{2048, 1024}, {512, 256}}, {{300, 900}, {171, 512}}, {{40, 30}, {40, 30}}};
    for (const auto& [picture, stored] : sizes) {
        const auto logo = makeLogoOverlay(filled(picture.width(), picture.height(), Qt::red));
        ASSERT_TRUE(logo);
        EXPECT_TRUE(logo->imageData.startsWith("\x89PNG"));
        QImage image;
        ASSERT_TRUE(image.loadFromData(logo->imageData, "PNG"));
        EXPECT_EQ(image.size(), stored);
        EXPECT_EQ(image.pixelColor(stored.width() / 2, stored.height() / 2), QColor(Qt::red));
    }
}

TEST(MakeLogoOverlay, EmptyPictureGivesNothing) {
    EXPECT_FALSE(makeLogoOverlay(QImage()));
    EXPECT_FALSE(makeLogoOverlay(QImage(0, 10, QImage::Format_RGB32)));
}

}  // namespace
}  // namespace vostrel
