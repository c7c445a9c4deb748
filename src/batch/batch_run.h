#pragma once

#include <QFutureWatcher>
#include <QObject>
#include <QPromise>
#include <QThreadPool>
#include <memory>

#include "batch/batch_engine.h"
#include "batch/batch_item_source.h"
#include "batch/batch_item_writer.h"

namespace vostrel {

// One run of a BatchEngine: steps through the job on the engine's executor, one task at a
// time, and keeps the count on its own thread between tasks. Deletes itself when done.
class BatchRun : public QObject {
  public:
    BatchRun(BatchJob job, std::unique_ptr<BatchItemSource> items, QThreadPool& executor,
             BatchEngine::ProgressCallback progress, QObject* parent);

    QFuture<BatchOutcome> start();

  private:
    void folderMade();
    void startItem();
    void itemFinished();
    // Calls the progress callback; false when the run was deleted meanwhile.
    bool report();
    void finish(BatchOutcome outcome);

    std::shared_ptr<const BatchJob> job_;
    std::unique_ptr<BatchItemSource> items_;  // read on this thread, one item per task
    QThreadPool& executor_;
    BatchEngine::ProgressCallback progress_;
    QPromise<BatchOutcome> promise_;
    QFutureWatcher<Expected<void, BatchError>> folderWatcher_;
    QFutureWatcher<BatchItemOutcome> itemWatcher_;
    qsizetype position_ = 0;
    QStringList fileNames_;
    qsizetype skippedCount_ = 0;
    QStringList unreadableNames_;
};

}  // namespace vostrel
