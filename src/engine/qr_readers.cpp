#include "engine/qr_readers.h"

#include <zbar.h>

#include <ZXing/ReadBarcode.h>
#include <algorithm>
#include <memory>

namespace vostrel {

namespace {

std::optional<QByteArray> readWithZXing(const QImage& grey, const ReadOptions& options) {
    const bool mirrored = options.mirrored;
    // The mirror image is the same rows, last first: a view that steps backwards through them.
    const int stride = int(grey.bytesPerLine());
    const ZXing::ImageView view(grey.constScanLine(mirrored ? grey.height() - 1 : 0), grey.width(),
                                grey.height(), ZXing::ImageFormat::Lum,
                                mirrored ? -stride : stride);
    ZXing::DecodeHints hints;
    hints.setFormats(ZXing::BarcodeFormat::QRCode);
    // Pictures are drawn upright; trying the other three turns would only cost time.
    hints.setTryRotate(false);
    // Its harder search looks along every row for finders; where modules are six pixels or more
    // the default every few rows finds them just as well (same verdicts on a few thousand
    // designs) in two thirds of the time.
    hints.setTryHarder(options.pixelsPerModule < 6.0);
    const ZXing::Result result = ZXing::ReadBarcode(view, hints);
    if (!result.isValid()) return std::nullopt;
    const auto& bytes = result.bytes();
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()));
}

// zbar wants the rows packed one after the other, which QImage's are only when the width is a
// multiple of four; otherwise, or mirrored, they are copied.
QByteArray packedRows(const QImage& grey, bool mirrored) {
    const qsizetype size = qsizetype(grey.width()) * grey.height();
    if (!mirrored && grey.bytesPerLine() == grey.width())
        return QByteArray::fromRawData(reinterpret_cast<const char*>(grey.constBits()), size);
    QByteArray rows(size, Qt::Uninitialized);
    for (int y = 0; y < grey.height(); ++y) {
        const int source = mirrored ? grey.height() - 1 - y : y;
        std::copy_n(grey.constScanLine(source), grey.width(),
                    rows.data() + qsizetype(y) * grey.width());
    }
    return rows;
}

// zbar reads along every row and column by default. Every other one halves its work and, where
// modules are six pixels or more, reads what it reads along all of them; sparser lines lose
// symbols whatever their module size.
int scanLineStep(double pixelsPerModule) {
    return pixelsPerModule >= 6.0 ? 2 : 1;
}

std::optional<QByteArray> readWithZbar(const QImage& grey, const ReadOptions& options) {
    const std::unique_ptr<zbar::zbar_image_scanner_t, void (*)(zbar::zbar_image_scanner_t*)>
        scanner(zbar::zbar_image_scanner_create(), zbar::zbar_image_scanner_destroy);
    zbar::zbar_image_scanner_set_config(scanner.get(), zbar::ZBAR_NONE, zbar::ZBAR_CFG_ENABLE, 0);
    zbar::zbar_image_scanner_set_config(scanner.get(), zbar::ZBAR_QRCODE, zbar::ZBAR_CFG_ENABLE, 1);
    // The bytes as encoded, not zbar's guess at their character set.
    zbar::zbar_image_scanner_set_config(scanner.get(), zbar::ZBAR_QRCODE, zbar::ZBAR_CFG_BINARY, 1);
    const int step = scanLineStep(options.pixelsPerModule);
    zbar::zbar_image_scanner_set_config(scanner.get(), zbar::ZBAR_NONE, zbar::ZBAR_CFG_X_DENSITY,
                                        step);
    zbar::zbar_image_scanner_set_config(scanner.get(), zbar::ZBAR_NONE, zbar::ZBAR_CFG_Y_DENSITY,
                                        step);
    const QByteArray rows = packedRows(grey, options.mirrored);
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

std::optional<QByteArray> readQRBytes(QRReader reader, const QImage& grey,
                                      const ReadOptions& options) {
    if (grey.isNull() || grey.format() != QImage::Format_Grayscale8) return std::nullopt;
    return reader == QRReader::zxing ? readWithZXing(grey, options) : readWithZbar(grey, options);
}

}  // namespace vostrel
