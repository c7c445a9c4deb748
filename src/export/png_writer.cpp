#include "export/png_writer.h"

#include <zlib.h>
#include <QtEndian>
#include <array>
#include <bit>
#include <cstring>
#include <vector>

#include "export/deflate_writer.h"

namespace vostrel {

namespace {

constexpr char pngSignature[] = "\x89PNG\r\n\x1a\n";
constexpr uchar noFilter = 0;
constexpr uchar upFilter = 2;
constexpr int pixelBytes = 4;
// Earlier pixels of a row, by a hash of their value, to start a match at the same colour.
constexpr std::size_t pixelSlots = 64;

void appendBigEndian(QByteArray& bytes, quint32 value) {
    const quint32 bigEndian = qToBigEndian(value);
    bytes.append(reinterpret_cast<const char*>(&bigEndian), 4);
}

void appendChunk(QByteArray& file, const char* type, const QByteArray& data) {
    appendBigEndian(file, quint32(data.size()));
    const qsizetype typeStart = file.size();
    file.append(type, 4);
    file.append(data);
    const auto* checked = reinterpret_cast<const Bytef*>(file.constData() + typeStart);
    appendBigEndian(file, quint32(crc32(0, checked, uInt(file.size() - typeStart))));
}

QByteArray headerData(const QImage& image) {
    QByteArray header;
    appendBigEndian(header, quint32(image.width()));
    appendBigEndian(header, quint32(image.height()));
    // Bit depth 8, colour type 6 (RGBA), deflate, adaptive filtering, no interlace.
    header.append("\x08\x06\x00\x00\x00", 5);
    return header;
}

// How many of the first `limit` bytes at `a` and `b` are equal; the ranges may overlap.
int commonLength(const uchar* a, const uchar* b, int limit) {
    int length = 0;
    for (; length + 8 <= limit; length += 8) {
        std::uint64_t x = 0;
        std::uint64_t y = 0;
        std::memcpy(&x, a + length, 8);
        std::memcpy(&y, b + length, 8);
        if (x != y) return length + std::countr_zero(x ^ y) / 8;  // little-endian byte order
    }
    while (length < limit && a[length] == b[length]) ++length;
    return length;
}

// The zlib stream of a picture's rows as PNG stores them, each behind its filter byte, with
// repeats found the way QR pictures have them rather than by zlib's general search. A row that
// repeats the row above is written with the Up filter, which makes it all zeros: a run of
// matches at distance 1. Any other row is written unfiltered, as matches of the pixel before
// (runs of one colour), of the row above (rows that differ only at a few edges) or of an earlier
// pixel of the same colour, and literals for the rest. About as small as zlib at its fastest
// level on these pictures, at a fraction of its time, and its checksum of a repeated row is a
// formula rather than a pass over the bytes.
class PngRowCompressor {
  public:
    PngRowCompressor(QByteArray& stream, int width)
        : writer_(stream), rowBytes_(pixelBytes * width), previous_(std::size_t(rowBytes_)) {}

    void addRepeatedRow() {
        writer_.literal(upFilter);
        writer_.repeatByte(0, rowBytes_);
        addZerosToChecksum(upFilter);
        abovePixelsKept_ = false;
    }

    void addRow(const uchar* row) {
        writer_.literal(noFilter);
        checksum_ = adler32(checksum_, &noFilter, 1);
        checksum_ = adler32(checksum_, row, uInt(rowBytes_));
        writePixels(row);
        std::memcpy(previous_.data(), row, std::size_t(rowBytes_));
        abovePixelsKept_ = rowBytes_ + 1 <= DeflateWriter::maximumDistance;
    }

    // Ends the deflate data and appends the checksum of everything added.
    void finish(QByteArray& stream) {
        writer_.finish();
        appendBigEndian(stream, quint32(checksum_));
    }

  private:
    static constexpr uLong adlerModulus = 65521;

    struct Match {
        int length = 0;
        int distance = 0;
    };

    void writePixels(const uchar* row) {
        pixelAt_.fill(-1);
        for (int i = 0; i < rowBytes_;) {
            const Match best = longestMatch(row, i);
            if (best.length >= DeflateWriter::minimumMatch) {
                writer_.match(best.length, best.distance);
                i += best.length;
            } else {
                writer_.literal(row[i]);
                ++i;
            }
        }
    }

    Match longestMatch(const uchar* row, int i) {
        const int limit = std::min(DeflateWriter::maximumMatch, rowBytes_ - i);
        Match best;
        const auto consider = [&](const uchar* earlier, int distance) {
            const int length = commonLength(row + i, earlier, limit);
            if (length > best.length) best = {length, distance};
        };
        if (i >= pixelBytes) consider(row + i - pixelBytes, pixelBytes);
        if (abovePixelsKept_) consider(previous_.data() + i, rowBytes_ + 1);
        if (best.length < 2 * pixelBytes && i % pixelBytes == 0 && limit >= pixelBytes) {
            std::uint32_t pixel = 0;
            std::memcpy(&pixel, row + i, pixelBytes);
            int& slot = pixelAt_[(pixel * 2654435761u) >> 26];
            if (slot >= 0 && i - slot <= DeflateWriter::maximumDistance)
                consider(row + slot, i - slot);
            slot = i;
        }
        return best;
    }

    void addZerosToChecksum(uchar first) {
        const uLong zeros = uLong(rowBytes_);
        uLong sum = (checksum_ & 0xffff) + first;
        uLong weighted = (checksum_ >> 16) + sum;
        sum %= adlerModulus;
        weighted = (weighted + (zeros % adlerModulus) * sum) % adlerModulus;
        checksum_ = (weighted << 16) | sum;
    }

    DeflateWriter writer_;
    int rowBytes_;
    std::vector<uchar> previous_;   // the last unfiltered row
    bool abovePixelsKept_ = false;  // whether it is the row just before in the stream
    std::array<int, pixelSlots> pixelAt_{};
    uLong checksum_ = 1;
};

// Rows are compared as they are; only rows that differ from the one above are converted to
// straight (not premultiplied) RGBA, by Qt, so the bytes are those of its own conversion.
QByteArray compressedRows(const QImage& image) {
    QByteArray stream("\x78\x01", 2);  // deflate with a 32 KiB window, fastest level
    PngRowCompressor rows(stream, image.width());
    const std::size_t sourceBytes = std::size_t(image.width()) * 4;
    for (int y = 0; y < image.height(); ++y) {
        const uchar* source = image.constScanLine(y);
        if (y > 0 && std::memcmp(source, image.constScanLine(y - 1), sourceBytes) == 0) {
            rows.addRepeatedRow();
            continue;
        }
        const QImage row = QImage(source, image.width(), 1, image.bytesPerLine(), image.format())
                               .convertToFormat(QImage::Format_RGBA8888);
        rows.addRow(row.constScanLine(0));
    }
    rows.finish(stream);
    return stream;
}

}  // namespace

std::optional<QByteArray> encodePng(const QImage& image) {
    if (image.isNull()) return std::nullopt;
    const QImage pixels = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QByteArray file(pngSignature, 8);
    appendChunk(file, "IHDR", headerData(pixels));
    appendChunk(file, "IDAT", compressedRows(pixels));
    appendChunk(file, "IEND", {});
    return file;
}

}  // namespace vostrel
