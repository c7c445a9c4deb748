#pragma once

#include <QFuture>
#include <QList>
#include <QObject>
#include <QThreadPool>
#include <functional>
#include <memory>

#include "batch/batch_error.h"
#include "batch/batch_item_source.h"
#include "batch/batch_records.h"
#include "common/expected.h"
#include "content/qr_content.h"
#include "engine/correction_level.h"
#include "render/qr_style.h"

namespace vostrel {

using BatchOutcome = Expected<BatchResult, BatchError>;

// Writes one QR image file per item into a folder, for the batch sheet and the command line
// alike. Payloads, symbols and pictures are made on the engine's own executor, one item per core
// at a time, and the files written there one after the other in item order; the engine's thread
// (the main thread) only keeps count and reports.
// Nothing here shows anything: callers get progress and a result or a BatchError.
class BatchEngine : public QObject {
  public:
    using ProgressCallback = std::function<void(const BatchProgress&)>;

    explicit BatchEngine(QObject* parent = nullptr);
    // Waits for the items in hand, then abandons the run: its future ends cancelled.
    ~BatchEngine() override;

    // Starts a run; call from the engine's thread, whose event loop must then run. The folder
    // is made first (failing the run before anything is written), then every item becomes a
    // file or is skipped and counted (empty payload, too long for a symbol at the level, no
    // picture). `progress` is called on this thread after every written file, in item order,
    // and the next file is written only once it has returned. A write failure ends the run with
    // that error; the files before it stay. Symbols are made at level h when the style has a
    // logo.
    //
    // Cancelling the returned future stops the run before its next file; it then holds no
    // result.
    QFuture<BatchOutcome> generateBatch(QList<QRContent> items, const QRStyle& style,
                                        CorrectionLevel level, const BatchConfig& config,
                                        ProgressCallback progress = {});
    // The same for items made one at a time, so memory stays flat however many there are.
    QFuture<BatchOutcome> generateBatch(std::unique_ptr<BatchItemSource> items,
                                        const QRStyle& style, CorrectionLevel level,
                                        const BatchConfig& config, ProgressCallback progress = {});

  private:
    QThreadPool executor_;
};

// Runs this thread's event loop until the run has ended, for callers with nothing else to do
// meanwhile (the command line, benchmarks, tests).
void waitForBatch(const QFuture<BatchOutcome>& future);

}  // namespace vostrel
