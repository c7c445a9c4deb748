#include "engine/scan_check.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <tuple>
#include <vector>

#include "render/qr_module_renderer.h"
#include "render/style_correction.h"

namespace vostrel {

namespace {

// About what a phone camera resolves of a code printed a couple of centimetres wide.
constexpr double smallPrintPixelsPerModule = 3.0;

// Where each channel of a Format_ARGB32_Premultiplied pixel lies among its four bytes.
constexpr bool littleEndian = Q_BYTE_ORDER == Q_LITTLE_ENDIAN;
constexpr int blueByte = littleEndian ? 0 : 3;
constexpr int greenByte = littleEndian ? 1 : 2;
constexpr int redByte = littleEndian ? 2 : 1;
constexpr int alphaByte = littleEndian ? 3 : 0;

// The mean grey of `count` pixels on white paper or a light page, from the sums of their
// premultiplied channels: each pixel is its colour plus the white that shows through, as grey
// with qGray's weights. Both steps are linear, so the mean of the pixels' greys is the grey of
// their sums.
uchar meanGreyOnWhite(const std::array<quint32, 4>& sums, quint32 count) {
    const quint32 white = 255 * count - sums[alphaByte];
    const quint32 grey =
        (sums[redByte] * 11 + sums[greenByte] * 16 + sums[blueByte] * 5) / 32 + white;
    return uchar((grey + count / 2) / count);
}

// Whether rows [top, bottom) repeat the rows `distance` above them, byte for byte.
bool rowsRepeat(const QImage& picture, int top, int bottom, int distance) {
    if (top < distance) return false;
    const auto rowBytes = size_t(picture.width()) * 4;
    for (int y = top; y < bottom; ++y) {
        if (std::memcmp(picture.constScanLine(y), picture.constScanLine(y - distance), rowBytes))
            return false;
    }
    return true;
}

// The picture on white, as grey, each pixel the mean of a `reduction` × `reduction` block (the
// last row and column of blocks may be partial). The rows of a block are added byte by byte
// first, a loop that vectorises; greys are made only per block. A band of rows that repeats the
// band above it (most of them, where modules span many pixels) repeats its grey row.
QImage greyOnWhite(const QImage& input, int reduction) {
    const QImage picture = input.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const int width = picture.width();
    const int height = picture.height();
    QImage grey((width + reduction - 1) / reduction, (height + reduction - 1) / reduction,
                QImage::Format_Grayscale8);
    // 16 bits hold the sum of 257 rows of bytes, which no block exceeds (see readingReduction).
    std::vector<quint16> byteSums(size_t(width) * 4);
    for (int top = 0, row = 0; top < height; top += reduction, ++row) {
        const int bottom = std::min(top + reduction, height);
        uchar* target = grey.scanLine(row);
        if (rowsRepeat(picture, top, bottom, reduction)) {
            std::memcpy(target, grey.constScanLine(row - 1), size_t(grey.width()));
            continue;
        }
        std::fill(byteSums.begin(), byteSums.end(), 0);
        for (int y = top; y < bottom; ++y) {
            const uchar* bytes = picture.constScanLine(y);
            for (size_t i = 0; i < byteSums.size(); ++i)
                byteSums[i] = quint16(byteSums[i] + bytes[i]);
        }
        for (int left = 0, column = 0; left < width; left += reduction, ++column) {
            const int right = std::min(left + reduction, width);
            std::array<quint32, 4> sums{};
            for (int x = left; x < right; ++x)
                for (size_t channel = 0; channel < 4; ++channel)
                    sums[channel] += byteSums[size_t(x) * 4 + channel];
            target[column] = meanGreyOnWhite(sums, quint32((right - left) * (bottom - top)));
        }
    }
    return grey;
}

// A [1 2 1] / 4 blur across rows and then down columns: the softness of a small, slightly
// unfocused print.
QImage lightlyBlurred(const QImage& grey) {
    const int w = grey.width();
    const int h = grey.height();
    QImage across(grey.size(), QImage::Format_Grayscale8);
    for (int y = 0; y < h; ++y) {
        const uchar* row = grey.constScanLine(y);
        uchar* out = across.scanLine(y);
        for (int x = 0; x < w; ++x)
            out[x] =
                uchar((row[std::max(x - 1, 0)] + 2 * row[x] + row[std::min(x + 1, w - 1)] + 2) / 4);
    }
    QImage blurred(grey.size(), QImage::Format_Grayscale8);
    for (int y = 0; y < h; ++y) {
        const uchar* above = across.constScanLine(std::max(y - 1, 0));
        const uchar* row = across.constScanLine(y);
        const uchar* below = across.constScanLine(std::min(y + 1, h - 1));
        uchar* out = blurred.scanLine(y);
        for (int x = 0; x < w; ++x) out[x] = uchar((above[x] + 2 * row[x] + below[x] + 2) / 4);
    }
    return blurred;
}

// Modules from edge to edge of a picture drawn in `drawn` (a drawable style): the symbol (the
// matrix less its one-module border) and the quiet zone on both sides.
double modulesAcross(const ModuleMatrix& matrix, const QRStyle& drawn) {
    const double symbol = double(matrix.size()) - 2.0;
    return std::max(1.0, symbol + 2.0 * double(drawn.quietZoneModules));
}

// Readers gain nothing from modules more than a dozen pixels wide and pay for every pixel, so a
// picture that fine is read averaged down by a whole factor, to six to twelve pixels per module:
// what a camera held a little further away sees. On a few thousand designs the verdicts are the
// same as from the full picture, at a tenth of the time.
int readingReduction(double pixelsPerModule) {
    return std::clamp(int(pixelsPerModule / 6.0), 1, 257);
}

// The symbol drawn at about three pixels per module and blurred; an exported picture already
// that coarse is only blurred. Drawing it small averages each pixel's coverage, as scaling the
// large picture down by area would, at a fraction of the cost.
QImage smallPrint(const ModuleMatrix& matrix, const QRStyle& drawn, const QImage& exported) {
    const int edge = int(std::lround(modulesAcross(matrix, drawn) * smallPrintPixelsPerModule));
    if (edge >= exported.width()) return lightlyBlurred(greyOnWhite(exported, 1));
    return lightlyBlurred(greyOnWhite(symbolPicture(matrix, drawn, edge), 1));
}

// One reader on one picture, as the check hands it out.
struct ReadingTask {
    QRReader reader;
    ScanPicture picture;
    int edge;            // the side of the picture the reading stands for
    const QImage* grey;  // what the reader is given: the picture, or the picture reduced
    ReadOptions options;
};

ScanReading readingOf(const ReadingTask& task, const QByteArray& payload) {
    using Outcome = ScanReading::Outcome;
    const std::optional<QByteArray> bytes = readQRBytes(task.reader, *task.grey, task.options);
    const Outcome outcome = !bytes              ? Outcome::nothingFound
                            : *bytes == payload ? Outcome::read
                                                : Outcome::otherText;
    return {task.reader, task.picture, task.edge, outcome};
}

// Each reader on each picture. ZXing-cpp 1.4 finds no symbol that is mirrored top to bottom,
// which is how a style with flipVertical draws it (finders upper-left, lower-left, lower-right),
// so it reads the picture mirrored back. zbar reads either way round.
QList<ReadingTask> readingTasks(int exportedEdge, const QImage& exported, const QImage& small,
                                double modules, bool flipVertical) {
    QList<ReadingTask> tasks;
    for (const auto& [kind, edge, grey] :
         {std::tuple{ScanPicture::exported, exportedEdge, &exported},
          std::tuple{ScanPicture::smallPrint, small.width(), &small}}) {
        for (const QRReader reader : allReaders) {
            const bool mirrored = reader == QRReader::zxing && flipVertical;
            tasks.append({reader, kind, edge, grey, {mirrored, double(grey->width()) / modules}});
        }
    }
    return tasks;
}

ScanVerdict verdictOf(const QList<ScanReading>& readings) {
    const auto read = std::count_if(readings.begin(), readings.end(), [](const ScanReading& r) {
        return r.outcome == ScanReading::Outcome::read;
    });
    if (read == readings.size()) return ScanVerdict::reads;
    return read == 0 ? ScanVerdict::doesNotRead : ScanVerdict::mayNotRead;
}

QString pictureName(ScanPicture picture) {
    return picture == ScanPicture::exported ? QStringLiteral("exported picture")
                                            : QStringLiteral("small print");
}

}  // namespace

QString ScanCheckResult::badgeLabel() const {
    switch (verdict) {
        case ScanVerdict::reads:
            return QStringLiteral("Reads on %1 of %1 scanners").arg(allReaders.size());
        case ScanVerdict::mayNotRead:
            return QStringLiteral("May not scan");
        case ScanVerdict::doesNotRead:
            return QStringLiteral("Won't scan");
    }
    return {};
}

QStringList ScanCheckResult::reasons() const {
    QStringList sentences;
    for (const ScanReading& reading : readings) {
        const QString where =
            QStringLiteral("the %1 (%2 px)").arg(pictureName(reading.picture)).arg(reading.edge);
        if (reading.outcome == ScanReading::Outcome::nothingFound)
            sentences.append(
                QStringLiteral("%1 found no code in %2.").arg(readerName(reading.reader), where));
        else if (reading.outcome == ScanReading::Outcome::otherText)
            sentences.append(QStringLiteral("%1 read other text than the content from %2.")
                                 .arg(readerName(reading.reader), where));
    }
    return sentences;
}

QString ScanCheckResult::message() const {
    const QStringList why = reasons();
    if (why.isEmpty()) return badgeLabel() + u'.';
    return badgeLabel() + QStringLiteral(": ") + why.join(u' ');
}

QString describeReading(const ScanReading& reading) {
    static const char* const outcomes[] = {"reads", "reads other text", "no code found"};
    return QStringLiteral("%1, %2 (%3 px): %4")
        .arg(readerName(reading.reader), pictureName(reading.picture))
        .arg(reading.edge)
        .arg(QLatin1String(outcomes[int(reading.outcome)]));
}

std::optional<ScanCheckResult> checkScan(const ModuleMatrix& matrix, const QRStyle& style,
                                         qint64 pngSize, const QByteArray& payload,
                                         const CancelCheck& cancelled) {
    if (matrix.empty() || pngSize < 1 || pngSize > maximumPngSize) return std::nullopt;
    const QImage picture = symbolPicture(matrix, style, int(pngSize));
    if (picture.isNull() || (cancelled && cancelled())) return std::nullopt;
    return checkScanOfPicture(picture, matrix, style, payload, cancelled);
}

std::optional<ScanCheckResult> checkScanOfPicture(const QImage& picture, const ModuleMatrix& matrix,
                                                  const QRStyle& style, const QByteArray& payload,
                                                  const CancelCheck& cancelled) {
    const auto stop = [&] { return cancelled && cancelled(); };
    if (matrix.empty() || picture.isNull()) return std::nullopt;
    // Counted as the picture was drawn, whatever out-of-range quiet zone the style stores.
    const QRStyle drawn = drawableStyle(style);
    const double modules = modulesAcross(matrix, drawn);
    const QImage exported =
        greyOnWhite(picture, readingReduction(double(picture.width()) / modules));
    const QImage small = smallPrint(matrix, drawn, picture);
    if (stop()) return std::nullopt;
    const QList<ReadingTask> tasks =
        readingTasks(picture.width(), exported, small, modules, drawn.flipVertical);
    // One after the other on the calling thread: together they take a few milliseconds, less
    // than handing them to other threads would save, and a batch keeps every core busy anyway.
    ScanCheckResult result;
    for (const ReadingTask& task : tasks) {
        if (stop()) return std::nullopt;
        result.readings.append(readingOf(task, payload));
    }
    result.verdict = verdictOf(result.readings);
    return result;
}

}  // namespace vostrel
