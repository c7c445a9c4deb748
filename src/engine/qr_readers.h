#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <array>
#include <optional>

namespace vostrel {

// The two independent QR decoders the scan check asks: ZXing-cpp and zbar.
enum class QRReader { zxing, zbar };

inline constexpr std::array allReaders{QRReader::zxing, QRReader::zbar};

// "ZXing-cpp" or "zbar".
QString readerName(QRReader reader);

// How a picture is to be read.
struct ReadOptions {
    bool mirrored = false;       // read its mirror image top to bottom (no copy is made)
    double pixelsPerModule = 1;  // lets the readers skip work on a picture of large modules
};

// The raw bytes of the one QR code the reader finds in an 8-bit grey picture (dark modules dark),
// or nothing when it finds none. Each call makes its own decoder state, so calls on different
// threads are independent.
std::optional<QByteArray> readQRBytes(QRReader reader, const QImage& grey,
                                      const ReadOptions& options = {});

}  // namespace vostrel
