#include <gtest/gtest.h>

#include <QPainter>

#include "engine/qr_engine.h"
#include "export/png_data.h"
#include "export/qr_code_transferable.h"
#include "render/qr_module_renderer.h"
#include "support/qr_decoding.h"

namespace vostrel {
namespace {

const QString payload = QStringLiteral("https://example.com/menu?table=12");

const ModuleMatrix& matrix() {
    static const ModuleMatrix matrix = QREngine::makeMatrix(payload, CorrectionLevel::m).value();
    return matrix;
}

QRStyle translucentGradientStyle() {
    QRStyle style;
    style.moduleShape = ModuleShape::dot;
    style.background = {1.0, 0.9, 0.8, 0.5};
    style.gradient = GradientStyle{{0.1, 0.2, 0.6, 1.0}, GradientDirection::diagonal};
    return style;
}

TEST(PngData, IsAnRgbaPngOfTheRequestedSize) {
    for (int size : {1, 17, 400}) {
        const std::optional<QByteArray> png = pngData(matrix(), translucentGradientStyle(), size);
        ASSERT_TRUE(png) << size;
        // The header's bit depth, colour type and methods: 8-bit RGBA, not interlaced.
        EXPECT_EQ(png->mid(24, 5), QByteArray("\x08\x06\x00\x00\x00", 5));
        const QImage image = QImage::fromData(*png, "PNG");
        EXPECT_EQ(image.size(), QSize(size, size));
        EXPECT_TRUE(image.hasAlphaChannel());
    }
}

TEST(PngData, HoldsTheRenderersPictureAndScans) {
    const QRStyle style = translucentGradientStyle();
    QImage rendered(400, 400, QImage::Format_ARGB32_Premultiplied);
    rendered.fill(Qt::transparent);
    QPainter painter(&rendered);
    QRModuleRenderer{matrix(), style}.draw(painter, QSizeF(400, 400));
    painter.end();
    const QImage decoded = QImage::fromData(pngData(matrix(), style, 400).value(), "PNG");
    EXPECT_EQ(decoded.convertToFormat(QImage::Format_ARGB32),
              rendered.convertToFormat(QImage::Format_ARGB32));
    const QImage onWhite = [&] {
        QImage image(decoded.size(), QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter(&image).drawImage(0, 0, decoded);
        return image;
    }();
    EXPECT_EQ(testing::decodeQr(testing::mirroredTopToBottom(onWhite)), payload);
}

TEST(PngData, BadSizesAndMatricesGiveNothing) {
    EXPECT_FALSE(pngData(matrix(), {}, 0));
    EXPECT_FALSE(pngData(matrix(), {}, -5));
    EXPECT_FALSE(pngData(matrix(), {}, maximumPngSize + 1));  // a typo must not eat the memory
    EXPECT_FALSE(pngData({}, {}, 100));
    ModuleMatrix shortRow = matrix();
    shortRow[3].pop_back();
    EXPECT_FALSE(pngData(shortRow, {}, 100));
    ModuleMatrix longRow = matrix();
    longRow.back().push_back(true);
    EXPECT_FALSE(pngData(longRow, {}, 100));
}

TEST(QRCodeTransferable, OffersA512PixelPng) {
    const QRCodeTransferable transferable{matrix(), translucentGradientStyle()};
    const std::optional<QByteArray> png = transferable.pngBytes();
    ASSERT_TRUE(png);
    EXPECT_EQ(png, pngData(matrix(), translucentGradientStyle(), 512));
    EXPECT_FALSE(QRCodeTransferable{}.pngBytes());
}

}  // namespace
}  // namespace vostrel
