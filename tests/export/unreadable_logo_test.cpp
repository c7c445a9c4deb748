#include <gtest/gtest.h>
#include <zlib.h>

#include <QtEndian>

#include "export/png_data.h"
#include "export/svg_document.h"
#include "fixed_logo.h"
#include "hand_made_matrices.h"

// A logo that does not decode is left out of every output alike: the SVG does not embed bytes
// that no viewer could show, and the PNG draws neither plate nor picture.

namespace vostrel {
namespace {

QByteArray pngChunk(const char* kind, const QByteArray& data) {
    QByteArray body = QByteArray(kind, 4) + data;
    QByteArray chunk(4, '\0');
    qToBigEndian(quint32(data.size()), chunk.data());
    chunk += body;
    const quint32 crc =
        quint32(crc32(0, reinterpret_cast<const Bytef*>(body.constData()), uInt(body.size())));
    QByteArray crcBytes(4, '\0');
    qToBigEndian(crc, crcBytes.data());
    return chunk + crcBytes;
}

// A PNG whose header promises 20000 × 20000 pixels, 1.6 GB to draw, over a few bytes of data.
QByteArray bombHeader() {
    QByteArray header(13, '\0');
    qToBigEndian(quint32(20000), header.data());
    qToBigEndian(quint32(20000), header.data() + 4);
    header[8] = 8;  // bit depth
    header[9] = 6;  // RGBA
    return QByteArray("\x89PNG\r\n\x1a\n", 8) + pngChunk("IHDR", header) +
           pngChunk("IDAT", QByteArray("\x78\xda\x63\x00\x00", 5)) + pngChunk("IEND", {});
}

TEST(UnreadableLogo, IsLeftOutOfSvgAndPngAlike) {
    const ModuleMatrix matrix = testing::handMadeMatrix();
    QRStyle withoutLogo;
    const QByteArray png = testing::fixedLogoPng();
    for (const auto& [label, bytes] :
         {std::pair{"not a picture", QByteArray("\x89PNG but no")},
          std::pair{"cut short", png.left(png.size() - 20)}, std::pair{"no bytes", QByteArray()},
          std::pair{"decompression bomb", bombHeader()}}) {
        SCOPED_TRACE(label);
        QRStyle style;
        style.logoOverlay = LogoOverlay{};
        style.logoOverlay->imageData = bytes;
        EXPECT_EQ(svgDocument(matrix, style), svgDocument(matrix, withoutLogo));
        EXPECT_EQ(pngData(matrix, style, 120), pngData(matrix, withoutLogo, 120));
    }
}

}  // namespace
}  // namespace vostrel
