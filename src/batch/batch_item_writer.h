#pragma once

#include <QString>
#include <optional>

#include "batch/batch_error.h"
#include "batch/batch_records.h"
#include "common/expected.h"
#include "content/qr_content.h"
#include "engine/correction_level.h"
#include "render/qr_style.h"

namespace vostrel {

// What a run needs for every item, fixed when it starts and shared read-only with the thread
// that writes the files.
struct BatchJob {
    qsizetype itemCount = 0;  // sequential names are padded to its digit count
    QRStyle style;
    CorrectionLevel level;  // the effective level, the same for every item
    BatchConfig config;
    QString folder;  // the local path of config.destinationURL
};

// Makes the folder and any missing parents; an existing folder is fine.
Expected<void, BatchError> makeDestinationFolder(const QString& folder);

// What an item makes: its file's bytes, or none when it is skipped (empty payload, no symbol at
// this level, no picture) or, in a run that verifies, when its code may not scan.
struct BatchItemFile {
    std::optional<QByteArray> bytes;
    bool unreadable = false;  // read back first and found wanting; no file is written
};

// The file of `item`: payload, matrix and picture (PNG) or text (SVG), the PNG picture read back
// first when the run verifies (as its PNG for SVG). Safe on any thread.
BatchItemFile batchItemBytes(const BatchJob& job, const QRContent& item);

// The name the file of `item`, the run's item at zero-based `index`, takes when it is free.
QString batchItemFileName(const BatchJob& job, const QRContent& item, qsizetype index);

// The name of the file written, or the write error that ends the run.
using BatchWriteOutcome = Expected<QString, BatchError>;

// Writes the file of `item`, the run's item at zero-based `index`, on the calling thread. The
// bytes go under a temporary name and only then take the first free name, "name.png",
// "name-2.png", …, without ever replacing a file, even one that another process wrote a moment
// before: a failed or interrupted write leaves no partial file behind. Files of one run are
// written one at a time and in item order, so a shared base name numbers them in that order.
BatchWriteOutcome writeBatchItem(const BatchJob& job, const QRContent& item, qsizetype index,
                                 const QByteArray& bytes);

}  // namespace vostrel
