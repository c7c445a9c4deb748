#pragma once

#include <QFutureWatcher>
#include <QObject>
#include <QPromise>
#include <QThreadPool>
#include <deque>
#include <memory>

#include "batch/batch_engine.h"
#include "batch/batch_item_source.h"
#include "batch/batch_item_writer.h"

namespace vostrel {

// One run of a BatchEngine. Items are made on the engine's executor, as many at once as it has
// threads, while their files are written one at a time in item order: names, "-2" collisions,
// skips and progress reports come out exactly as if the items ran one after the other. The
// count is kept on the run's own thread between tasks. Deletes itself when done.
class BatchRun : public QObject {
  public:
    BatchRun(BatchJob job, std::unique_ptr<BatchItemSource> items, QThreadPool& executor,
             BatchEngine::ProgressCallback progress, QObject* parent);

    QFuture<BatchOutcome> start();

  private:
    // An item whose file is being made, kept in item order.
    struct Making {
        QRContent item;
        qsizetype index;
        QFutureWatcher<BatchItemFile>* bytes;  // owned by the run
    };

    void folderMade();
    void startItems();
    // Writes the oldest item once its file is made and no write is running; ends the run after
    // the last.
    void advance();
    void itemWritten();
    // Calls the progress callback; false when the run was deleted meanwhile.
    bool report();
    void finish(std::optional<BatchOutcome> outcome);

    std::shared_ptr<const BatchJob> job_;
    std::unique_ptr<BatchItemSource> items_;  // read on this thread, one item per task
    QThreadPool& executor_;
    BatchEngine::ProgressCallback progress_;
    QPromise<BatchOutcome> promise_;
    QFutureWatcher<Expected<void, BatchError>> folderWatcher_;
    QFutureWatcher<BatchWriteOutcome> writeWatcher_;
    std::deque<Making> making_;
    bool itemsEnded_ = false;
    bool writing_ = false;
    bool ended_ = false;
    qsizetype started_ = 0;
    QStringList fileNames_;
    qsizetype skippedCount_ = 0;
    QStringList unreadableNames_;
};

}  // namespace vostrel
