#pragma once

#include <QImage>
#include <QString>
#include <optional>

namespace vostrel::testing {

// Decodes the one QR code in an image with ZXing-cpp and returns its text (UTF-8 decoded), or
// nothing when no symbol is found.
std::optional<QString> decodeQr(const QImage& image);

// The same, reading the raw bytes of the symbol.
std::optional<QByteArray> decodeQrBytes(const QImage& image);

// ZXing reads symbols in the standard orientation only; a symbol drawn with the finders at the
// upper-left, lower-left and lower-right corners is its mirror image, so it is decoded after
// flipping the picture top to bottom.
QImage mirroredTopToBottom(const QImage& image);

}  // namespace vostrel::testing
