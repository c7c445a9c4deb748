#include "export/png_writer.h"

#include <zlib.h>
#include <QtEndian>
#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <limits>
#include <vector>

#include "export/adler_zeros.h"
#include "export/deflate_writer.h"
#include "export/zlib_png_rows.h"

namespace vostrel {

namespace {

constexpr char pngSignature[] = "\x89PNG\r\n\x1a\n";
constexpr uchar noFilter = 0;
constexpr uchar upFilter = 2;
constexpr int pixelBytes = 4;

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
// repeats found the way pictures of square modules have them rather than by zlib's search. A row
// that repeats the row above is written with the Up filter, which makes it all zeros: a run of
// matches at distance 1. Any other row is written unfiltered, as matches of the pixel before
// (runs of one colour), of the row above (rows that differ only at a few edges) or of an earlier
// pixel of the same colour, and literals for the rest. About as small as zlib at its fastest
// level on these pictures, at a fraction of its time, and its checksum of a repeated row is a
// formula rather than a pass over the bytes. Its fixed Huffman codes cost the most on literals,
// so pictures whose rows rarely repeat go to zlib instead.
class PngRowCompressor {
  public:
    PngRowCompressor(QByteArray& stream, int width)
        : writer_(stream), rowBytes_(pixelBytes * width), window_(2 * std::size_t(rowBytes_)) {
        seenAt_.fill(never);
    }

    void addRepeatedRow() {
        writer_.literal(upFilter);
        writer_.repeatByte(0, rowBytes_);
        checksum_ = adler32ByteThenZeros(checksum_, upFilter, std::size_t(rowBytes_));
        rowStart_ += rowBytes_ + 1;
        abovePixelsKept_ = false;
    }

    void addRow(const uchar* row) {
        writer_.literal(noFilter);
        checksum_ = adler32(checksum_, &noFilter, 1);
        checksum_ = adler32(checksum_, row, uInt(rowBytes_));
        rowStart_ += 1;
        // The window holds the row above (when it is the stream's previous row), then this one.
        uchar* current = window_.data() + rowBytes_;
        std::memcpy(current, row, std::size_t(rowBytes_));
        writePixels(current);
        std::memcpy(window_.data(), current, std::size_t(rowBytes_));
        rowStart_ += rowBytes_;
        abovePixelsKept_ = rowBytes_ + 1 <= DeflateWriter::maximumDistance;
    }

    // Ends the deflate data and appends the checksum of everything added.
    void finish(QByteArray& stream) {
        writer_.finish();
        appendBigEndian(stream, quint32(checksum_));
    }

  private:
    static constexpr qint64 never = std::numeric_limits<qint64>::min() / 2;
    // Looking up where the bytes were seen stops being worth it once a match is this long.
    static constexpr int goodEnough = 32;
    static constexpr int seenBits = 12;

    struct Match {
        int length = 0;
        int distance = 0;
    };

    void writePixels(const uchar* row) {
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

    // Runs of one colour, the row above, then wherever the same four bytes were last seen in
    // this row or the row above (the edges of a dot or a finder's corner repeat along a row).
    Match longestMatch(const uchar* row, int i) {
        const int limit = std::min(DeflateWriter::maximumMatch, rowBytes_ - i);
        Match best;
        const auto consider = [&](const uchar* earlier, int distance, int earlierLimit) {
            const int length = commonLength(row + i, earlier, std::min(limit, earlierLimit));
            if (length > best.length) best = {length, distance};
        };
        if (i >= pixelBytes) consider(row + i - pixelBytes, pixelBytes, limit);
        if (abovePixelsKept_) consider(row + i - rowBytes_, rowBytes_ + 1, limit);
        if (best.length < goodEnough && limit >= 4) considerSeen(row, i, consider);
        return best;
    }

    template <class Consider>
    void considerSeen(const uchar* row, int i, const Consider& consider) {
        std::uint32_t bytes = 0;
        std::memcpy(&bytes, row + i, 4);
        qint64& slot = seenAt_[(bytes * 2654435761u) >> (32 - seenBits)];
        const qint64 seen = slot;
        slot = rowStart_ + i;
        const qint64 distance = rowStart_ + i - seen;
        if (distance > DeflateWriter::maximumDistance) return;
        if (seen >= rowStart_) {
            consider(row + (seen - rowStart_), int(distance), DeflateWriter::maximumMatch);
        } else if (abovePixelsKept_ && seen >= rowStart_ - rowBytes_ - 1) {
            // A match in the row above ends with it: the stream has a filter byte next.
            const int above = int(seen - (rowStart_ - rowBytes_ - 1));
            consider(row - rowBytes_ + above, int(distance), rowBytes_ - above);
        }
    }

    DeflateWriter writer_;
    int rowBytes_;
    std::vector<uchar> window_;     // the last unfiltered row, then the row being written
    bool abovePixelsKept_ = false;  // whether that last row is the stream's previous row
    qint64 rowStart_ = 0;           // stream offset of the first pixel byte of the current row
    std::array<qint64, std::size_t(1) << seenBits> seenAt_{};  // stream offsets by 4-byte hash
    uLong checksum_ = 1;
};

// Which rows repeat the row above, compared as they are (premultiplied).
std::vector<bool> rowsRepeatingAbove(const QImage& image) {
    std::vector<bool> repeats(std::size_t(image.height()), false);
    const std::size_t rowBytes = std::size_t(image.width()) * 4;
    for (int y = 1; y < image.height(); ++y) {
        repeats[std::size_t(y)] =
            std::memcmp(image.constScanLine(y), image.constScanLine(y - 1), rowBytes) == 0;
    }
    return repeats;
}

// Only rows that differ from the one above are converted to straight (not premultiplied) RGBA,
// by Qt, so the bytes are those of its own conversion.
QByteArray repeatAwareCompressedRows(const QImage& image, const std::vector<bool>& repeats) {
    QByteArray stream("\x78\x01", 2);  // deflate with a 32 KiB window, fastest level
    PngRowCompressor rows(stream, image.width());
    for (int y = 0; y < image.height(); ++y) {
        const uchar* source = image.constScanLine(y);
        if (repeats[std::size_t(y)]) {
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

std::optional<QByteArray> encodePng(const QImage& image, PngCompression compression) {
    if (image.isNull()) return std::nullopt;
    const QImage pixels = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const std::vector<bool> repeats = rowsRepeatingAbove(pixels);
    if (compression == PngCompression::byPicture) {
        const auto repeated = std::count(repeats.begin(), repeats.end(), true);
        compression = 2 * repeated >= pixels.height() ? PngCompression::repeatAware
                                                      : PngCompression::zlibSearch;
    }
    const std::optional<QByteArray> rows = compression == PngCompression::repeatAware
                                               ? repeatAwareCompressedRows(pixels, repeats)
                                               : zlibCompressedRows(pixels);
    if (!rows) return std::nullopt;
    QByteArray file(pngSignature, 8);
    appendChunk(file, "IHDR", headerData(pixels));
    appendChunk(file, "IDAT", *rows);
    appendChunk(file, "IEND", {});
    return file;
}

}  // namespace vostrel
