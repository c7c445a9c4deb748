#include <gtest/gtest.h>

#include <zlib.h>
#include <QPainter>
#include <QRandomGenerator>
#include <QtEndian>

#include "engine/qr_engine.h"
#include "export/png_writer.h"
#include "render/qr_module_renderer.h"

namespace vostrel {
namespace {

// The IDAT data of a file this writer made (one IDAT chunk after the 25 bytes of signature and
// IHDR).
QByteArray imageData(const QByteArray& png) {
    const qsizetype length = qFromBigEndian<quint32>(png.constData() + 33);
    return png.mid(41, length);
}

// What the PNG decoder makes of the file, in the form both sides can be compared in.
QImage decoded(const QByteArray& png) {
    return QImage::fromData(png, "PNG").convertToFormat(QImage::Format_ARGB32);
}

QImage noise(int width, int height, bool opaque) {
    QImage image(width, height, QImage::Format_ARGB32);
    QRandomGenerator random(7);
    for (int y = 0; y < height; ++y) {
        auto* pixels = reinterpret_cast<quint32*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) pixels[x] = random.generate() | (opaque ? 0xff000000u : 0u);
    }
    return image;
}

// A rendered symbol, with dots unless told otherwise, a gradient and a translucent background:
// anti-aliased edges, rows that repeat, rows that differ from the row above at a few pixels.
QImage symbolPicture(int edge, ModuleShape shape = ModuleShape::dot) {
    QRStyle style;
    style.moduleShape = shape;
    style.background = {1.0, 0.9, 0.8, 0.5};
    style.gradient = GradientStyle{{0.1, 0.2, 0.6, 1.0}, GradientDirection::diagonal};
    QImage image(edge, edge, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    const ModuleMatrix matrix =
        QREngine::makeMatrix("https://example.com/products/item-7?ref=batch", CorrectionLevel::m)
            .value();
    QRModuleRenderer{matrix, style}.draw(painter, QSizeF(edge, edge));
    return image;
}

QByteArray rawRows(const QImage& image) {
    const QImage rgba = image.convertToFormat(QImage::Format_RGBA8888);
    QByteArray raw;
    for (int y = 0; y < rgba.height(); ++y) {
        raw.append('\0');
        raw.append(reinterpret_cast<const char*>(rgba.constScanLine(y)), rgba.width() * 4);
    }
    return raw;
}

QByteArray zlibFastest(const QByteArray& raw) {
    QByteArray out(qsizetype(compressBound(uLong(raw.size()))), Qt::Uninitialized);
    uLongf size = uLongf(out.size());
    compress2(reinterpret_cast<Bytef*>(out.data()), &size,
              reinterpret_cast<const Bytef*>(raw.constData()), uLong(raw.size()), 1);
    out.resize(qsizetype(size));
    return out;
}

// Decoding goes through libpng and zlib, which check the chunk CRCs and the Adler-32 of the
// image data, so any slip in a code, a length, a distance or a checksum fails here.
TEST(PngWriter, EveryKindOfPictureDecodesToItsPixels) {
    QImage repeatedRows(9000, 5, QImage::Format_ARGB32);  // rows too long to match the row above
    repeatedRows.fill(QColor(10, 200, 30, 128));
    repeatedRows.setPixel(4500, 3, qRgba(1, 2, 3, 4));
    QImage single(1, 1, QImage::Format_ARGB32);
    single.fill(QColor(255, 0, 0, 7));
    QImage transparent(70, 3, QImage::Format_ARGB32_Premultiplied);
    transparent.fill(Qt::transparent);
    const std::vector<std::pair<const char*, QImage>> pictures{
        {"noise", noise(301, 37, false)}, {"opaque noise", noise(64, 64, true)},
        {"long rows", repeatedRows},      {"one pixel", single},
        {"symbol", symbolPicture(613)},   {"transparent", transparent},
    };
    for (const auto compression : {PngCompression::repeatAware, PngCompression::zlibSearch}) {
        for (const auto& [name, image] : pictures) {
            const std::optional<QByteArray> png = encodePng(image, compression);
            ASSERT_TRUE(png) << name;
            // The writer works on premultiplied pixels, as the renderer makes them.
            const QImage expected = image.convertToFormat(QImage::Format_ARGB32_Premultiplied)
                                        .convertToFormat(QImage::Format_ARGB32);
            EXPECT_TRUE(decoded(*png) == expected) << name << " " << int(compression);
        }
    }
    EXPECT_FALSE(encodePng(QImage()));
}

// Whichever way a picture is compressed, its file stays close to what zlib at its fastest level
// makes of it: square modules take the writer's own matching, dots zlib.
TEST(PngWriter, CompressesSymbolsAboutAsWellAsZlibAtItsFastestLevel) {
    for (const auto& [shape, edge] :
         {std::pair{ModuleShape::square, 300}, std::pair{ModuleShape::square, 1024},
          std::pair{ModuleShape::dot, 1024}}) {
        const QImage image = symbolPicture(edge, shape);
        const QByteArray ours = imageData(encodePng(image).value());
        const QByteArray zlib = zlibFastest(rawRows(image));
        EXPECT_LT(ours.size(), zlib.size() * 5 / 4)
            << edge << " px: " << ours.size() << " vs " << zlib.size();
    }
}

}  // namespace
}  // namespace vostrel
