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

// What became of one item: written; skipped (empty payload, no symbol at this level, no
// picture); or, when the run verifies, left out because its code may not scan.
struct BatchItemResult {
    enum class Kind { written, skipped, unreadable };

    Kind kind = Kind::skipped;
    QString fileName;  // written: the name given; unreadable: the name it would have had

    bool operator==(const BatchItemResult&) const = default;
};

// The item's result, or the write error that ends the run.
using BatchItemOutcome = Expected<BatchItemResult, BatchError>;

// Makes the folder and any missing parents; an existing folder is fine.
Expected<void, BatchError> makeDestinationFolder(const QString& folder);

// Payload, matrix, picture (read back first when the run verifies), name and file of `item`, the
// run's item at zero-based `index`, all on the calling thread. The file is written under a
// temporary name and only then takes the first free name, "name.png", "name-2.png", …, without ever
// replacing a file, even one that another process wrote a moment before: a failed or interrupted
// write leaves no partial file behind.
BatchItemOutcome writeBatchItem(const BatchJob& job, const QRContent& item, qsizetype index);

}  // namespace vostrel
