#include "render/png_chunks.h"

#include <zlib.h>
#include <QtEndian>

namespace vostrel {

namespace {

constexpr char signature[] = "\x89PNG\r\n\x1a\n";
constexpr qsizetype signatureSize = 8;
constexpr qsizetype chunkOverhead = 12;  // length, type and CRC

bool isChunkType(QByteArrayView type) {
    for (const char letter : type) {
        if (!((letter >= 'A' && letter <= 'Z') || (letter >= 'a' && letter <= 'z'))) return false;
    }
    return true;
}

bool hasMatchingCrc(QByteArrayView typeAndData, const uchar* stored) {
    const uLong crc =
        crc32(0, reinterpret_cast<const Bytef*>(typeAndData.data()), uInt(typeAndData.size()));
    return quint32(crc) == qFromBigEndian<quint32>(stored);
}

}  // namespace

bool hasIntactPngChunks(const QByteArray& bytes) {
    if (!bytes.startsWith(QByteArrayView(signature, signatureSize))) return true;
    const auto* data = reinterpret_cast<const uchar*>(bytes.constData());
    qsizetype at = signatureSize;
    bool first = true;
    while (bytes.size() - at >= chunkOverhead) {
        const quint32 length = qFromBigEndian<quint32>(data + at);
        if (length > quint64(bytes.size() - at - chunkOverhead)) return false;
        const QByteArrayView typeAndData(bytes.constData() + at + 4, qsizetype(length) + 4);
        const QByteArrayView type = typeAndData.first(4);
        if (!isChunkType(type) || (first && type != "IHDR")) return false;
        if (!hasMatchingCrc(typeAndData, data + at + 8 + length)) return false;
        if (type == "IEND") return true;
        at += chunkOverhead + qsizetype(length);
        first = false;
    }
    return false;
}

}  // namespace vostrel
