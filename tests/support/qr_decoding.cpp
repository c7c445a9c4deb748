#include "support/qr_decoding.h"

#define ZX_USE_UTF8 1
#include <ZXing/ReadBarcode.h>

namespace vostrel::testing {

std::optional<QByteArray> decodeQrBytes(const QImage& image) {
    const QImage grey = image.convertToFormat(QImage::Format_Grayscale8);
    const ZXing::ImageView view(grey.constBits(), grey.width(), grey.height(),
                                ZXing::ImageFormat::Lum, int(grey.bytesPerLine()));
    ZXing::DecodeHints hints;
    hints.setFormats(ZXing::BarcodeFormat::QRCode);
    hints.setTryHarder(true);
    const ZXing::Result result = ZXing::ReadBarcode(view, hints);
    if (!result.isValid()) return std::nullopt;
    const auto& bytes = result.bytes();
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()));
}

std::optional<QString> decodeQr(const QImage& image) {
    const auto bytes = decodeQrBytes(image);
    if (!bytes) return std::nullopt;
    return QString::fromUtf8(*bytes);
}

QImage mirroredTopToBottom(const QImage& image) {
    return image.mirrored(false, true);
}

}  // namespace vostrel::testing
