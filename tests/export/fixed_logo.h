#pragma once

#include <QByteArray>

namespace vostrel::testing {

// A complete 1 × 1 PNG (one blue-green pixel) written out byte by byte: a logo that decodes, as
// the SVG writer embeds only logos that do, while golden files stay independent of the encoder.
inline QByteArray fixedLogoPng() {
    static const char bytes[] =
        "\x89\x50\x4e\x47\x0d\x0a\x1a\x0a\x00\x00\x00\x0d\x49\x48\x44\x52\x00\x00\x00\x01\x00\x00"
        "\x00\x01\x08\x06\x00\x00\x00\x1f\x15\xc4\x89\x00\x00\x00\x0d\x49\x44\x41\x54\x78\xda\x63"
        "\x90\xcf\xbf\xf1\x1f\x00\x04\x7d\x02\x66\x01\x9b\x07\x44\x00\x00\x00\x00\x49\x45\x4e\x44"
        "\xae\x42\x60\x82";
    return QByteArray(bytes, sizeof bytes - 1);
}

}  // namespace vostrel::testing
