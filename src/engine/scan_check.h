#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QStringList>
#include <functional>
#include <optional>

#include "engine/module_matrix.h"
#include "engine/qr_readers.h"
#include "render/qr_style.h"

namespace vostrel {

// The two pictures every reader is given: the symbol exactly as PNG export draws it, and a small
// print, the same symbol drawn at about three pixels per module and lightly blurred, as a phone
// camera sees a code printed small.
enum class ScanPicture { exported, smallPrint };

// What one reader made of one picture.
struct ScanReading {
    enum class Outcome { read, otherText, nothingFound };

    QRReader reader;
    ScanPicture picture;
    int edge;  // the picture's side in pixels
    Outcome outcome;

    bool operator==(const ScanReading&) const = default;
};

// How a design reads back. reads: every reader read both pictures to exactly the payload;
// doesNotRead: none did; mayNotRead: some did.
enum class ScanVerdict { reads, mayNotRead, doesNotRead };

struct ScanCheckResult {
    ScanVerdict verdict = ScanVerdict::doesNotRead;
    QList<ScanReading> readings;  // each reader on the exported picture, then on the small print

    bool passed() const { return verdict == ScanVerdict::reads; }
    // "Reads on 2 of 2 scanners", "May not scan" or "Won't scan".
    QString badgeLabel() const;
    // One sentence per reading that failed, e.g. "zbar found no code in the small print (171 px)."
    QStringList reasons() const;
    // The badge label and, when it failed, the reasons: what a tooltip or announcement says.
    QString message() const;

    bool operator==(const ScanCheckResult&) const = default;
};

// One line per reading, e.g. "ZXing-cpp, exported picture (1024 px): reads".
QString describeReading(const ScanReading& reading);

// Returns true once the work should stop because its result is no longer wanted.
using CancelCheck = std::function<bool()>;

// Draws the symbol as PNG export does at pngSize × pngSize pixels (composited on white, as it is
// shown or printed), makes the small print from it and asks every reader to read both, expecting
// exactly `payload` (the UTF-8 bytes the matrix was made from). Nothing when pngSize is not from 1
// to 8192, the matrix is empty, or `cancelled` says so between readings. Safe on any thread.
std::optional<ScanCheckResult> checkScan(const ModuleMatrix& matrix, const QRStyle& style,
                                         qint64 pngSize, const QByteArray& payload,
                                         const CancelCheck& cancelled = {});

// The same check of a picture already drawn as PNG export draws it (symbolPicture of the matrix
// and style), for callers that write that picture too.
std::optional<ScanCheckResult> checkScanOfPicture(const QImage& picture, const ModuleMatrix& matrix,
                                                  const QRStyle& style, const QByteArray& payload,
                                                  const CancelCheck& cancelled = {});

}  // namespace vostrel
