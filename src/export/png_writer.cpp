#include "export/png_writer.h"

#include <zlib.h>
#include <QtEndian>
#include <cstring>
#include <vector>

namespace vostrel {

namespace {

constexpr char pngSignature[] = "\x89PNG\r\n\x1a\n";
constexpr int compressionLevel = 1;
// One below zlib's default: a hash table and symbol buffer that stay in cache save about a fifth
// of the time on pictures of mostly repeated rows, at a cost of a few hundred bytes.
constexpr int memoryLevel = 7;
constexpr uchar noFilter = 0;
constexpr uchar upFilter = 2;
// Rows converted to RGBA at a time: Qt's converter is fast on blocks, and a block stays small.
constexpr int rowsPerBlock = 64;
constexpr qsizetype compressedChunk = 64 * 1024;

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

// The zlib stream of the filtered rows. zlib writes the raw deflate data; the header and the
// Adler-32 checksum are added here, because the checksum of a repeated row, all zeros behind
// its filter byte, is a formula rather than a pass over the bytes.
class ZlibRowStream {
  public:
    ZlibRowStream() {
        valid_ = deflateInit2(&stream_, compressionLevel, Z_DEFLATED, -15, 8, Z_DEFAULT_STRATEGY) ==
                 Z_OK;
        output_.append("\x78\x01", 2);  // deflate with a 32 KiB window, fastest level
    }
    ~ZlibRowStream() { deflateEnd(&stream_); }
    ZlibRowStream(const ZlibRowStream&) = delete;
    ZlibRowStream& operator=(const ZlibRowStream&) = delete;

    bool isValid() const { return valid_; }

    bool add(const uchar* row, std::size_t size, bool isRepeat) {
        if (isRepeat) {
            addZeros(size - 1, upFilter);
        } else {
            checksum_ = adler32(checksum_, row, uInt(size));
        }
        return compress(row, size, Z_NO_FLUSH);
    }

    std::optional<QByteArray> finish() {
        if (!compress(nullptr, 0, Z_FINISH)) return std::nullopt;
        appendBigEndian(output_, quint32(checksum_));
        return output_;
    }

  private:
    static constexpr uLong adlerModulus = 65521;

    void addZeros(std::size_t zeros, uchar first) {
        uLong sum = (checksum_ & 0xffff) + first;
        uLong weighted = (checksum_ >> 16) + sum;
        sum %= adlerModulus;
        weighted = (weighted + (zeros % adlerModulus) * sum) % adlerModulus;
        checksum_ = (weighted << 16) | sum;
    }

    bool compress(const uchar* data, std::size_t size, int flush) {
        stream_.next_in = const_cast<Bytef*>(data);
        stream_.avail_in = uInt(size);
        int status = Z_OK;
        do {
            const qsizetype written = output_.size();
            output_.resize(written + compressedChunk);
            stream_.next_out = reinterpret_cast<Bytef*>(output_.data() + written);
            stream_.avail_out = uInt(compressedChunk);
            status = deflate(&stream_, flush);
            output_.resize(output_.size() - qsizetype(stream_.avail_out));
            if (status == Z_STREAM_ERROR) return false;
        } while (stream_.avail_out == 0 || (flush == Z_FINISH && status != Z_STREAM_END));
        return true;
    }

    z_stream stream_{};
    bool valid_ = false;
    uLong checksum_ = 1;
    QByteArray output_;
};

// Rows as PNG stores them, each behind its filter byte: a row that repeats the row above is
// written with the Up filter, which makes it all zeros, any other row unfiltered. On QR pictures
// this beats every single filter and the usual per-row heuristics in size, and costs a comparison.
std::optional<QByteArray> compressedRows(const QImage& image) {
    ZlibRowStream stream;
    if (!stream.isValid()) return std::nullopt;
    const std::size_t rowBytes = 4 * std::size_t(image.width());
    std::vector<uchar> previous(rowBytes + 1, noFilter);
    std::vector<uchar> current(rowBytes + 1, noFilter);
    std::vector<uchar> repeated(rowBytes + 1, 0);
    repeated[0] = upFilter;
    for (int top = 0; top < image.height(); top += rowsPerBlock) {
        const int rows = std::min(rowsPerBlock, image.height() - top);
        // A view of the block's rows, converted to straight (not premultiplied) RGBA bytes.
        const QImage block = QImage(image.constScanLine(top), image.width(), rows,
                                    image.bytesPerLine(), image.format())
                                 .convertToFormat(QImage::Format_RGBA8888);
        for (int y = 0; y < rows; ++y) {
            std::memcpy(current.data() + 1, block.constScanLine(y), rowBytes);
            const bool isRepeat =
                top + y > 0 && std::memcmp(current.data() + 1, previous.data() + 1, rowBytes) == 0;
            const std::vector<uchar>& row = isRepeat ? repeated : current;
            if (!stream.add(row.data(), row.size(), isRepeat)) return std::nullopt;
            previous.swap(current);
        }
    }
    return stream.finish();
}

}  // namespace

std::optional<QByteArray> encodePng(const QImage& image) {
    if (image.isNull()) return std::nullopt;
    const QImage pixels = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const std::optional<QByteArray> compressed = compressedRows(pixels);
    if (!compressed) return std::nullopt;
    QByteArray file(pngSignature, 8);
    appendChunk(file, "IHDR", headerData(pixels));
    appendChunk(file, "IDAT", *compressed);
    appendChunk(file, "IEND", {});
    return file;
}

}  // namespace vostrel
