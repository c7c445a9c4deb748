#include "engine/qr_readers.h"

#include <zbar.h>

#include <ZXing/ReadBarcode.h>
#include <memory>

namespace vostrel {

namespace {

std::optional<QByteArray> readWithZXing(const QImage& grey) {
    const ZXing::ImageView view(grey.constBits(), grey.width(), grey.height(),
                                ZXing::ImageFormat::Lum, int(grey.bytesPerLine()));
    ZXing::DecodeHints hints;
    hints.setFormats(ZXing::BarcodeFormat::QRCode);
    const ZXing::Result result = ZXing::ReadBarcode(view, hints);
    if (!result.isValid()) return std::nullopt;
    const auto& bytes = result.bytes();
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()));
}

// zbar wants the rows packed one after the other; QImage pads them to four bytes.
QByteArray packedRows(const QImage& grey) {
    QByteArray rows(qsizetype(grey.width()) * grey.height(), Qt::Uninitialized);
    for (int y = 0; y < grey.height(); ++y)
        std::copy_n(grey.constScanLine(y), grey.width(), rows.data() + qsizetype(y) * grey.width());
    return rows;
}

std::optional<QByteArray> readWithZbar(const QImage& grey) {
    const std::unique_ptr<zbar::zbar_image_scanner_t, void (*)(zbar::zbar_image_scanner_t*)>
        scanner(zbar::zbar_image_scanner_create(), zbar::zbar_image_scanner_destroy);
    zbar::zbar_image_scanner_set_config(scanner.get(), zbar::ZBAR_NONE, zbar::ZBAR_CFG_ENABLE, 0);
    zbar::zbar_image_scanner_set_config(scanner.get(), zbar::ZBAR_QRCODE, zbar::ZBAR_CFG_ENABLE, 1);
    // The bytes as encoded, not zbar's guess at their character set.
    zbar::zbar_image_scanner_set_config(scanner.get(), zbar::ZBAR_QRCODE, zbar::ZBAR_CFG_BINARY, 1);
    const QByteArray rows = packedRows(grey);
    const std::unique_ptr<zbar::zbar_image_t, void (*)(zbar::zbar_image_t*)> image(
        zbar::zbar_image_create(), zbar::zbar_image_destroy);
    zbar::zbar_image_set_format(image.get(), zbar_fourcc('Y', '8', '0', '0'));
    zbar::zbar_image_set_size(image.get(), unsigned(grey.width()), unsigned(grey.height()));
    zbar::zbar_image_set_data(image.get(), rows.constData(), unsigned(rows.size()), nullptr);
    if (zbar::zbar_scan_image(scanner.get(), image.get()) <= 0) return std::nullopt;
    const zbar::zbar_symbol_t* symbol = zbar::zbar_image_first_symbol(image.get());
    if (!symbol) return std::nullopt;
    return QByteArray(zbar::zbar_symbol_get_data(symbol),
                      qsizetype(zbar::zbar_symbol_get_data_length(symbol)));
}

}  // namespace

QString readerName(QRReader reader) {
    return reader == QRReader::zxing ? QStringLiteral("ZXing-cpp") : QStringLiteral("zbar");
}

std::optional<QByteArray> readQRBytes(QRReader reader, const QImage& grey) {
    if (grey.isNull() || grey.format() != QImage::Format_Grayscale8) return std::nullopt;
    return reader == QRReader::zxing ? readWithZXing(grey) : readWithZbar(grey);
}

}  // namespace vostrel
