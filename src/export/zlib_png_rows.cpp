#include "export/zlib_png_rows.h"

#include <zlib.h>
#include <QFuture>
#include <QtConcurrent/QtConcurrentRun>
#include <QtEndian>
#include <algorithm>
#include <cstring>
#include <vector>

#include "export/adler_zeros.h"

namespace vostrel {

namespace {

constexpr uchar noFilter = 0;
constexpr uchar upFilter = 2;
constexpr int compressionLevel = 1;
// One below zlib's default: a hash table and symbol buffer that stay in cache save about a fifth
// of the time on pictures of mostly repeated rows, at a cost of a few hundred bytes.
constexpr int memoryLevel = 7;
// Rows converted to RGBA at a time: Qt's converter is fast on blocks, and a block stays small.
constexpr int rowsPerBlock = 64;
constexpr qsizetype compressedChunk = 64 * 1024;
// Below this height one thread compresses the picture faster than two can start.
constexpr int parallelMinimumRows = 256;

// Raw deflate data of a run of filtered rows, with the Adler-32 checksum and length of what went
// in, so that runs compressed apart can be joined into one zlib stream.
struct DeflatedRows {
    QByteArray data;
    uLong checksum = 1;
    uLong length = 0;
};

// zlib writes the raw deflate data; the zlib header and checksum are added when the runs are
// joined, and the checksum of a repeated row, all zeros behind its filter byte, is a formula
// rather than a pass over the bytes.
class RowDeflater {
  public:
    RowDeflater() {
        valid_ = deflateInit2(&stream_, compressionLevel, Z_DEFLATED, -15, memoryLevel,
                              Z_DEFAULT_STRATEGY) == Z_OK;
    }
    ~RowDeflater() { deflateEnd(&stream_); }
    RowDeflater(const RowDeflater&) = delete;
    RowDeflater& operator=(const RowDeflater&) = delete;

    bool isValid() const { return valid_; }

    bool add(const uchar* row, std::size_t size, bool isRepeat) {
        if (isRepeat) {
            rows_.checksum = adler32ByteThenZeros(rows_.checksum, upFilter, size - 1);
        } else {
            rows_.checksum = adler32(rows_.checksum, row, uInt(size));
        }
        rows_.length += uLong(size);
        return compress(row, size, Z_NO_FLUSH);
    }

    // The last run ends the deflate stream; any other ends on a byte boundary without a final
    // block, so the next run's data can simply follow it.
    std::optional<DeflatedRows> finish(bool isLastRun) {
        if (!compress(nullptr, 0, isLastRun ? Z_FINISH : Z_SYNC_FLUSH)) return std::nullopt;
        return std::move(rows_);
    }

  private:
    bool compress(const uchar* data, std::size_t size, int flush) {
        QByteArray& output = rows_.data;
        stream_.next_in = const_cast<Bytef*>(data);
        stream_.avail_in = uInt(size);
        int status = Z_OK;
        do {
            const qsizetype written = output.size();
            output.resize(written + compressedChunk);
            stream_.next_out = reinterpret_cast<Bytef*>(output.data() + written);
            stream_.avail_out = uInt(compressedChunk);
            status = deflate(&stream_, flush);
            output.resize(output.size() - qsizetype(stream_.avail_out));
            if (status == Z_STREAM_ERROR) return false;
        } while (stream_.avail_out == 0 || (flush == Z_FINISH && status != Z_STREAM_END));
        return true;
    }

    z_stream stream_{};
    bool valid_ = false;
    DeflatedRows rows_;
};

// Rows [begin, end) as PNG stores them, each behind its filter byte: a row that repeats the row
// above is written with the Up filter, which makes it all zeros, any other row unfiltered. On QR
// pictures this beats every single filter and the usual per-row heuristics in size, and costs a
// comparison. The row above `begin` is read for the comparison even when another run holds it.
std::optional<DeflatedRows> deflateRows(const QImage& image, int begin, int end, bool isLastRun) {
    RowDeflater deflater;
    if (!deflater.isValid()) return std::nullopt;
    const std::size_t rowBytes = 4 * std::size_t(image.width());
    std::vector<uchar> previous(rowBytes + 1, noFilter);
    std::vector<uchar> current(rowBytes + 1, noFilter);
    std::vector<uchar> repeated(rowBytes + 1, 0);
    repeated[0] = upFilter;
    const int firstConverted = std::max(0, begin - 1);
    for (int top = firstConverted; top < end; top += rowsPerBlock) {
        const int rows = std::min(rowsPerBlock, end - top);
        // A view of the block's rows, converted to straight (not premultiplied) RGBA bytes.
        const QImage block = QImage(image.constScanLine(top), image.width(), rows,
                                    image.bytesPerLine(), image.format())
                                 .convertToFormat(QImage::Format_RGBA8888);
        for (int y = 0; y < rows; ++y) {
            std::memcpy(current.data() + 1, block.constScanLine(y), rowBytes);
            const int row = top + y;
            if (row >= begin) {
                const bool isRepeat =
                    row > 0 && std::memcmp(current.data() + 1, previous.data() + 1, rowBytes) == 0;
                const std::vector<uchar>& filtered = isRepeat ? repeated : current;
                if (!deflater.add(filtered.data(), filtered.size(), isRepeat)) return std::nullopt;
            }
            previous.swap(current);
        }
    }
    return deflater.finish(isLastRun);
}

}  // namespace

// Large pictures are compressed in two halves at once, on this
// thread and one of the global pool, which nearly halves the encoding time on two cores; the
// second half starts without the first half's window, which costs a few hundred bytes.
std::optional<QByteArray> zlibCompressedRows(const QImage& image) {
    const int height = image.height();
    const int split = height >= parallelMinimumRows ? height / 2 : height;
    QFuture<std::optional<DeflatedRows>> tail;
    if (split < height) {
        tail = QtConcurrent::run([&image, split, height] {
            return deflateRows(image, split, height, /*isLastRun=*/true);
        });
    }
    const std::optional<DeflatedRows> head = deflateRows(image, 0, split, split == height);
    const std::optional<DeflatedRows> rest =
        split < height ? tail.result() : std::optional<DeflatedRows>(DeflatedRows{});
    if (!head || !rest) return std::nullopt;

    QByteArray stream("\x78\x01", 2);  // deflate with a 32 KiB window, fastest level
    stream.reserve(2 + head->data.size() + rest->data.size() + 4);
    stream += head->data;
    stream += rest->data;
    const quint32 checksum = qToBigEndian(
        quint32(adler32_combine(head->checksum, rest->checksum, z_off_t(rest->length))));
    stream.append(reinterpret_cast<const char*>(&checksum), 4);
    return stream;
}

}  // namespace vostrel
