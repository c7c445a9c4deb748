#include <gtest/gtest.h>

#include <zlib.h>
#include <QPainter>
#include <QtEndian>

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

struct Chunk {
    QByteArray type;
    QByteArray data;
};

// The chunks of a PNG file, or none when a length runs past the end.
std::vector<Chunk> chunks(const QByteArray& png) {
    std::vector<Chunk> found;
    for (qsizetype at = 8; at + 12 <= png.size();) {
        const qsizetype length = qFromBigEndian<quint32>(png.constData() + at);
        if (at + 12 + length > png.size()) return {};
        found.push_back({png.mid(at + 4, 4), png.mid(at + 8, length)});
        at += 12 + length;
    }
    return found;
}

TEST(PngData, IsAnRgbaPngOfTheRequestedSize) {
    for (int size : {1, 17, 400}) {
        const std::optional<QByteArray> png = pngData(matrix(), translucentGradientStyle(), size);
        ASSERT_TRUE(png) << size;
        const std::vector<Chunk> parts = chunks(*png);
        ASSERT_EQ(parts.size(), 3u);
        EXPECT_EQ(parts[0].type, "IHDR");
        EXPECT_EQ(parts[0].data.mid(8), QByteArray("\x08\x06\x00\x00\x00", 5));  // 8-bit RGBA
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

// Rows that repeat the row above are compressed as zeros; the stream must still inflate, with
// zlib checking its Adler-32, into exactly one filter byte and the pixels per row.
TEST(PngData, ImageDataInflatesWithItsChecksum) {
    const std::optional<QByteArray> png = pngData(matrix(), QRStyle{}, 300);
    ASSERT_TRUE(png);
    const std::vector<Chunk> parts = chunks(*png);
    ASSERT_EQ(parts.size(), 3u);
    ASSERT_EQ(parts[1].type, "IDAT");
    QByteArray raw(300 * (1 + 4 * 300), Qt::Uninitialized);
    uLongf rawSize = uLongf(raw.size());
    ASSERT_EQ(uncompress(reinterpret_cast<Bytef*>(raw.data()), &rawSize,
                         reinterpret_cast<const Bytef*>(parts[1].data.constData()),
                         uLong(parts[1].data.size())),
              Z_OK);
    EXPECT_EQ(rawSize, uLongf(raw.size()));
    int repeatedRows = 0;
    for (int row = 0; row < 300; ++row) {
        const char filter = raw[row * (1 + 4 * 300)];
        EXPECT_TRUE(filter == 0 || filter == 2) << row;
        repeatedRows += filter == 2;
    }
    EXPECT_GT(repeatedRows, 150);
    EXPECT_EQ(parts[2].type, "IEND");
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

TEST(QRCodeTransferable, OffersA512PixelPngNamedQrCodePng) {
    const QRCodeTransferable transferable{matrix(), translucentGradientStyle()};
    EXPECT_EQ(QRCodeTransferable::suggestedFileName(), QStringLiteral("qr-code.png"));
    const std::optional<QByteArray> png = transferable.pngBytes();
    ASSERT_TRUE(png);
    EXPECT_EQ(*png, pngData(transferable.matrix, transferable.style, 512));
    EXPECT_EQ(QImage::fromData(*png, "PNG").size(), QSize(512, 512));
    EXPECT_FALSE(QRCodeTransferable{}.pngBytes());
}

}  // namespace
}  // namespace vostrel
